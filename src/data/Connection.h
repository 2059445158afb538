#pragma once

#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>

namespace quarvel {

class BackendCursor;
class BackendSession;

// One open connection on the database: a session of the engine behind the backend seam
// (SQLite for a file; see SqliteSession for how a file is opened, checked and, when it cannot
// be written, opened for reading only, so that a write fails with DatabaseError of kind
// ReadOnly. PostgreSQL for a postgresql:// URL; see PostgresSession). Connections are shared: a
// recordset keeps the connection it was opened on alive. Each connection has a session of its own,
// so a transaction begun on one is never seen by another, and every statement sees what other
// programs have committed.
class Connection {
public:
    // Opens a connection from a connection string of BuildConnectionString's shape, or from a
    // plain file path or PostgreSQL URL. Throws DatabaseError with the engine's message on any
    // failure.
    static std::shared_ptr<Connection> open(const QString& connectionStringOrPath);

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString path() const;
    BackendSession& backend() const { return *m_session; }

    // Runs one command text of the program's dialect that returns no rows; the number of rows
    // it inserted, changed or deleted.
    qint64 Execute(const QString& commandText);
    // Runs a command text of the program's dialect with values bound to its $1, $2, ...; the
    // rows it returns, read once from front to back; and the same for a command that returns
    // none (the rows it changed).
    std::unique_ptr<BackendCursor> query(const QString& commandText,
                                         const QVector<QVariant>& values = {});
    qint64 execute(const QString& commandText, const QVector<QVariant>& values = {});

    // A transaction on this connection: what is written between BeginTrans and CommitTrans is
    // kept whole or, with RollbackTrans (or when the connection goes first), not at all.
    // Transactions do not nest. See also Transaction, which rolls back unless committed.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool inTransaction() const;

    // Milliseconds a statement waits for another program's lock before giving up.
    static constexpr int busyTimeoutMs = 5000;

private:
    explicit Connection(std::unique_ptr<BackendSession> session);

    std::unique_ptr<BackendSession> m_session;
};

} // namespace quarvel
