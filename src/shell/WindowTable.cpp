#include "shell/WindowTable.h"

#include <QHash>

namespace quarvel::shell {

namespace {

QHash<QString, WindowTable::Opener>& openers() {
    static QHash<QString, WindowTable::Opener> table;
    return table;
}

} // namespace

WindowTable::Opener WindowTable::registerWindow(const QString& name, Opener opener) {
    Opener previous = openers().value(name);
    if (opener)
        openers().insert(name, std::move(opener));
    else
        openers().remove(name);
    return previous;
}

void WindowTable::clear() {
    openers().clear();
}

void WindowTable::openWindow(const QString& name, QWidget* parent) {
    // A copy: the window may replace its own entry while it is open.
    const Opener opener = openers().value(name);
    if (opener)
        opener(parent);
}

} // namespace quarvel::shell
