#include "controls/BoundTextBox.h"

#include "controls/ErrorReport.h"
#include "controls/FieldBinding.h"
#include "data/FieldValue.h"

#include <QCoreApplication>
#include <QKeyEvent>
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
    // The field counts characters (code points), the box UTF-16 units: the box takes twice
    // the field's size, enough for any text the field takes, and onUserEdit counts.
    m_characters = binding()->definedSize();
    const int length = m_characters > 0 ? 2 * m_characters : 32767; // QLineEdit's own default
    if (maxLength() != length)
        setMaxLength(length);
}

void BoundTextBox::keyPressEvent(QKeyEvent* event) {
    // A key typed into a full box changes nothing and says nothing; a paste that does not
    // fit is undone with a box that says so (onUserEdit).
    m_inputCut = false;
    m_typing = !event->text().isEmpty() && !event->matches(QKeySequence::Paste);
    QLineEdit::keyPressEvent(event);
    m_typing = false;
    m_inputCut = false;
}

void BoundTextBox::setDateFormat(const QString& format) {
    m_dateFormat = format;
    refresh();
}

void BoundTextBox::onUserEdit(const QString& text) {
    if (m_undoing)
        return;
    // An input with more characters than the field takes, or cut to the box's maximum
    // length, is taken not at all.
    const bool cut = std::exchange(m_inputCut, false) && text.size() == maxLength();
    if (cut || (m_characters > 0 && characterCount(text) > m_characters)) {
        m_undoing = true;
        undo();
        m_undoing = false;
        if (!m_typing)
            reportFailure(this, QCoreApplication::translate(
                                    "BoundTextBox", "The field '%1' takes at most %2 characters; "
                                                    "the text was not put in.")
                                    .arg(dataField())
                                    .arg(m_characters));
        return;
    }
    writeField(text);
    emit changed();
}

} // namespace quarvel::controls
