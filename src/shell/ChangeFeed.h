#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

namespace quarvel {
class ChangeWatcher;
}

namespace quarvel::shell {

// The program's one watcher of the database it works on (a ChangeWatcher), started when the
// program starts and followed by every open window (LiveRows). It tells the rows that any
// connection other than its own committed, the program's own windows' included, so that one
// window's save shows in another. A program (or test) that starts none sees no live changes.
class ChangeFeed : public QObject {
    Q_OBJECT

public:
    // Watches `database` from now on, replacing a feed on another one. A database that cannot
    // be watched (one without the history of schema version 3, or one that does not open)
    // gives a feed that tells nothing: isWatching() is false.
    static ChangeFeed* start(const QString& database);
    static void stop();
    // The feed started last, or nullptr.
    static ChangeFeed* instance();

    bool isWatching() const;
    // The database opened but keeps no history yet: `quarvel-db upgrade` would let it be watched.
    bool needsUpgrade() const { return m_watcher && !isWatching(); }
    QString database() const { return m_database; }

signals:
    void rowChanged(const QString& table, const QVariant& key);

private:
    explicit ChangeFeed(const QString& database, QObject* parent);
    ~ChangeFeed() override;

    QString m_database;
    std::unique_ptr<ChangeWatcher> m_watcher;
};

} // namespace quarvel::shell
