#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace quarvel::dbtool {

// A prepared statement: bind by position (1-based), step, read columns, reset for the next
// row. Movable, finalised when the object goes.
class Statement {
public:
    Statement(sqlite3* db, sqlite3_stmt* stmt) : m_db(db), m_stmt(stmt) {}
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds a value: a null QVariant binds NULL; integers, doubles and texts bind as such.
    Statement& bind(int index, const QVariant& value);
    Statement& bindInt(int index, qint64 value);
    Statement& bindDouble(int index, double value);
    Statement& bindText(int index, const QString& value);
    Statement& bindNull(int index);

    // Steps once: true when a row is available, false when done; throws on failure.
    bool step();
    // Steps a statement that returns no rows, then resets it and clears its bindings.
    void run();
    void reset();

    int columnCount() const;
    QString columnName(int index) const;
    QVariant value(int index) const;
    qint64 intValue(int index) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
};

} // namespace quarvel::dbtool
