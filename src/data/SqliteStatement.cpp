#include "data/SqliteStatement.h"

#include "data/DatabaseError.h"

#include <sqlite3.h>

namespace quarvel {

namespace {

QString fromUtf8(const unsigned char* text, int bytes) {
    return QString::fromUtf8(reinterpret_cast<const char*>(text), bytes);
}

QString fromCString(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

QString sqliteMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql) : m_db(db) {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_stmt, nullptr) != SQLITE_OK)
        throw DatabaseError(sqliteMessage(db));
    if (!m_stmt)
        throw DatabaseError(QStringLiteral("The command text is empty."));
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
        }
        }
    }
    if (rc != SQLITE_OK)
        throw DatabaseError(sqliteMessage(m_db));
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString message = sqliteMessage(m_db);
    sqlite3_reset(m_stmt);
    if ((rc & 0xff) == SQLITE_READONLY)
        throw DatabaseError(
            QStringLiteral("The database file '%1' is read-only: changes cannot be saved in it.")
                .arg(QString::fromUtf8(sqlite3_db_filename(m_db, "main"))),
            DatabaseError::Kind::ReadOnly);
    throw DatabaseError(message);
}

int SqliteStatement::execute() {
    while (step()) {
    }
    return sqlite3_changes(m_db);
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString SqliteStatement::columnName(int column) const {
    return fromCString(sqlite3_column_name(m_stmt, column));
}

QString SqliteStatement::columnTable(int column) const {
    return fromCString(sqlite3_column_table_name(m_stmt, column));
}

QString SqliteStatement::columnOrigin(int column) const {
    return fromCString(sqlite3_column_origin_name(m_stmt, column));
}

QString SqliteStatement::columnDeclType(int column) const {
    return fromCString(sqlite3_column_decltype(m_stmt, column)).toUpper();
}

QVariant SqliteStatement::value(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    case SQLITE_TEXT:
        return fromUtf8(sqlite3_column_text(m_stmt, column), sqlite3_column_bytes(m_stmt, column));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        return QByteArray(data, sqlite3_column_bytes(m_stmt, column));
    }
    default:
        return QVariant();
    }
}

} // namespace quarvel
