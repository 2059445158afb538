#pragma once

#include "sqlite/Database.h"

#include <QList>
#include <QString>
#include <QVariantMap>

// Reads every row of a query on a database file straight through SQLite, keyed by the result's
// column names (throws quarvel::sqlite::Error).
inline QList<QVariantMap> queryRows(const QString& path, const QString& sql) {
    const quarvel::sqlite::Database db(path, quarvel::sqlite::OpenMode::ReadOnly);
    quarvel::sqlite::Statement query = db.prepare(sql);
    QList<QVariantMap> rows;
    while (query.step()) {
        rows.append(QVariantMap());
        for (int i = 0; i < query.columnCount(); ++i)
            rows.last().insert(query.columnName(i), query.value(i));
    }
    return rows;
}
