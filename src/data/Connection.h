#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

struct sqlite3;

namespace quarvel {

// One open connection on the database file, through Qt's QSQLITE driver. Every connection is
// opened the same way: the file must exist already (it is never created here), foreign keys
// are enforced, the journal is WAL with synchronous=FULL, and a second program on the same
// file waits up to five seconds for a lock instead of failing at once.
// Connections are shared: a recordset keeps the connection it was opened on alive.
class Connection {
public:
    // Opens a connection from a connection string of BuildConnectionString's shape, or from a
    // plain file path. Throws DatabaseError with the engine's message on any failure.
    static std::shared_ptr<Connection> open(const QString& connectionStringOrPath);

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString path() const { return m_path; }
    QSqlDatabase database() const;
    sqlite3* handle() const { return m_handle; }

    // Milliseconds a statement waits for another program's lock before giving up.
    static constexpr int busyTimeoutMs = 5000;

private:
    Connection(QString name, QString path);

    QString m_name;
    QString m_path;
    sqlite3* m_handle = nullptr;
};

} // namespace quarvel
