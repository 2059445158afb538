#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace quarvel {

// A prepared SQLite statement with bound parameters. The data layer reads and writes through
// the SQLite C API on the connection's handle because it needs what Qt's driver does not
// expose: each result column's table and column of origin and its declared type.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Binds one value (1-based); null and invalid QVariants bind NULL.
    void bind(int index, const QVariant& value);
    // Steps once: true while a row is available. Throws DatabaseError on failure.
    bool step();
    // Runs the statement to its end and returns the number of rows it changed.
    int execute();

    int columnCount() const;
    QString columnName(int column) const;
    QString columnTable(int column) const;
    QString columnOrigin(int column) const;
    QString columnDeclType(int column) const;
    // The raw value of a column of the current row: qlonglong, double, QString,
    // QByteArray, or a null QVariant.
    QVariant value(int column) const;
    sqlite3_stmt* handle() const { return m_stmt; }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// The engine's last message on the handle, as a QString.
QString sqliteMessage(sqlite3* db);

} // namespace quarvel
