#include "DatabaseBuild.h"
#include "ToolText.h"

#include "CopySource.h"
#include "DatabaseFile.h"
#include "Error.h"
#include "PostgresTarget.h"
#include "SchemaUpgrade.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"
#include "sqlite/Error.h"
#include "sqlite/Transaction.h"

#include <QTemporaryDir>

namespace quarvel::dbtool {

void buildDatabase(const QString& path, bool force, Journal journal,
                   const std::function<void(sqlite::Database&)>& fill,
                   const std::function<void(sqlite::Database&)>& finish) {
    if (path.isEmpty())
        throw Error(ToolText::tr("no database path given"));
    if (isPostgresUrl(path)) {
        // The rows are made in a file first, by the same code, then copied to the server.
        if (force)
            throw Error(ToolText::tr("--force does not apply to a PostgreSQL database: "
                                     "quarvel-db fills only an empty one"));
        QTemporaryDir folder;
        if (!folder.isValid())
            throw Error(
                ToolText::tr("no temporary folder for building %1").arg(withoutPassword(path)));
        const QString file = folder.filePath(QStringLiteral("Products.db"));
        buildDatabase(file, false, Journal::Rollback, fill);
        const CopySource rows(file);
        PostgresTarget::fill(path, rows);
        return;
    }
    const QString building = DatabaseFile::startBuilding(path, force);
    try {
        {
            // The file is private until it is moved and is deleted on any failure, so it is
            // filled without a journal and without syncing; the journal mode the file keeps
            // is set at the end.
            sqlite::Database db(building, sqlite::OpenMode::Create);
            db.exec(QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; "
                                   "PRAGMA cache_size = -262144; PRAGMA foreign_keys = ON;"));
            db.exec(schemaSql());
            sqlite::Transaction transaction(db);
            fill(db);
            // The later versions over the rows, as an upgrade adds them: what they keep up to
            // date is worked out once instead of row by row.
            for (int version = 2; version <= schema::latestVersion; ++version)
                db.exec(schema::upgradeSql(version, false));
            if (finish)
                finish(db);
            transaction.commit();
            db.exec(QStringLiteral("PRAGMA optimize; PRAGMA synchronous = FULL;"));
            const QString mode =
                journal == Journal::Wal ? QStringLiteral("wal") : QStringLiteral("delete");
            if (db.scalar(QStringLiteral("PRAGMA journal_mode = ") + mode).toString() != mode)
                throw Error(ToolText::tr("%1 cannot keep the %2 journal").arg(path, mode));
        }
        DatabaseFile::moveIntoPlace(building, path, force);
    } catch (const sqlite::Error& e) {
        DatabaseFile::remove(building);
        throw Error(ToolText::tr("cannot build %1: %2").arg(path, e.message()));
    } catch (...) {
        DatabaseFile::remove(building);
        throw;
    }
}

} // namespace quarvel::dbtool
