#include "shell/ChangeNotice.h"

#include <QAccessible>
#include <QMouseEvent>

namespace quarvel::shell {

ChangeNotice::ChangeNotice(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("ChangeNotice"));
    setStyleSheet(QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid "
                                 "#767676; padding: 2px 6px; }"));
    setTextFormat(Qt::PlainText);
    hide();
}

void ChangeNotice::showText(const QString& text) {
    setText(text);
    setAccessibleName(text);
    setToolTip(text);
    // One line when it fits the window's width, wrapped to more lines when not.
    QWidget* window = parentWidget();
    const int margin = 4;
    setWordWrap(false);
    const int width = std::min(sizeHint().width(), window->width() - 2 * margin);
    setWordWrap(sizeHint().width() > width);
    const int height = wordWrap() ? heightForWidth(width) : sizeHint().height();
    setGeometry(margin, window->height() - height - margin, width, height);
    show();
    raise();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void ChangeNotice::mousePressEvent(QMouseEvent* event) {
    hide();
    event->accept();
}

} // namespace quarvel::shell
