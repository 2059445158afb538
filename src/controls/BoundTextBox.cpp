#include "controls/BoundTextBox.h"

#include "controls/FieldBinding.h"
#include "controls/ValueFormat.h"

namespace quarvel::controls {

BoundTextBox::BoundTextBox(QWidget* parent) : QLineEdit(parent), m_binding(new FieldBinding(this)) {
    connect(m_binding, &FieldBinding::valueChanged, this, [this](bool moved) {
        const QString text = ValueFormat::displayText(m_binding->value(), m_dateFormat);
        if (!moved && text == this->text())
            return;
        setText(text);
        setCursorPosition(0);
        emit changed();
    });
    connect(this, &QLineEdit::textEdited, this, &BoundTextBox::onUserEdit);
}

BoundTextBox::~BoundTextBox() = default;

void BoundTextBox::bind(DataControl* control, const QString& fieldName) {
    m_binding->bind(control, fieldName);
}

void BoundTextBox::bind(Recordset* recordset, const QString& fieldName) {
    m_binding->bind(recordset, fieldName);
}

void BoundTextBox::unbind() {
    m_binding->unbind();
    clear();
    emit changed();
}

Recordset* BoundTextBox::recordset() const {
    return m_binding->recordset();
}

QString BoundTextBox::dataField() const {
    return m_binding->fieldName();
}

void BoundTextBox::setDateFormat(const QString& format) {
    m_dateFormat = format;
    refresh();
}

void BoundTextBox::refresh() {
    emit m_binding->valueChanged(false);
}

void BoundTextBox::onUserEdit(const QString& text) {
    if (!isReadOnly())
        m_binding->write(text);
    emit changed();
}

} // namespace quarvel::controls
