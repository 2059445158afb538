#include "sqlite/Statement.h"

#include "sqlite/Error.h"

#include <limits>
#include <sqlite3.h>

namespace quarvel::sqlite {

namespace {

QString fromCString(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

bool onlyBlanks(const char* from, const char* end) {
    for (; from < end; ++from) {
        if (*from != ' ' && *from != '\t' && *from != '\n' && *from != '\r' && *from != ';')
            return false;
    }
    return true;
}

} // namespace

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db) {
    const QByteArray text = sql.toUtf8();
    refuseNul(text);
    const char* tail = nullptr;
    prepare(text, text.constData(), &tail);
    if (!m_stmt)
        throw Error(QStringLiteral("The command text is empty."), SQLITE_MISUSE, sql);
    const char* const end = text.constData() + text.size();
    if (onlyBlanks(tail, end))
        return;
    // Comments may follow the statement; a second statement may not. A constructor that
    // throws has no destructor run: the prepared statement is finalised here.
    bool more = false;
    try {
        more = !Statement(db, text, &tail).isEmpty();
    } catch (...) {
        sqlite3_finalize(m_stmt);
        throw;
    }
    if (more) {
        sqlite3_finalize(m_stmt);
        throw Error(QStringLiteral("The command text holds more than one statement."),
                    SQLITE_MISUSE, sql);
    }
}

Statement::Statement(sqlite3* db, const QByteArray& text, const char** next) : m_db(db) {
    prepare(text, *next, next);
}

void Statement::refuseNul(const QByteArray& text) {
    if (text.contains('\0'))
        throw Error(QStringLiteral("The command text contains a NUL character."), SQLITE_MISUSE,
                    QString::fromUtf8(text));
}

void Statement::prepare(const QByteArray& text, const char* from, const char** tail) {
    const char* const end = text.constData() + text.size();
    if (sqlite3_prepare_v2(m_db, from, int(end - from), &m_stmt, tail) != SQLITE_OK) {
        m_stmt = nullptr;
        throw Error(QString::fromUtf8(sqlite3_errmsg(m_db)), sqlite3_extended_errcode(m_db),
                    QString::fromUtf8(from, int(end - from)));
    }
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt) {
    other.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

void Statement::fail(const QString& message) const {
    throw Error(message.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(m_db)) : message,
                sqlite3_extended_errcode(m_db), sql());
}

void Statement::check(int rc, int index) const {
    if (rc != SQLITE_OK)
        fail(QStringLiteral("%1 (parameter %2 of %3)")
                 .arg(QString::fromUtf8(sqlite3_errmsg(m_db)))
                 .arg(index)
                 .arg(parameterCount()));
}

Statement& Statement::bind(int index, const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return bindNull(index);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return bindInt64(index, value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong n = value.toULongLong();
        if (n > qulonglong(std::numeric_limits<qint64>::max()))
            return bindDouble(index, double(n));
        return bindInt64(index, qint64(n));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return bindDouble(index, value.toDouble());
    case QMetaType::QByteArray:
        return bindBlob(index, value.toByteArray());
    default:
        return bindText(index, value.toString());
    }
}

Statement& Statement::bindNull(int index) {
    check(sqlite3_bind_null(m_stmt, index), index);
    return *this;
}

Statement& Statement::bindInt64(int index, qint64 value) {
    check(sqlite3_bind_int64(m_stmt, index, value), index);
    return *this;
}

Statement& Statement::bindDouble(int index, double value) {
    check(sqlite3_bind_double(m_stmt, index, value), index);
    return *this;
}

Statement& Statement::bindText(int index, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text64(m_stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                              SQLITE_TRANSIENT, SQLITE_UTF8),
          index);
    return *this;
}

Statement& Statement::bindBlob(int index, const QByteArray& value) {
    // A blob of no bytes is still a blob, not NULL: bind_zeroblob keeps it so.
    if (value.isEmpty())
        check(sqlite3_bind_zeroblob(m_stmt, index, 0), index);
    else
        check(sqlite3_bind_blob64(m_stmt, index, value.constData(), sqlite3_uint64(value.size()),
                                  SQLITE_TRANSIENT),
              index);
    return *this;
}

int Statement::parameterCount() const {
    return sqlite3_bind_parameter_count(m_stmt);
}

int Statement::parameterIndex(const QString& name) const {
    return sqlite3_bind_parameter_index(m_stmt, name.toUtf8().constData());
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The message and code are read before the reset, which is what makes the statement
    // usable again.
    const Error error(QString::fromUtf8(sqlite3_errmsg(m_db)), sqlite3_extended_errcode(m_db),
                      sql());
    sqlite3_reset(m_stmt);
    throw error;
}

qint64 Statement::execute() {
    while (step()) {
    }
    const qint64 changed = sqlite3_changes64(m_db);
    sqlite3_reset(m_stmt);
    return changed;
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
}

void Statement::clearBindings() {
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const {
    return fromCString(sqlite3_column_name(m_stmt, column));
}

QString Statement::columnTable(int column) const {
    return fromCString(sqlite3_column_table_name(m_stmt, column));
}

QString Statement::columnOrigin(int column) const {
    return fromCString(sqlite3_column_origin_name(m_stmt, column));
}

QString Statement::columnDeclType(int column) const {
    return fromCString(sqlite3_column_decltype(m_stmt, column));
}

int Statement::columnType(int column) const {
    return sqlite3_column_type(m_stmt, column);
}

bool Statement::isNull(int column) const {
    return columnType(column) == SQLITE_NULL;
}

QVariant Statement::value(int column) const {
    switch (columnType(column)) {
    case SQLITE_INTEGER:
        return qlonglong(int64(column));
    case SQLITE_FLOAT:
        return real(column);
    case SQLITE_TEXT:
        return text(column);
    case SQLITE_BLOB:
        return blob(column);
    default:
        return QVariant();
    }
}

qint64 Statement::int64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

QString Statement::text(int column) const {
    // The text first, then its length: that order gives the length of the UTF-8 form.
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column));
}

QByteArray Statement::blob(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
    const int bytes = sqlite3_column_bytes(m_stmt, column);
    return data ? QByteArray(data, bytes) : QByteArray("", 0);
}

QString Statement::sql() const {
    return fromCString(sqlite3_sql(m_stmt));
}

} // namespace quarvel::sqlite
