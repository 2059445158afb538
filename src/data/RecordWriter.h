#pragma once

#include "data/Backend.h"
#include "data/ColumnInfo.h"

#include <QVariant>
#include <QVector>
#include <memory>

namespace quarvel {

class Connection;

// Writes the rows of one result back to its table. Chooses that table from the columns'
// origins: the first table whose key column is in the result. A result from one table
// without a key column (the company information) identifies its row by all of the table's
// values instead. Every value is bound; every write is checked optimistically.
class RecordWriter {
public:
    RecordWriter(std::shared_ptr<Connection> connection, QVector<ColumnInfo> columns);

    const QVector<ColumnInfo>& columns() const { return m_columns; }
    QString table() const { return m_table; }
    bool isWritable(int column) const { return m_writable.value(column, false); }
    // The index in the result of the table's key, or -1.
    int keyColumn() const { return m_keyColumn; }

    // Inserts a new row from `values` (all writable columns that hold a value) and reads the
    // written columns back into `values`, the database-assigned key among them.
    void insert(QVector<QVariant>& values) const;
    // Writes the columns whose value differs from `original`, if the row still holds the
    // original values in those columns; reads the written row back into `values`.
    void update(QVector<QVariant>& values, const QVector<QVariant>& original) const;
    // Deletes the row, if it still holds `original` in all of the table's columns.
    void remove(const QVector<QVariant>& original) const;
    // Reads the stored values of the row whose key `values` holds back into `values`.
    // Throws when the row is gone or the table has no key column in the result.
    void reread(QVector<QVariant>& values) const;

private:
    BackendSession& backend() const;
    RowMatch rowMatch(const QVector<int>& columns, const QVector<QVariant>& original) const;
    QVector<int> identifyingColumns(const QVector<int>& checked) const;
    void readBack(QVector<QVariant>& values, const QVector<QVariant>& stored) const;
    [[noreturn]] void throwConflict(const QVector<QVariant>& original) const;
    [[noreturn]] void throwWriteError(const class DatabaseError& error,
                                      const QVector<QVariant>& values) const;
    [[noreturn]] void throwDeleteError(const class DatabaseError& error,
                                       const QVector<QVariant>& original) const;
    void requireTable() const;

    std::shared_ptr<Connection> m_connection;
    QVector<ColumnInfo> m_columns;
    QString m_table;
    int m_keyColumn = -1;     // index in the result of the table's key, or -1
    QVector<bool> m_writable; // per result column
    QVector<int> m_written;   // the writable columns, in order
    QStringList m_writtenNames;
};

} // namespace quarvel
