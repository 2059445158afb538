#include "controls/BoundTextBox.h"

#include "controls/ErrorReport.h"
#include "controls/FieldBinding.h"

#include <QCoreApplication>
#include <utility>

namespace quarvel::controls {

BoundTextBox::BoundTextBox(QWidget* parent) : QLineEdit(parent), BoundField(this) {
    connect(this, &QLineEdit::textEdited, this, &BoundTextBox::onUserEdit);
    connect(this, &QLineEdit::inputRejected, this, [this] { m_inputCut = true; });
}

BoundTextBox::~BoundTextBox() = default;

void BoundTextBox::showField(bool moved) {
    if (moved)
        followFieldSize();
    const QString text = fieldText(m_dateFormat);
    if (!moved && text == this->text())
        return;
    setText(text);
    setCursorPosition(0);
    emit changed();
}

void BoundTextBox::followFieldSize() {
    const int size = binding()->definedSize();
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

void BoundTextBox::setDateFormat(const QString& format) {
    m_dateFormat = format;
    refresh();
}

void BoundTextBox::onUserEdit(const QString& text) {
    if (m_undoing)
        return;
    // An input cut to the maximum length fills the box exactly; take none of it.
    if (std::exchange(m_inputCut, false) && text.size() == maxLength()) {
        m_undoing = true;
        undo();
        m_undoing = false;
        reportFailure(this, QCoreApplication::translate(
                                "BoundTextBox", "The field '%1' takes at most %2 characters; "
                                                "the text was not put in.")
                                .arg(dataField())
                                .arg(maxLength()));
        return;
    }
    writeField(text);
    emit changed();
}

} // namespace quarvel::controls
