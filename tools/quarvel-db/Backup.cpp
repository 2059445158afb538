#include "Backup.h"
#include "ToolText.h"

#include "DatabaseCopy.h"
#include "DatabaseFile.h"
#include "Error.h"
#include "SchemaUpgrade.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"
#include "sqlite/Error.h"

#include <sqlite3.h>

namespace quarvel::dbtool {

namespace {

// How long a backup waits, in all, for other programs' writes to let it read.
constexpr int kBusyWaitMs = 30000;
constexpr int kBusyStepMs = 25;

// Copies every page of `from` into `to` in one step of the online backup, which reads in one
// transaction: another program's commit during the copy cannot mix two states.
void copyPages(const sqlite::Database& from, const sqlite::Database& to, const QString& name) {
    sqlite3_backup* backup = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
    if (!backup)
        throw Error(ToolText::tr("cannot back up %1: %2")
                        .arg(name, QString::fromUtf8(sqlite3_errmsg(to.handle()))));
    int rc = SQLITE_OK;
    for (int waited = 0;; waited += kBusyStepMs) {
        rc = sqlite3_backup_step(backup, -1);
        if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) || waited >= kBusyWaitMs)
            break;
        sqlite3_sleep(kBusyStepMs);
    }
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        throw Error(
            ToolText::tr("cannot back up %1: %2").arg(name, QString::fromUtf8(sqlite3_errstr(rc))));
}

} // namespace

void Backup::copyFile(const QString& source, const QString& target, bool force) {
    // Only a Quarvel database is backed up or put back.
    schema::version(source);
    const QString building = DatabaseFile::startBuilding(target, force);
    try {
        {
            const sqlite::Database from = DatabaseFile::openForReading(source);
            sqlite::Database to(building, sqlite::OpenMode::Create);
            copyPages(from, to, source);
            const QString verdict = to.scalar(QStringLiteral("PRAGMA quick_check")).toString();
            if (verdict != QLatin1String("ok"))
                throw Error(ToolText::tr("the copy of %1 is damaged: %2").arg(source, verdict));
        }
        DatabaseFile::moveIntoPlace(building, target, force);
    } catch (const sqlite::Error& e) {
        DatabaseFile::remove(building);
        throw Error(ToolText::tr("cannot write %1: %2").arg(target, e.message()));
    } catch (...) {
        DatabaseFile::remove(building);
        throw;
    }
}

void Backup::backup(const QString& source, const QString& file, bool force,
                    const CopyProgress& progress) {
    if (isPostgresUrl(file))
        throw Error(ToolText::tr("a backup is written into a file; copy names a server "
                                 "database as the target"));
    if (isPostgresUrl(source)) {
        DatabaseCopy::copy(source, file, force, progress);
        return;
    }
    copyFile(source, file, force);
}

void Backup::restore(const QString& file, const QString& target, bool force,
                     const CopyProgress& progress) {
    if (isPostgresUrl(file))
        throw Error(
            ToolText::tr("a backup is a file; %1 is a server database").arg(withoutPassword(file)));
    if (isPostgresUrl(target)) {
        DatabaseCopy::copy(file, target, force, progress);
        return;
    }
    copyFile(file, target, force);
}

} // namespace quarvel::dbtool
