#include "controls/BoundTextArea.h"

#include <QKeyEvent>

namespace quarvel::controls {

BoundTextArea::BoundTextArea(QWidget* parent) : QPlainTextEdit(parent), BoundField(this) {
    connect(this, &QPlainTextEdit::textChanged, this, &BoundTextArea::onContentsChanged);
    // Tab goes on to the next control, as from a one-line box.
    setTabChangesFocus(true);
}

BoundTextArea::~BoundTextArea() = default;

void BoundTextArea::showField(bool moved) {
    const QString text = fieldText();
    if (!moved && text == toPlainText())
        return;
    m_showing = true;
    setPlainText(text);
    m_showing = false;
    emit changed();
}

bool BoundTextArea::event(QEvent* event) {
    // Ctrl+Tab leaves too, as from Qt's views.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & Qt::ControlModifier)) {
            QWidget::focusNextPrevChild(key->key() == Qt::Key_Tab &&
                                        !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void BoundTextArea::onContentsChanged() {
    // Text put in by the binding (or by the program) is not a user's edit.
    if (m_showing)
        return;
    writeField(toPlainText());
    emit changed();
}

} // namespace quarvel::controls
