#pragma once

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace quarvel::formparts {

// The tab pages' left edge in the window, in twips.
constexpr int pageLeft = 120;
// The two button rows, the transactions' on the tab page and the products' under it, share
// their columns: a column's left edge in twips from the page's left edge.
constexpr int buttonWidth = 2550;
constexpr int buttonHeight = 420;
constexpr int buttonColumnLeft(int column) {
    return 60 + column * (buttonWidth + 120);
}

// Small builders for the controls of the Products window, placed in twips relative to their
// parent. Each control gets its designer name as objectName; buttons get their caption as
// accessible name.
QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              int width, int height);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height);
QFrame* frame(QWidget* parent, const QString& name, int left, int top, int width, int height);
void place(QWidget* widget, int left, int top, int width, int height);
// Makes `caption` the buddy label of `control`; the control's accessible name is the
// caption without its colon.
void setCaptionLabel(QLabel* caption, QWidget* control);
// The largest type size up to `largestPointSize`, in steps of 0.75 pt down to 8 pt, at which
// the label's text fits its contents rectangle (wrapped at word boundaries when the label
// wraps).
void fitText(QLabel* label, qreal largestPointSize);
// White background painted by the widget itself.
void paintWhite(QWidget* widget);

} // namespace quarvel::formparts
