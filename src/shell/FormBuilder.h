#pragma once

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace quarvel::controls {
class LinkLabel;
}

namespace quarvel::shell::form {

// Builders for the controls of every window, placed in twips relative to their parent. Each
// control gets its designer name as objectName; a button gets its caption as accessible name,
// a box its caption label as buddy.

void place(QWidget* widget, int left, int top, int width, int height);

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              int width, int height);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height);
QFrame* frame(QWidget* parent, const QString& name, int left, int top, int width, int height);
// A window's heading: a label in Arial bold of `pointSize`, wrapping at word boundaries when
// `wrap` is true (see fitText for a text too long).
QLabel* heading(QWidget* parent, const QString& name, int left, int top, int width, int height,
                qreal pointSize, bool wrap);
// A link (controls::LinkLabel) drawn as links are: bold, underlined, blue.
controls::LinkLabel* link(QWidget* parent, const QString& name, const QString& text, int left,
                          int top, int width, int height);

// Makes `caption` the buddy label of `control`; the control's accessible name is the
// caption without its colon.
void setCaptionLabel(QLabel* caption, QWidget* control);

// A control of type T (data control, grid, text area) under its designer name; unplaced, or
// placed in twips.
template <typename T> T* control(QWidget* parent, const QString& name) {
    auto* result = new T(parent);
    result->setObjectName(name);
    return result;
}
template <typename T>
T* control(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    T* result = control<T>(parent, name);
    place(result, left, top, width, height);
    return result;
}

// A box (text box, combo) of type Box, with `caption` as its buddy label.
template <typename Box>
Box* box(QWidget* parent, const QString& name, QLabel* caption, int left, int top, int width,
         int height) {
    Box* result = control<Box>(parent, name, left, top, width, height);
    setCaptionLabel(caption, result);
    return result;
}

// The largest type size up to `largestPointSize`, in steps of 0.75 pt down to 8 pt, at which
// the label's text fits its contents rectangle (wrapped at word boundaries when the label
// wraps).
void fitText(QLabel* label, qreal largestPointSize);

} // namespace quarvel::shell::form
