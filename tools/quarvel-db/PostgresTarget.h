#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace quarvel {
class PostgresLink;
}

namespace quarvel::dbtool {

class CopySource;
using CopyProgress = std::function<void(const QString& table, qint64 done, qint64 total)>;

// quarvel-db on a PostgreSQL database, named by a postgresql:// URL. The tool never creates
// or drops a database on the server: the URL names an existing, empty one (createdb makes
// it), and the tool fills it with the tables, views and indexes of schema-postgres.sql and its
// upgrades (built into the tool) in one transaction. The rows are those quarvel-db writes into a
// file: they are made in a temporary SQLite file by the same code and copied over, so both engines
// get the same data. The password comes from libpq's usual places (PGPASSWORD, ~/.pgpass).
class PostgresTarget {
public:
    // Fills the empty database at url with the rows of `source` in one transaction: the first
    // schema and its tables' rows, the later schema versions over them, the rows of the tables
    // those made, key numbering past the highest key (and past the source's own numbering),
    // then `finish` (a copy's checks) before the commit. Throws Error when the database is not
    // empty or a step fails; the database is then left empty.
    static void fill(const QString& url, const CopySource& source,
                     const CopyProgress& progress = {},
                     const std::function<void(const PostgresLink&)>& finish = {});
    // Every problem that would stop the program from working on the database, as check() says
    // them for a file. Throws Error when the server cannot be reached.
    static QStringList check(const QString& url);
    // The schema version of the database at url, and its upgrade to the latest version in one
    // transaction (returning the version it had); see SchemaUpgrade.h. Throw Error.
    static int schemaVersion(const QString& url);
    static int upgrade(const QString& url);
    static QString schemaSql();
};

} // namespace quarvel::dbtool
