#include "shell/ChangeFeed.h"

#include "data/ChangeWatcher.h"
#include "data/DatabaseError.h"

#include <QCoreApplication>
#include <QPointer>

namespace quarvel::shell {

namespace {

QPointer<ChangeFeed>& current() {
    static QPointer<ChangeFeed> feed;
    return feed;
}

} // namespace

ChangeFeed::ChangeFeed(const QString& database, QObject* parent)
    : QObject(parent), m_database(database) {
    try {
        m_watcher = std::make_unique<ChangeWatcher>(database);
        connect(m_watcher.get(), &ChangeWatcher::rowChanged, this, &ChangeFeed::rowChanged);
    } catch (const DatabaseError&) {
        // The windows say why the database does not open; there is nothing to watch.
        m_watcher.reset();
    }
}

ChangeFeed::~ChangeFeed() = default;

ChangeFeed* ChangeFeed::start(const QString& database) {
    stop();
    // Owned by the application, so that it goes before the event loop does.
    current() = new ChangeFeed(database, QCoreApplication::instance());
    return current();
}

void ChangeFeed::stop() {
    delete current().data();
    current() = nullptr;
}

ChangeFeed* ChangeFeed::instance() {
    return current();
}

bool ChangeFeed::isWatching() const {
    return m_watcher && m_watcher->isWatching();
}

} // namespace quarvel::shell
