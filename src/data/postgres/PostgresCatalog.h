#pragma once

#include "data/Backend.h"
#include "data/postgres/PostgresLink.h"

namespace quarvel {

// What the server's catalog says about a database's tables, read once per database and kept
// (the program never changes a schema; a database made anew has another name in the tests
// and is reopened by a new program otherwise).
class PostgresCatalog {
public:
    // The columns of a result: a column of a table names its table and its name there, with
    // its declared type in the words the data layer reads ("TEXT(255)", "CURRENCY" for
    // numeric(19,4), "DATE", "INTEGER", "DOUBLE"). A column of a view that shows a table's
    // column as it is (through views over views too) names that table and column, as SQLite
    // does, so a recordset over a saved query writes to its table; a computed column names
    // none.
    static QVector<ResultColumn> describe(const PostgresLink& link, const PostgresResult& result);
    static QString primaryKey(const PostgresLink& link, const QString& table);
    static QStringList tables(const PostgresLink& link);
    static QVector<ForeignKey> foreignKeys(const PostgresLink& link, const QString& table);
};

// An identifier in double quotes, as PostgreSQL keeps its case.
QString pgQuoted(const QString& name);

} // namespace quarvel
