#include "controls/GridList.h"

#include "controls/ListEntries.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

namespace quarvel::controls {

GridList::GridList(QWidget* window) : QComboBox(window), m_caption(new QLabel(window)) {
    setEditable(false);
    hide();
    // The caption is the list's label, as every combo box of the program has one: a screen
    // reader names the list by it. It stays hidden: the column's header shows it.
    m_caption->setBuddy(this);
    m_caption->hide();
    // A choice in the opened entries (a click, or Enter there).
    connect(this, &QComboBox::activated, this, [this] { choose(); });
}

void GridList::open(const Recordset* list, const QString& listField, const QString& boundColumn,
                    const QString& name, const QString& caption, const QRect& rect,
                    const QVariant& value) {
    setObjectName(name);
    setAccessibleName(caption);
    m_caption->setObjectName(name + QStringLiteral("Label"));
    m_caption->setText(caption);
    {
        const QSignalBlocker quiet(this);
        ListEntries::fill(*this, list, listField, boundColumn);
        setCurrentIndex(ListEntries::indexOf(*this, value));
    }
    setGeometry(rect);
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

// The grid takes the focus back (through the signal) before the list hides: a focused widget
// that hides hands the focus on to the next control itself.
void GridList::dismiss() {
    if (!isVisible())
        return;
    hidePopup();
    emit dismissed();
    hide();
}

void GridList::choose() {
    if (!isVisible())
        return;
    const QVariant value = currentIndex() >= 0 ? currentData() : QVariant();
    if (value.isValid())
        emit chosen(value);
    else
        emit dismissed();
    hide();
}

void GridList::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        choose();
        return;
    case Qt::Key_Escape:
        dismiss();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        if (alt)
            break; // Alt+Down opens the entries, Alt+Up closes them: the combo's own keys
        // Moving through the entries is no choice yet: the box does not commit each one.
        const int last = count() - 1;
        int index = currentIndex();
        switch (event->key()) {
        case Qt::Key_Up:
            index = std::max(0, index - 1);
            break;
        case Qt::Key_Down:
            index = std::min(last, index + 1);
            break;
        case Qt::Key_Home:
        case Qt::Key_PageUp:
            index = 0;
            break;
        default:
            index = last;
            break;
        }
        setCurrentIndex(index);
        return;
    }
    default:
        break;
    }
    // A letter finds the next entry that begins with it, again without choosing.
    const QString typed = event->text();
    if (!alt && typed.size() == 1 && typed.at(0).isPrint() && !typed.at(0).isSpace()) {
        for (int step = 1; step <= count(); ++step) {
            const int index = (currentIndex() + step) % count();
            if (itemText(index).startsWith(typed, Qt::CaseInsensitive)) {
                setCurrentIndex(index);
                break;
            }
        }
        return;
    }
    QComboBox::keyPressEvent(event);
}

void GridList::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The opened entries take the focus while they show; anything else ends the list. Which it
    // was is known once the focus has settled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible() && !hasFocus() && !view()->window()->isVisible())
                dismiss();
        },
        Qt::QueuedConnection);
}

void GridList::wheelEvent(QWheelEvent* event) {
    // A turn of the wheel chooses nothing.
    event->accept();
}

} // namespace quarvel::controls
