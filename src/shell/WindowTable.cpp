#include "shell/WindowTable.h"

#include <QHash>
#include <stdexcept>

namespace quarvel::shell {

namespace {

QHash<WindowId, WindowTable::Opener>& openers() {
    static QHash<WindowId, WindowTable::Opener> table;
    return table;
}

[[noreturn]] void noOpener(WindowId id) {
    throw std::logic_error(
        QStringLiteral("The window %1 cannot be opened: no window is registered under that "
                       "name.")
            .arg(designerName(id))
            .toStdString());
}

} // namespace

QString designerName(WindowId id) {
    switch (id) {
    case WindowId::FindProduct:
        return QStringLiteral("FindProduct");
    case WindowId::ReorderStock:
        return QStringLiteral("ReorderStock");
    case WindowId::CountStock:
        return QStringLiteral("CountStock");
    case WindowId::ImportData:
        return QStringLiteral("ImportData");
    case WindowId::History:
        return QStringLiteral("History");
    default:
        return QStringLiteral("Form%1").arg(int(id) + 2);
    }
}

WindowTable::Opener WindowTable::registerWindow(WindowId id, Opener opener) {
    Opener previous = openers().value(id);
    if (opener)
        openers().insert(id, std::move(opener));
    else
        openers().remove(id);
    return previous;
}

void WindowTable::clear() {
    openers().clear();
}

void WindowTable::openWindow(WindowId id, QWidget* parent) {
    // A copy: the window may replace its own entry while it is open.
    const Opener opener = openers().value(id);
    if (!opener)
        noOpener(id);
    opener(parent);
}

void WindowTable::requireEveryWindow() {
    for (const WindowId id : allWindowIds) {
        if (!openers().contains(id))
            noOpener(id);
    }
}

} // namespace quarvel::shell
