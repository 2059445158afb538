#pragma once

#include "data/Connection.h"
#include "data/Recordset.h"
#include "sqlite/Database.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Reads every row of a query, keyed by the result's column names (in order in *columns when
// asked): queryRows() on a database file, straight through SQLite (throws
// quarvel::sqlite::Error); databaseRows() through the data layer, on any engine, a command text
// of the program's dialect on the database a connection string names (throws
// quarvel::DatabaseError).
inline QList<QVariantMap> queryRows(const QString& path, const QString& sql,
                                    QStringList* columns = nullptr) {
    const quarvel::sqlite::Database db(path, quarvel::sqlite::OpenMode::ReadOnly);
    quarvel::sqlite::Statement query = db.prepare(sql);
    QStringList names;
    for (int i = 0; i < query.columnCount(); ++i)
        names.append(query.columnName(i));
    QList<QVariantMap> rows;
    while (query.step()) {
        rows.append(QVariantMap());
        for (int i = 0; i < names.size(); ++i)
            rows.last().insert(names[i], query.value(i));
    }
    if (columns)
        *columns = names;
    return rows;
}

inline QList<QVariantMap> databaseRows(const QString& connectionString, const QString& sql,
                                       QStringList* columns = nullptr) {
    quarvel::Recordset query;
    query.Open(sql, quarvel::Connection::open(connectionString));
    QStringList names;
    for (int i = 0; i < query.fieldCount(); ++i)
        names.append(query.fieldName(i));
    QList<QVariantMap> rows(query.RecordCount());
    for (int r = 0; r < rows.size(); ++r)
        for (int i = 0; i < names.size(); ++i)
            rows[r].insert(names[i], query.value(r, i));
    if (columns)
        *columns = names;
    return rows;
}
