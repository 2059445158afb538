#pragma once

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace quarvel::formparts {

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
// White background painted by the widget itself.
void paintWhite(QWidget* widget);

} // namespace quarvel::formparts
