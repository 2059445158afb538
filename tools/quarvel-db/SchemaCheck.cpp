// check(): compares a database file with the built-in schema. The expected tables, views
// and columns are read from an in-memory database made from that schema, so the list of
// names lives in schema.sql (and its upgrades) only. SQLite's own integrity and foreign key checks
// follow.
#include "DbTool.h"
#include "Error.h"
#include "PostgresTarget.h"
#include "SchemaUpgrade.h"
#include "ToolText.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"

#include <QFileInfo>
#include <QSet>
#include <cmath>
#include <sqlite3.h>

namespace quarvel::dbtool {

namespace {

// How long the check waits for another program that is writing to the file.
constexpr int kLockWaitMs = 1000;

struct SchemaObject {
    QString name;
    QString type; // "table" or "view"
};

QList<SchemaObject> objects(const sqlite::Database& db) {
    sqlite::Statement query = db.prepare(
        QStringLiteral("SELECT name, type FROM sqlite_schema WHERE type IN ('table', 'view') "
                       "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY type, rowid"));
    QList<SchemaObject> list;
    while (query.step())
        list.append({query.text(0), query.text(1)});
    return list;
}

QString quoted(const QString& identifier) {
    return QLatin1Char('"') +
           QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString kindOf(const QString& type) {
    return type == QLatin1String("view") ? ToolText::tr("saved query (view)")
                                         : ToolText::tr("table");
}

// Why a file cannot be checked, from the file alone; empty when it can be opened.
QString unusableFile(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return ToolText::tr("%1 does not exist").arg(path);
    if (!file.isFile())
        return ToolText::tr("%1 is not a file").arg(path);
    if (!file.isReadable())
        return ToolText::tr("%1 cannot be read: permission denied").arg(path);
    if (file.size() == 0)
        return ToolText::tr("%1 is empty (0 bytes), not a database; quarvel-db init --force "
                            "makes a new one")
            .arg(path);
    return {};
}

// What a failure to read the file says about it.
QString unreadableDatabase(const QString& path, const sqlite::Error& e, bool readOnly) {
    switch (e.code()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ToolText::tr("%1 is locked by another program that is writing to it; try again "
                            "when it has finished (%2)")
            .arg(path, e.message());
    case SQLITE_NOTADB:
        return ToolText::tr("%1 is not a SQLite database").arg(path);
    case SQLITE_CORRUPT:
        return ToolText::tr("%1 is damaged: %2").arg(path, e.message());
    default:
        if (readOnly)
            return ToolText::tr("%1 is read-only and cannot be read as such: %2")
                .arg(path, e.message());
        return ToolText::tr("cannot read %1: %2").arg(path, e.message());
    }
}

void compareSchema(const sqlite::Database& target, const QList<SchemaObject>& present,
                   QStringList& problems) {
    QHash<QString, SchemaObject> byName;
    for (const SchemaObject& o : present)
        byName.insert(o.name.toLower(), o);

    // The objects of the file's own schema version: an older file is complete without what
    // later versions add.
    const int version = schema::versionOf(target);
    if (const QString newer = schema::newerProblem(version); !newer.isEmpty())
        problems.append(newer);
    sqlite::Database reference(QStringLiteral(":memory:"), sqlite::OpenMode::Create);
    reference.exec(schema::sqliteSchemaAt(version));

    for (const SchemaObject& expected : objects(reference)) {
        const auto found = byName.constFind(expected.name.toLower());
        if (found == byName.constEnd()) {
            problems.append(
                QStringLiteral("missing %1: %2").arg(kindOf(expected.type), expected.name));
            continue;
        }
        if (found->type != expected.type) {
            problems.append(ToolText::tr("%1 is a %2, not a %3")
                                .arg(expected.name, kindOf(found->type), kindOf(expected.type)));
            continue;
        }
        try {
            target.prepare(QStringLiteral("SELECT * FROM %1").arg(quoted(expected.name)));
        } catch (const sqlite::Error& e) {
            problems.append(QStringLiteral("%1 %2 fails: %3")
                                .arg(kindOf(expected.type), expected.name, e.message()));
            continue;
        }
        QSet<QString> have;
        for (const QString& column : target.columnNames(expected.name))
            have.insert(column.toLower());
        for (const QString& column : reference.columnNames(expected.name))
            if (!have.contains(column.toLower()))
                problems.append(ToolText::tr("missing column: %1.%2").arg(expected.name, column));
    }

    // The figures kept for each product (version 2) agree with its transactions.
    if (version >= 2 && problems.filter(QStringLiteral("Product Stock")).isEmpty()) {
        const int differing =
            target
                .scalar(QStringLiteral(
                    "SELECT count(*) FROM qryProducts q LEFT JOIN \"Product Stock\" s ON "
                    "s.ProductID = q.ProductID WHERE abs(coalesce(s.UnitsOnHand, 0) - "
                    "q.UnitsOnHand) > 1e-9 OR abs(coalesce(s.UnitsOnOrder, 0) - q.UnitsOnOrder) "
                    "> 1e-9"))
                .toInt();
        if (differing > 0)
            problems.append(ToolText::tr("Product Stock disagrees with the transactions of %1 "
                                         "product(s)")
                                .arg(differing));
    }

    const QString company = QStringLiteral("My Company Information");
    if (byName.contains(company.toLower()) && problems.filter(company).isEmpty() &&
        target.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(quoted(company))).toInt() == 0)
        problems.append(ToolText::tr("%1 has no row").arg(company));
}

// SQLite's integrity check (pages, indexes, constraints) and its foreign key check.
void checkContents(const sqlite::Database& target, const QList<SchemaObject>& present,
                   QStringList& problems) {
    sqlite::Statement integrity = target.prepare(QStringLiteral("PRAGMA integrity_check"));
    while (integrity.step()) {
        // The first finding is headed "*** in database main ***" on a line of its own.
        QString finding = integrity.text(0);
        finding.remove(QStringLiteral("*** in database main ***\n"));
        if (finding != QLatin1String("ok"))
            problems.append(QStringLiteral("damaged: %1").arg(finding));
    }
    sqlite::Statement keys = target.prepare(QStringLiteral("PRAGMA foreign_key_check"));
    while (keys.step())
        problems.append(ToolText::tr("%1 row %2 refers to a %3 row that does not exist")
                            .arg(keys.text(0), keys.text(1), keys.text(2)));
    // Numbers that are not finite (written by another program: the program refuses them)
    // make every sum and average over them infinite. One reading of each table finds them.
    for (const SchemaObject& table : present) {
        if (table.type != QLatin1String("table"))
            continue;
        const QStringList columns = target.columnNames(table.name);
        if (columns.isEmpty())
            continue;
        QStringList infinite;
        QStringList quotedColumns;
        for (const QString& column : columns) {
            infinite << QStringLiteral("(typeof(%1) = 'real' AND abs(%1) > 1.7976931348623157e308)")
                            .arg(quoted(column));
            quotedColumns << quoted(column);
        }
        sqlite::Statement rows =
            target.prepare(QStringLiteral("SELECT rowid, %1 FROM %2 WHERE %3")
                               .arg(quotedColumns.join(u','), quoted(table.name),
                                    infinite.join(QStringLiteral(" OR "))));
        while (rows.step()) {
            for (int i = 0; i < columns.size(); ++i) {
                if (rows.columnType(i + 1) != SQLITE_FLOAT || std::isfinite(rows.real(i + 1)))
                    continue;
                problems.append(ToolText::tr("%1 row %2: %3 holds %4, which is no finite "
                                             "number")
                                    .arg(table.name, rows.text(0), columns[i],
                                         rows.real(i + 1) > 0 ? QStringLiteral("+infinity")
                                                              : QStringLiteral("-infinity")));
            }
        }
    }
}

} // namespace

QStringList check(const QString& path) {
    if (isPostgresUrl(path))
        return PostgresTarget::check(path);
    const QString unusable = unusableFile(path);
    if (!unusable.isEmpty())
        throw Error(unusable);

    const bool readOnly = !QFileInfo(path).isWritable();
    QStringList problems;
    if (readOnly)
        problems.append(ToolText::tr("%1 is read-only: the program can show its data but "
                                     "cannot save changes to it")
                            .arg(path));
    sqlite::Database target(path,
                            readOnly ? sqlite::OpenMode::ReadOnly : sqlite::OpenMode::ReadWrite);
    target.setBusyTimeout(kLockWaitMs);
    // The first read of the file: what fails here says what the file is.
    QList<SchemaObject> present;
    try {
        present = objects(target);
    } catch (const sqlite::Error& e) {
        throw Error(unreadableDatabase(path, e, readOnly));
    }
    // Damage found on the way is one more problem; the integrity check says where it is.
    for (const auto& step : {compareSchema, checkContents}) {
        try {
            step(target, present, problems);
        } catch (const sqlite::Error& e) {
            if (e.code() != SQLITE_CORRUPT)
                throw Error(unreadableDatabase(path, e, readOnly));
            problems.append(QStringLiteral("damaged: %1").arg(e.message()));
        }
    }
    return problems;
}

} // namespace quarvel::dbtool
