#include "sqlite/Database.h"

#include "sqlite/Error.h"

#include <sqlite3.h>

namespace quarvel::sqlite {

namespace {

void returnText(sqlite3_context* context, int, sqlite3_value**) {
    const auto* text = static_cast<const QByteArray*>(sqlite3_user_data(context));
    sqlite3_result_text(context, text->constData(), int(text->size()), SQLITE_TRANSIENT);
}

void deleteText(void* text) {
    delete static_cast<QByteArray*>(text);
}

} // namespace

QString libraryVersion() {
    return QString::fromLatin1(sqlite3_libversion());
}

Database::Database(const QString& pathOrUri, OpenMode mode, bool uri, bool oneThread) {
    int flags = SQLITE_OPEN_READONLY;
    if (mode == OpenMode::ReadWrite)
        flags = SQLITE_OPEN_READWRITE;
    else if (mode == OpenMode::Create)
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (uri)
        flags |= SQLITE_OPEN_URI;
    if (oneThread)
        flags |= SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(pathOrUri.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message =
            m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
        const int code = m_db ? sqlite3_extended_errcode(m_db) : rc;
        close();
        throw Error(message, code);
    }
    sqlite3_extended_result_codes(m_db, 1);
}

Database::~Database() {
    close();
}

Database::Database(Database&& other) noexcept : m_db(other.m_db) {
    other.m_db = nullptr;
}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        m_db = other.m_db;
        other.m_db = nullptr;
    }
    return *this;
}

void Database::close() noexcept {
    // Statements are finalised by their owners; sqlite3_close_v2 defers the close until the
    // last of them has gone.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void Database::exec(const QString& sql) {
    const QByteArray text = sql.toUtf8();
    Statement::refuseNul(text);
    const char* next = text.constData();
    const char* const end = next + text.size();
    while (next < end) {
        const char* const from = next;
        Statement statement(m_db, text, &next);
        if (!statement.isEmpty()) {
            while (statement.step()) {
            }
        } else if (next == from) {
            break;
        }
    }
}

QVariant Database::scalar(const QString& sql) const {
    Statement statement = prepare(sql);
    return statement.step() ? statement.value(0) : QVariant();
}

QStringList Database::columnNames(const QString& table) const {
    Statement query = prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    query.bindText(1, table);
    QStringList names;
    while (query.step())
        names.append(query.text(0));
    return names;
}

void Database::defineTextFunction(const QString& name, const QString& text) {
    auto* value = new QByteArray(text.toUtf8());
    const int rc = sqlite3_create_function_v2(m_db, name.toUtf8().constData(), 0, SQLITE_UTF8,
                                              value, returnText, nullptr, nullptr, deleteText);
    if (rc != SQLITE_OK)
        throw Error(QString::fromUtf8(sqlite3_errmsg(m_db)), rc);
}

void Database::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(m_db, milliseconds);
}

bool Database::isReadOnly() const {
    return sqlite3_db_readonly(m_db, "main") == 1;
}

bool Database::inTransaction() const {
    return sqlite3_get_autocommit(m_db) == 0;
}

qint64 Database::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(m_db);
}

qint64 Database::changes() const {
    return sqlite3_changes64(m_db);
}

} // namespace quarvel::sqlite
