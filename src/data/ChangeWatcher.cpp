#include "data/ChangeWatcher.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/DatabaseFacts.h"
#include "data/postgres/PostgresLink.h"

#include <QSocketNotifier>
#include <QTimer>

namespace quarvel {

namespace {

QVariant first(Connection& connection, const QString& sql) {
    const auto cursor = connection.query(sql);
    return cursor->next() ? cursor->value(0) : QVariant();
}

} // namespace

ChangeWatcher::ChangeWatcher(const QString& database, QObject* parent) : QObject(parent) {
    m_connection = Connection::open(database);
    // The history, and the server's notifications, come with schema version 3.
    m_watching = schemaVersion(*m_connection) >= 3;
    if (!m_watching)
        return;
    if (isPostgresUrl(database)) {
        m_listener = PostgresLink::connect(database);
        m_listener->execScript(QStringLiteral("LISTEN quarvel_changes"));
        m_notifier =
            new QSocketNotifier(qintptr(m_listener->socket()), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { readNotifications(); });
        return;
    }
    m_dataVersion = first(*m_connection, QStringLiteral("PRAGMA data_version"));
    m_lastEntry =
        first(*m_connection, QStringLiteral("SELECT max(HistoryID) FROM History")).toLongLong();
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] { poll(); });
    m_timer->start(pollMs);
}

ChangeWatcher::~ChangeWatcher() = default;

void ChangeWatcher::poll() {
    try {
        const QVariant version = first(*m_connection, QStringLiteral("PRAGMA data_version"));
        if (version == m_dataVersion)
            return;
        m_dataVersion = version;
        const auto cursor = m_connection->query(
            QStringLiteral("SELECT HistoryID, TableName, RowKey FROM History WHERE HistoryID > $1 "
                           "ORDER BY HistoryID"),
            {m_lastEntry});
        while (cursor->next()) {
            m_lastEntry = cursor->value(0).toLongLong();
            emit rowChanged(cursor->value(1).toString(), cursor->value(2));
        }
    } catch (const DatabaseError&) {
        // A file being replaced or locked for long is looked at again next time.
    }
}

void ChangeWatcher::readNotifications() {
    for (const QString& payload : m_listener->takeNotifications()) {
        const qsizetype slash = payload.lastIndexOf(u'/');
        const QString key = payload.mid(slash + 1);
        emit rowChanged(payload.left(slash),
                        key.isEmpty() ? QVariant() : QVariant(key.toLongLong()));
    }
}

} // namespace quarvel
