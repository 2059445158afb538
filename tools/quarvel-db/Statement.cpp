#include "Statement.h"

#include "Error.h"

#include <sqlite3.h>

namespace quarvel::dbtool {

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt) {
    other.m_stmt = nullptr;
}

Statement& Statement::bind(int index, const QVariant& value) {
    if (value.isNull())
        return bindNull(index);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        return bindInt(index, value.toLongLong());
    case QMetaType::Double:
        return bindDouble(index, value.toDouble());
    default:
        return bindText(index, value.toString());
    }
}

Statement& Statement::bindInt(int index, qint64 value) {
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Statement& Statement::bindDouble(int index, double value) {
    sqlite3_bind_double(m_stmt, index, value);
    return *this;
}

Statement& Statement::bindText(int index, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bindNull(int index) {
    sqlite3_bind_null(m_stmt, index);
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_reset(m_stmt);
    throw Error(QStringLiteral("%1 in: %2").arg(message, QString::fromUtf8(sqlite3_sql(m_stmt))));
}

void Statement::run() {
    step();
    reset();
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int index) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, index));
}

QVariant Statement::value(int index) const {
    switch (sqlite3_column_type(m_stmt, index)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_stmt, index));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, index);
    case SQLITE_NULL:
        return {};
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index)));
    }
}

qint64 Statement::intValue(int index) const {
    return sqlite3_column_int64(m_stmt, index);
}

} // namespace quarvel::dbtool
