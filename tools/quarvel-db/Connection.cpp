#include "Connection.h"

#include "Error.h"
#include "Statement.h"

#include <sqlite3.h>

namespace quarvel::dbtool {

Connection::Connection(const QString& path, Mode mode) {
    const int flags =
        mode == Mode::Create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READWRITE;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = m_db ? lastError() : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Error(QStringLiteral("cannot open %1: %2").arg(path, message));
    }
    sqlite3_extended_result_codes(m_db, 1);
}

Connection::~Connection() {
    sqlite3_close(m_db);
}

void Connection::exec(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = error ? QString::fromUtf8(error) : lastError();
        sqlite3_free(error);
        throw Error(message);
    }
}

Statement Connection::prepare(const QString& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw Error(QStringLiteral("%1 in: %2").arg(lastError(), sql));
    return Statement(m_db, stmt);
}

bool Connection::compiles(const QString& sql, QString* message) {
    sqlite3_stmt* stmt = nullptr;
    const bool ok =
        sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK;
    if (!ok && message)
        *message = lastError();
    sqlite3_finalize(stmt);
    return ok;
}

QString Connection::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

} // namespace quarvel::dbtool
