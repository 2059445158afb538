#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

struct sqlite3;

namespace quarvel {

// One open connection on the database file, through Qt's QSQLITE driver. Every connection is
// opened the same way: the file must exist already and is never created or changed by
// opening it (its journal mode stays its own); foreign keys are enforced, synchronous=FULL,
// and a second program on the same file waits up to five seconds for a lock instead of
// failing at once. A file that is empty, is no SQLite file or lacks the program's tables is
// refused with a message that says so. A file that cannot be written (or is marked
// read-only, or lies in a folder that is) is opened for reading: it can be viewed, and a
// write fails with DatabaseError of kind ReadOnly.
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
    static std::shared_ptr<Connection> openFile(const QString& path, bool readOnly, bool immutable);

    QString m_name;
    QString m_path;
    sqlite3* m_handle = nullptr;
};

} // namespace quarvel
