#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>

namespace quarvel {

// What the data layer asks of a database engine. Connection, Recordset, RecordWriter and the
// reports' data source use only this; each engine implements it once (SQLite in data/sqlite/).
// Every failure throws DatabaseError with the engine's message: a refused write carries the
// constraint that refused it, a write into a database that cannot be written has kind
// ReadOnly.

// One column of a result as the engine describes it.
struct ResultColumn {
    QString name;     // the name the result gives the column
    QString table;    // the table it comes from; empty for a computed column
    QString origin;   // its name in that table
    QString declType; // its declared type, upper-cased ("TEXT(255)", "CURRENCY", "INTEGER")
};

// A relation: `column` of `table` refers to `parentColumn` of `parentTable`.
struct ForeignKey {
    QString table;
    QString column;
    QString parentTable;
    QString parentColumn;
};

// The row a write is meant for: each column holds its value, Null matching only Null.
struct RowMatch {
    QStringList columns;
    QVector<QVariant> values;
};

// The rows of one statement, read once from front to back. Values are what the engine
// stores: qlonglong, double, QString, QByteArray, or a null QVariant.
class BackendCursor {
public:
    virtual ~BackendCursor() = default;
    virtual int columnCount() const = 0;
    virtual ResultColumn column(int index) const = 0;
    // Moves to the next row: false when there is none.
    virtual bool next() = 0;
    virtual QVariant value(int column) const = 0;
};

// One session on a database, used by one Connection at a time.
class BackendSession {
public:
    virtual ~BackendSession() = default;

    // The database as the connection string named it (a file path for SQLite).
    virtual QString name() const = 0;
    virtual bool isReadOnly() const = 0;
    // A command text in the dialect the windows send, in the engine's own.
    virtual QString translate(const QString& programSql) const = 0;

    // Runs a statement in the engine's dialect with its values bound in order.
    virtual std::unique_ptr<BackendCursor> query(const QString& sql,
                                                 const QVector<QVariant>& values = {}) = 0;
    // Runs a statement to its end; the number of rows it inserted, changed or deleted.
    virtual qint64 execute(const QString& sql, const QVector<QVariant>& values = {}) = 0;
    // A number that stays the same only while nothing in the database can have changed since
    // it was last read (no write on this session, no commit by any other); nullopt when the
    // engine cannot tell.
    virtual std::optional<quint64> changeStamp() = 0;

    // Schema: the one-column key of a table (empty when it has none or several columns),
    // the tables, and the relations whose child is `table`.
    virtual QString primaryKey(const QString& table) = 0;
    virtual QStringList tables() = 0;
    virtual QVector<ForeignKey> foreignKeys(const QString& table) = 0;

    // Row writes. `match` names the row: when `keyed`, its first column is the table's key;
    // otherwise the engine finds the row by its own identity (SQLite's rowid) among the rows
    // that hold all of `match`'s values. `readBack` names the columns whose stored values are
    // returned, the new row's engine-assigned key among them.
    virtual QVector<QVariant> insertRow(const QString& table, const QStringList& columns,
                                        const QVector<QVariant>& values,
                                        const QStringList& readBack) = 0;
    // nullopt when no row matches (another user changed or deleted it).
    virtual std::optional<QVector<QVariant>>
    updateRow(const QString& table, const QStringList& columns, const QVector<QVariant>& values,
              const RowMatch& match, bool keyed, const QStringList& readBack) = 0;
    // false when no row matches.
    virtual bool deleteRow(const QString& table, const RowMatch& match, bool keyed) = 0;
    // The stored values of the first matching row, nullopt when there is none.
    virtual std::optional<QVector<QVariant>> readRow(const QString& table, const RowMatch& match,
                                                     const QStringList& readBack) = 0;
    virtual qint64 countRows(const QString& table, const RowMatch& match) = 0;

    // Transactions of this session.
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;
};

} // namespace quarvel
