#include "data/Connection.h"

#include "data/ConnectionString.h"
#include "data/DatabaseError.h"
#include "data/Tr.h"
#include "data/postgres/PostgresLink.h"
#include "data/postgres/PostgresSession.h"
#include "data/sqlite/SqliteSession.h"

namespace quarvel {

static_assert(Connection::busyTimeoutMs == SqliteSession::busyTimeoutMs);

Connection::Connection(std::unique_ptr<BackendSession> session) : m_session(std::move(session)) {}

Connection::~Connection() = default;

std::shared_ptr<Connection> Connection::open(const QString& connectionStringOrPath) {
    // The data source is a file path (SQLite) or a PostgreSQL URL.
    const QString path = DatabasePathFromConnectionString(connectionStringOrPath);
    if (path.isEmpty())
        throw DatabaseError(Tr::tr("No database file is named in the connection string."));
    if (isPostgresUrl(path))
        return std::shared_ptr<Connection>(new Connection(PostgresSession::open(path)));
    return std::shared_ptr<Connection>(new Connection(SqliteSession::open(path)));
}

QString Connection::path() const {
    return m_session->name();
}

qint64 Connection::Execute(const QString& commandText) {
    return m_session->execute(m_session->translate(commandText));
}

std::unique_ptr<BackendCursor> Connection::query(const QString& commandText,
                                                 const QVector<QVariant>& values) {
    return m_session->query(m_session->translate(commandText), values);
}

qint64 Connection::execute(const QString& commandText, const QVector<QVariant>& values) {
    return m_session->execute(m_session->translate(commandText), values);
}

void Connection::BeginTrans() {
    if (m_session->inTransaction())
        throw DatabaseError(Tr::tr("A transaction is already open on this connection."));
    m_session->begin();
}

void Connection::CommitTrans() {
    if (!m_session->inTransaction())
        throw DatabaseError(Tr::tr("No transaction is open on this connection."));
    m_session->commit();
}

void Connection::RollbackTrans() {
    if (!m_session->inTransaction())
        throw DatabaseError(Tr::tr("No transaction is open on this connection."));
    m_session->rollback();
}

bool Connection::inTransaction() const {
    return m_session->inTransaction();
}

} // namespace quarvel
