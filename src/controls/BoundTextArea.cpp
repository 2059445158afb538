#include "controls/BoundTextArea.h"

#include "controls/FieldBinding.h"
#include "controls/ValueFormat.h"

#include <QKeyEvent>

namespace quarvel::controls {

BoundTextArea::BoundTextArea(QWidget* parent)
    : QPlainTextEdit(parent), m_binding(new FieldBinding(this)) {
    connect(m_binding, &FieldBinding::valueChanged, this, [this](bool moved) {
        const QString text = ValueFormat::displayText(m_binding->value());
        if (!moved && text == toPlainText())
            return;
        m_showing = true;
        setPlainText(text);
        m_showing = false;
        emit changed();
    });
    connect(this, &QPlainTextEdit::textChanged, this, &BoundTextArea::onContentsChanged);
    // Tab goes on to the next control, as from a one-line box.
    setTabChangesFocus(true);
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

BoundTextArea::~BoundTextArea() = default;

void BoundTextArea::bind(DataControl* control, const QString& fieldName) {
    m_binding->bind(control, fieldName);
}

void BoundTextArea::bind(Recordset* recordset, const QString& fieldName) {
    m_binding->bind(recordset, fieldName);
}

void BoundTextArea::unbind() {
    m_binding->unbind();
    m_showing = true;
    clear();
    m_showing = false;
    emit changed();
}

Recordset* BoundTextArea::recordset() const {
    return m_binding->recordset();
}

QString BoundTextArea::dataField() const {
    return m_binding->fieldName();
}

void BoundTextArea::refresh() {
    emit m_binding->valueChanged(false);
}

void BoundTextArea::onContentsChanged() {
    // Text put in by the binding (or by the program) is not a user's edit.
    if (m_showing)
        return;
    if (!isReadOnly())
        m_binding->write(toPlainText());
    emit changed();
}

} // namespace quarvel::controls
