#include "DbTool.h"

#include "Connection.h"
#include "Error.h"
#include "Generator.h"
#include "SampleData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

namespace quarvel::dbtool {

namespace {

void removeDatabaseFiles(const QString& path) {
    for (const QString& suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(path + suffix);
}

// Builds the database in a file beside path, then moves it into place: a failure leaves
// neither a half-filled file nor, with force, a lost old database.
void buildDatabase(const QString& path, bool force, const std::function<void(Connection&)>& fill) {
    if (path.isEmpty())
        throw Error(QStringLiteral("no database path given"));
    const QFileInfo target(path);
    if (target.exists() && !force)
        throw Error(QStringLiteral("%1 already exists; give --force to replace it").arg(path));
    if (target.isDir())
        throw Error(QStringLiteral("%1 is a folder").arg(path));
    if (!target.absoluteDir().exists())
        throw Error(QStringLiteral("the folder of %1 does not exist").arg(path));

    const QString building = path + QStringLiteral(".building");
    removeDatabaseFiles(building);
    try {
        // The file is private until the rename and is deleted on any failure, so it is
        // filled without a rollback journal and without syncing; WAL mode is set at the end
        // (it stays set in the file).
        Connection db(building, Connection::Mode::Create);
        db.exec(QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; "
                               "PRAGMA cache_size = -262144; PRAGMA foreign_keys = ON;"));
        db.exec(schemaSql());
        db.exec(QStringLiteral("BEGIN"));
        fill(db);
        db.exec(QStringLiteral("COMMIT"));
        db.exec(QStringLiteral("PRAGMA optimize; PRAGMA synchronous = FULL;"));
        db.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    } catch (...) {
        removeDatabaseFiles(building);
        throw;
    }
    if (target.exists())
        removeDatabaseFiles(path);
    if (!QFile::rename(building, path)) {
        removeDatabaseFiles(building);
        throw Error(QStringLiteral("cannot write %1").arg(path));
    }
}

} // namespace

QString schemaSql() {
    QFile file(QStringLiteral(":/quarvel/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("the built-in schema is missing"));
    return QString::fromUtf8(file.readAll());
}

void createDatabase(const QString& path, bool sample, bool force) {
    buildDatabase(path, force, [sample](Connection& db) {
        if (sample)
            SampleData::fill(db);
        else
            SampleData::insertCompany(db, {}, {});
    });
}

void generate(const QString& path, const GenerateOptions& options, bool force) {
    if (options.products < 1 || options.transactions < 0)
        throw Error(QStringLiteral("--products must be at least 1 and --transactions at least 0"));
    buildDatabase(path, force, [&options](Connection& db) { Generator(options).fill(db); });
}

} // namespace quarvel::dbtool
