#pragma once

#include "data/Connection.h"
#include "data/Recordset.h"
#include "sqlite/Database.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Reads every row of a query on a database file, keyed by the result's column names (in
// order in *columns when asked). Throws quarvel::sqlite::Error with the engine's message.
inline QList<QVariantMap> queryRows(const QString& path, const QString& sql,
                                    QStringList* columns = nullptr) {
    const quarvel::sqlite::Database db(path, quarvel::sqlite::OpenMode::ReadOnly);
    quarvel::sqlite::Statement query = db.prepare(sql);
    QStringList names;
    for (int i = 0; i < query.columnCount(); ++i)
        names.append(query.columnName(i));
    if (columns)
        *columns = names;
    QList<QVariantMap> rows;
    while (query.step()) {
        QVariantMap row;
        for (int i = 0; i < names.size(); ++i)
            row.insert(names[i], query.value(i));
        rows.append(row);
    }
    return rows;
}

// The same through the data layer, on any engine: a command text of the program's dialect on
// the database a connection string names. Throws quarvel::DatabaseError.
inline QList<QVariantMap> databaseRows(const QString& connectionString, const QString& sql,
                                       QStringList* columns = nullptr) {
    quarvel::Recordset query;
    query.Open(sql, quarvel::Connection::open(connectionString));
    QStringList names;
    for (int i = 0; i < query.fieldCount(); ++i)
        names.append(query.fieldName(i));
    if (columns)
        *columns = names;
    QList<QVariantMap> rows;
    for (int r = 0; r < query.RecordCount(); ++r) {
        QVariantMap row;
        for (int i = 0; i < names.size(); ++i)
            row.insert(names[i], query.value(r, i));
        rows.append(row);
    }
    return rows;
}
