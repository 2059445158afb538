#include "controls/BoundTextBox.h"

#include "controls/ControlError.h"
#include "controls/FieldBinding.h"
#include "controls/ValueFormat.h"

#include <QCoreApplication>
#include <utility>

namespace quarvel::controls {

BoundTextBox::BoundTextBox(QWidget* parent) : QLineEdit(parent), m_binding(new FieldBinding(this)) {
    connect(m_binding, &FieldBinding::valueChanged, this, [this](bool moved) {
        if (moved)
            followFieldSize();
        const QString text = ValueFormat::displayText(m_binding->value(), m_dateFormat);
        if (!moved && text == this->text())
            return;
        setText(text);
        setCursorPosition(0);
        emit changed();
    });
    connect(this, &QLineEdit::textEdited, this, &BoundTextBox::onUserEdit);
    connect(this, &QLineEdit::inputRejected, this, [this] { m_inputCut = true; });
}

void BoundTextBox::followFieldSize() {
    const int size = m_binding->definedSize();
    const int length = size > 0 ? size : 32767; // QLineEdit's own default
    if (maxLength() != length)
        setMaxLength(length);
}

void BoundTextBox::keyPressEvent(QKeyEvent* event) {
    // A key refused outright (the box is full) changes nothing: only an input of which a
    // part was taken is undone below.
    m_inputCut = false;
    QLineEdit::keyPressEvent(event);
    m_inputCut = false;
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
    if (m_undoing)
        return;
    // An input cut to the maximum length fills the box exactly; take none of it.
    if (std::exchange(m_inputCut, false) && text.size() == maxLength()) {
        m_undoing = true;
        undo();
        m_undoing = false;
        showControlError(
            this, QCoreApplication::translate("BoundTextBox",
                                              "The field '%1' takes at most %2 characters; the "
                                              "text was not put in.")
                      .arg(m_binding->fieldName())
                      .arg(maxLength()));
        return;
    }
    if (!isReadOnly())
        m_binding->write(text);
    emit changed();
}

} // namespace quarvel::controls
