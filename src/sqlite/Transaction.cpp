#include "sqlite/Transaction.h"

#include "sqlite/Database.h"

#include <sqlite3.h>

namespace quarvel::sqlite {

namespace {

QString beginText(Transaction::Kind kind) {
    switch (kind) {
    case Transaction::Kind::Immediate:
        return QStringLiteral("BEGIN IMMEDIATE");
    case Transaction::Kind::Exclusive:
        return QStringLiteral("BEGIN EXCLUSIVE");
    case Transaction::Kind::Deferred:
        break;
    }
    return QStringLiteral("BEGIN");
}

} // namespace

Transaction::Transaction(sqlite3* db, Kind kind) : m_db(db) {
    Statement(db, beginText(kind)).execute();
}

Transaction::Transaction(Database& db, Kind kind) : Transaction(db.handle(), kind) {}

Transaction::~Transaction() {
    // SQLite may have rolled back already (some errors end the transaction by themselves);
    // a second ROLLBACK would only fail.
    if (m_open && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    Statement(m_db, QStringLiteral("COMMIT")).execute();
    m_open = false;
}

} // namespace quarvel::sqlite
