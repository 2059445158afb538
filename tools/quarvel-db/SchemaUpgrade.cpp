#include "SchemaUpgrade.h"
#include "ToolText.h"

#include "DatabaseFile.h"
#include "DbTool.h"
#include "PostgresTarget.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"
#include "sqlite/Transaction.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace quarvel::dbtool::schema {

namespace {

bool hasTable(const sqlite::Database& db, const char* table) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND "
                                    "name = '%1'")
                         .arg(QLatin1String(table)))
               .toInt() > 0;
}

// The version of a file that must be one of the program's.
int fileVersion(const sqlite::Database& db, const QString& path) {
    if (!hasTable(db, "Products"))
        throw notQuarvel(path);
    return versionOf(db);
}

} // namespace

QString upgradeSql(int version, bool postgres) {
    QFile file(QStringLiteral(":/quarvel/upgrade-%1%2.sql")
                   .arg(version)
                   .arg(postgres ? QStringLiteral("-postgres") : QString()));
    if (version < 2 || version > latestVersion || !file.open(QIODevice::ReadOnly))
        throw Error(
            ToolText::tr("the built-in upgrade to schema version %1 is missing").arg(version));
    return QString::fromUtf8(file.readAll());
}

int versionOf(const sqlite::Database& db) {
    if (!hasTable(db, "Schema Version"))
        return 1;
    return db.scalar(QStringLiteral("SELECT max(Version) FROM \"Schema Version\"")).toInt();
}

QString sqliteSchemaAt(int version) {
    QString sql = schemaSql();
    for (int step = 2; step <= std::min(version, latestVersion); ++step)
        sql += QLatin1Char('\n') + upgradeSql(step, false);
    return sql;
}

QString newerProblem(int version) {
    if (version <= latestVersion)
        return {};
    return ToolText::tr("schema version %1 is newer than this quarvel-db knows (%2)")
        .arg(version)
        .arg(latestVersion);
}

void requireKnown(int version, const QString& name) {
    if (version > latestVersion)
        throw Error(ToolText::tr("%1 has schema version %2, made by a newer Quarvel; this "
                                 "quarvel-db knows versions up to %3")
                        .arg(name)
                        .arg(version)
                        .arg(latestVersion));
}

Error notQuarvel(const QString& name) {
    return Error(ToolText::tr("%1 is no Quarvel database (it has no Products table)").arg(name));
}

QString whatUpgradeAdds(int version) {
    if (version >= latestVersion)
        return {};
    if (version >= 2)
        return ToolText::tr("quarvel-db upgrade adds the history of every change (schema "
                            "version %1)")
            .arg(latestVersion);
    return ToolText::tr("quarvel-db upgrade adds what stock counts need, a faster reading "
                        "of stock figures and recent sales, and the history of every change "
                        "(schema version %1)")
        .arg(latestVersion);
}

int version(const QString& pathOrUrl) {
    if (isPostgresUrl(pathOrUrl))
        return PostgresTarget::schemaVersion(pathOrUrl);
    sqlite::Database db = DatabaseFile::openForReading(pathOrUrl);
    try {
        return fileVersion(db, pathOrUrl);
    } catch (const sqlite::Error& e) {
        throw Error(ToolText::tr("cannot read %1: %2").arg(pathOrUrl, e.message()));
    }
}

int upgrade(const QString& pathOrUrl) {
    if (isPostgresUrl(pathOrUrl))
        return PostgresTarget::upgrade(pathOrUrl);
    if (!QFileInfo(pathOrUrl).isWritable() && QFileInfo(pathOrUrl).isFile())
        throw Error(ToolText::tr("%1 is read-only").arg(pathOrUrl));
    sqlite::Database db = DatabaseFile::open(pathOrUrl, sqlite::OpenMode::ReadWrite);
    try {
        // The write lock first: the version read is the one the steps start from.
        sqlite::Transaction transaction(db, sqlite::Transaction::Kind::Immediate);
        const int from = fileVersion(db, pathOrUrl);
        requireKnown(from, pathOrUrl);
        for (int step = from + 1; step <= latestVersion; ++step)
            db.exec(upgradeSql(step, false));
        transaction.commit();
        return from;
    } catch (const sqlite::Error& e) {
        throw Error(
            ToolText::tr("cannot upgrade %1, which is unchanged: %2").arg(pathOrUrl, e.message()));
    }
}

} // namespace quarvel::dbtool::schema
