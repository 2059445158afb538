#include "DatabaseCopy.h"
#include "ToolText.h"

#include "DatabaseBuild.h"
#include "Error.h"
#include "PostgresTarget.h"
#include "SchemaUpgrade.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"

namespace quarvel::dbtool {

namespace {

// Progress is told at most this often (in rows).
constexpr int kProgressRows = 50000;

void insertRows(sqlite::Database& db, const CopySource& source, const CopiedTable& table,
                const CopyProgress& progress, qint64& rows) {
    const QStringList columns = source.columns(table.name);
    QStringList quoted, marks;
    for (const QString& c : columns) {
        quoted << quotedName(c);
        marks << QStringLiteral("?");
    }
    sqlite::Statement insert =
        db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(quotedName(table.name), quoted.join(u','), marks.join(u',')));
    const qint64 total = progress ? source.rowCount(table.name) : 0;
    qint64 done = 0;
    source.readRows(table.name, columns, [&](const QVector<QVariant>& values) {
        for (int i = 0; i < values.size(); ++i)
            insert.bind(i + 1, values[i]);
        insert.step();
        insert.reset();
        if (++done % kProgressRows == 0 && progress)
            progress(table.name, done, total);
    });
    if (progress)
        progress(table.name, done, total);
    rows += done;
    // Keys given out in the source to rows since deleted are not given out again.
    if (!table.key.isEmpty()) {
        const qint64 last = source.lastKey(table.name, table.key);
        sqlite::Statement seq = db.prepare(QStringLiteral(
            "INSERT INTO sqlite_sequence (name, seq) SELECT ?1, ?2 WHERE NOT EXISTS (SELECT 1 FROM "
            "sqlite_sequence WHERE name = ?1)"));
        seq.bind(1, table.name).bind(2, last);
        seq.step();
        sqlite::Statement raise = db.prepare(
            QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?2) WHERE name = ?1"));
        raise.bind(1, table.name).bind(2, last);
        raise.step();
    }
}

QStringList tableNames(const QList<CopiedTable>& tables) {
    QStringList names;
    for (const CopiedTable& t : tables)
        names << t.name;
    return names;
}

} // namespace

CopyResult DatabaseCopy::copy(const QString& source, const QString& target, bool force,
                              const CopyProgress& progress, Journal journal) {
    const CopySource from(source);
    return copy(from, target, force, progress, journal);
}

CopyResult DatabaseCopy::copy(const CopySource& source, const QString& target, bool force,
                              const CopyProgress& progress, Journal journal) {
    CopyResult result;
    result.sourceVersion = source.version();
    const QList<CopiedTable> tables = copiedTables(source.version());
    const QStringList names = tableNames(tables);
    const QStringList views = CopyFigures::savedQueries(source.version());
    result.figures = source.isPostgres() ? CopyFigures::of(*source.link(), names, views)
                                         : CopyFigures::of(*source.file(), names, views);
    const auto requireSame = [&](const QList<Figure>& copied) {
        const QStringList differences = CopyFigures::differences(result.figures, copied);
        if (!differences.isEmpty())
            throw Error(ToolText::tr("the copy differs from %1, so it was not kept: %2")
                            .arg(source.name(), differences.join(QStringLiteral("; "))));
    };

    if (isPostgresUrl(target)) {
        if (force)
            throw Error(ToolText::tr("--force does not apply to a PostgreSQL database: "
                                     "quarvel-db fills only an empty one"));
        PostgresTarget::fill(target, source, progress, [&](const PostgresLink& link) {
            requireSame(CopyFigures::of(link, names, views));
        });
        for (const Figure& f : result.figures)
            result.rows += f.savedQuery ? 0 : f.rows;
        return result;
    }
    buildDatabase(
        target, force, journal,
        [&](sqlite::Database& db) {
            for (const CopiedTable& table : tables)
                if (table.version == 1)
                    insertRows(db, source, table, progress, result.rows);
        },
        [&](sqlite::Database& db) {
            for (const CopiedTable& table : tables)
                if (table.version > 1)
                    insertRows(db, source, table, progress, result.rows);
            requireSame(CopyFigures::of(db, names, views));
        });
    return result;
}

} // namespace quarvel::dbtool
