#include "DatabaseFile.h"
#include "ToolText.h"

#include "Error.h"
#include "sqlite/Database.h"
#include "sqlite/Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>
#include <sys/types.h>
#include <unistd.h>

namespace quarvel::dbtool {

namespace {

// How long a program that opens the file waits for another one that is writing to it.
constexpr int kWriteWaitMs = 5000;

// How long the lock is tried: long enough for another program's write to finish.
constexpr int kLockWaitMs = 250;

void removeSideFiles(const QString& path) {
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

QString systemMessage() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Every build file of path is named <path>.building-<host>-<pid>-<hex>: the computer and the
// process that build it, so that a build left by a killed run can be told from one going on.
QString buildingPrefix(const QString& path) {
    return path + QStringLiteral(".building-") + QSysInfo::machineHostName() + u'-';
}

QString existsMessage(const QString& path) {
    return ToolText::tr("%1 already exists; give --force to replace it").arg(path);
}

} // namespace

sqlite::Database DatabaseFile::open(const QString& path, sqlite::OpenMode mode) {
    if (!QFileInfo(path).isFile())
        throw Error(ToolText::tr("%1 does not exist").arg(path));
    try {
        sqlite::Database db(path, mode);
        db.setBusyTimeout(kWriteWaitMs);
        return db;
    } catch (const sqlite::Error& e) {
        throw Error(ToolText::tr("cannot open %1: %2").arg(path, e.message()));
    }
}

sqlite::Database DatabaseFile::openForReading(const QString& path) {
    if (!QFileInfo(path).isWritable() || !QFileInfo(QFileInfo(path).absolutePath()).isWritable())
        return open(path, sqlite::OpenMode::ReadOnly);
    sqlite::Database db = open(path, sqlite::OpenMode::ReadWrite);
    db.exec(QStringLiteral("PRAGMA query_only = ON"));
    return db;
}

bool DatabaseFile::inUse(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    try {
        sqlite::Database probe(path, sqlite::OpenMode::ReadWrite);
        probe.setBusyTimeout(kLockWaitMs);
        // In exclusive locking mode the lock is taken on the database file itself, also in
        // WAL mode, where it conflicts with the shared lock of every open connection.
        probe.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        sqlite::Transaction lock(probe, sqlite::Transaction::Kind::Exclusive);
    } catch (const sqlite::Error& e) {
        // Anything but a lock (a file that is no database, say) does not keep it in use.
        return e.code() == SQLITE_BUSY || e.code() == SQLITE_LOCKED;
    }
    return false;
}

void DatabaseFile::requireNotInUse(const QString& path) {
    if (inUse(path))
        throw Error(ToolText::tr("%1 is in use: another program has it open. Close that "
                                 "program first; replacing the file under it would lose "
                                 "everything it saves from then on")
                        .arg(path));
}

QString DatabaseFile::startBuilding(const QString& path, bool force) {
    const QFileInfo target(path);
    if (target.isDir())
        throw Error(ToolText::tr("%1 is a folder").arg(path));
    if (target.exists() && !force)
        throw Error(existsMessage(path));
    if (!target.absoluteDir().exists())
        throw Error(ToolText::tr("the folder of %1 does not exist").arg(path));
    if (force)
        requireNotInUse(path);
    // A run that was killed while building left its file behind; nothing else removes it.
    removeStaleBuilds(path);
    return buildingName(path);
}

QString DatabaseFile::buildingName(const QString& path) {
    QString name;
    do {
        name = QStringLiteral("%1%2-%3")
                   .arg(buildingPrefix(path))
                   .arg(::getpid())
                   .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
    } while (QFileInfo::exists(name));
    return name;
}

QStringList DatabaseFile::removeStaleBuilds(const QString& path) {
    // Only a build of this computer can be known to be over.
    const QFileInfo prefix(buildingPrefix(path));
    QStringList removed;
    for (const QFileInfo& file :
         QDir(prefix.absolutePath())
             .entryInfoList({prefix.fileName() + u'*'}, QDir::Files | QDir::Hidden)) {
        const QString owner = file.fileName().mid(prefix.fileName().size());
        if (owner.endsWith(QLatin1String("-wal")) || owner.endsWith(QLatin1String("-shm")) ||
            owner.endsWith(QLatin1String("-journal")))
            continue;
        bool ok = false;
        const qint64 pid = owner.section(u'-', 0, 0).toLongLong(&ok);
        if (!ok || pid <= 0 || pid == ::getpid())
            continue;
        // A process that is gone cannot finish its build; one that may still run is left alone.
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        remove(file.filePath());
        removed << file.filePath();
    }
    return removed;
}

void DatabaseFile::moveIntoPlace(const QString& built, const QString& path, bool force) {
    const QByteArray from = QFile::encodeName(built);
    const QByteArray to = QFile::encodeName(path);
    if (!force) {
        // A hard link is made only when the name is free, in one step; then the building
        // name goes.
        if (::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            return;
        }
        if (errno == EEXIST)
            throw Error(existsMessage(path));
        // A file system without hard links: the check and the move are two steps there.
        if (QFileInfo::exists(path))
            throw Error(existsMessage(path));
    } else {
        requireNotInUse(path);
        // A journal left beside the old file would be read as the new file's.
        removeSideFiles(path);
    }
    if (std::rename(from.constData(), to.constData()) != 0)
        throw Error(ToolText::tr("cannot write %1: %2").arg(path, systemMessage()));
}

void DatabaseFile::remove(const QString& path) {
    QFile::remove(path);
    removeSideFiles(path);
}

} // namespace quarvel::dbtool
