#pragma once

#include <QString>
#include <QStringList>

namespace quarvel::sqlite {
class Database;
enum class OpenMode;
} // namespace quarvel::sqlite

namespace quarvel::dbtool {

// What the tool needs to know and do about a database file as a file: whether another
// program has it open, and putting a newly built file in its place.
class DatabaseFile {
public:
    // Opens the existing database file at path, waiting a few seconds for another program
    // that is writing to it. Throws Error saying what is wrong (missing, cannot be opened).
    static sqlite::Database open(const QString& path, sqlite::OpenMode mode);
    // Opens it for reading only. Where the file may be written, through a connection that
    // refuses every write (query_only) but, being the last to close, removes the write-ahead
    // log and shared-memory files that reading made, as the program does: reading leaves the
    // folder as it was.
    static sqlite::Database openForReading(const QString& path);

    // Whether another connection, in this program or another, holds the file: it tries to
    // take SQLite's exclusive lock for a moment. In WAL mode every open connection holds a
    // shared lock for as long as it is open, so any program that has the file open is seen;
    // with the rollback journal a connection holds a lock only while it reads or writes.
    static bool inUse(const QString& path);
    // Throws Error when inUse(path).
    static void requireNotInUse(const QString& path);

    // Begins a new database file at path: refuses a folder, a missing folder, an existing
    // file without force and, with force, one in use (refused again when the file is moved
    // into place); removes what killed runs left; returns buildingName(path). Throws Error.
    static QString startBuilding(const QString& path, bool force);

    // A name beside path, not taken by any file, for building a new database. It names this
    // computer and this process, so that a build left by a killed run can be told from one
    // still running.
    static QString buildingName(const QString& path);
    // Deletes the files that runs on this computer began building for path and left behind
    // when they were killed (their process is gone); returns their names.
    static QStringList removeStaleBuilds(const QString& path);
    // Moves the complete file built into place as path in one step (a reader sees the old
    // file or the new one, never a part). Without force an existing path is never replaced,
    // even one created by another run since the build began; with force a file in use is
    // refused. The old file's journal files go with it.
    static void moveIntoPlace(const QString& built, const QString& path, bool force);
    // Deletes path and its -wal, -shm and -journal files.
    static void remove(const QString& path);
};

} // namespace quarvel::dbtool
