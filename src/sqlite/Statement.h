#pragma once

#include "sqlite/Error.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace quarvel::sqlite {

// One prepared statement on a connection's handle: bind by position (1-based), step, read
// the columns of the current row. Every call that SQLite can refuse is checked and throws
// Error with the engine's message and extended code, a bind to a parameter that is not
// there or a bind to a running statement included; a failed step leaves the statement
// reset, ready to run again. Movable; finalised when the object goes.
class Statement {
public:
    // Prepares exactly one statement. A text that holds no statement, a second statement
    // after the first, or a NUL character (SQLite would stop reading there) is refused.
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds one value: a null or invalid QVariant binds NULL; bool and integer types bind
    // as integers, float and double as reals, QByteArray as a blob, anything else as its
    // text (a QDate as yyyy-MM-dd).
    Statement& bind(int index, const QVariant& value);
    Statement& bindNull(int index);
    Statement& bindInt64(int index, qint64 value);
    Statement& bindDouble(int index, double value);
    // The whole text, embedded NUL characters included.
    Statement& bindText(int index, const QString& value);
    Statement& bindBlob(int index, const QByteArray& value);
    int parameterCount() const;
    // The position of a named parameter (":name", "@name", "$name"), 0 when there is none.
    int parameterIndex(const QString& name) const;

    // Steps once: true while a row is available, false when the statement has finished.
    bool step();
    // Runs the statement to its end, resets it (the bindings stay) and returns the number
    // of rows it inserted, changed or deleted.
    qint64 execute();
    // Back to the start, bindings kept; and all bindings back to NULL.
    void reset();
    void clearBindings();

    int columnCount() const;
    QString columnName(int column) const;
    // Where a result column comes from: its table and that table's column, empty for an
    // expression. The declared type is returned as written in the schema (not upper-cased).
    QString columnTable(int column) const;
    QString columnOrigin(int column) const;
    QString columnDeclType(int column) const;

    // The current row's values. value() gives the stored type: qlonglong, double, QString,
    // QByteArray, or a null QVariant; the typed readers convert as SQLite does.
    QVariant value(int column) const;
    // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL.
    int columnType(int column) const;
    bool isNull(int column) const;
    qint64 int64(int column) const;
    double real(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;

    QString sql() const;
    sqlite3_stmt* handle() const { return m_stmt; }

private:
    friend class Database;
    // Prepares the first statement of text from *next on and moves *next past it; for
    // scripts (Database::exec), whose text is checked for NUL characters once. The statement
    // is empty when only blanks or comments remain.
    Statement(sqlite3* db, const QByteArray& text, const char** next);
    bool isEmpty() const { return m_stmt == nullptr; }
    static void refuseNul(const QByteArray& text);
    void prepare(const QByteArray& text, const char* from, const char** tail);
    void check(int rc, int index) const;
    [[noreturn]] void fail(const QString& message = {}) const;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace quarvel::sqlite
