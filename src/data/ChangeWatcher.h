#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace quarvel {

class Connection;
class PostgresLink;

// Tells of the changes committed to a database, as they happen: the table and key of each row
// inserted, changed or deleted (the company row's key is Null), from what a database of schema
// version 3 keeps for its history. A file is watched with PRAGMA data_version on a timer: it
// stays the same until another connection commits, so an idle watcher reads nothing else. A
// server is not polled: it notifies each committed change (LISTEN quarvel_changes). A database
// of an earlier version is not watched (isWatching() is false).
class ChangeWatcher : public QObject {
    Q_OBJECT

public:
    // How often a file is looked at.
    static constexpr int pollMs = 500;

    // Throws DatabaseError when the database cannot be opened.
    explicit ChangeWatcher(const QString& database, QObject* parent = nullptr);
    ~ChangeWatcher() override;

    bool isWatching() const { return m_watching; }

signals:
    void rowChanged(const QString& table, const QVariant& key);

private:
    void poll();
    void readNotifications();

    std::shared_ptr<Connection> m_connection;
    std::unique_ptr<PostgresLink> m_listener;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_timer = nullptr;
    QVariant m_dataVersion;
    qint64 m_lastEntry = 0;
    bool m_watching = false;
};

} // namespace quarvel
