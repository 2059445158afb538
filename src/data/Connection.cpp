#include "data/Connection.h"

#include "data/ConnectionString.h"
#include "data/DatabaseError.h"
#include "data/SharedConnection.h"
#include "data/SqliteStatement.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <atomic>
#include <sqlite3.h>

namespace quarvel {

namespace {

QString nextConnectionName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("quarvel-%1").arg(++counter);
}

// Whether the file or folder may be written: the system allows it and it is not marked
// read-only (no write permission for anyone; the "user" bits say what the system allows).
bool isWritable(const QFileInfo& info) {
    const auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

// Refuses, before the engine touches it, a file that cannot be a database: empty, or
// without the SQLite header.
void requireDatabaseFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(
            QStringLiteral("The file '%1' cannot be read: %2").arg(path, file.errorString()));
    if (file.size() == 0)
        throw DatabaseError(
            QStringLiteral("The file '%1' is empty: it is not a Quarvel database.").arg(path));
    static const QByteArray header("SQLite format 3", 16);
    if (file.read(header.size()) != header)
        throw DatabaseError(QStringLiteral("The file '%1' is not an SQLite database file: it is "
                                           "not a Quarvel database.")
                                .arg(path));
}

QString errorText(const QSqlError& error) {
    const QString driver = error.driverText();
    const QString engine = error.databaseText();
    if (!engine.isEmpty() && !driver.isEmpty() && driver != engine)
        return driver + QStringLiteral(": ") + engine;
    return engine.isEmpty() ? driver : engine;
}

} // namespace

Connection::Connection(QString name, QString path)
    : m_name(std::move(name)), m_path(std::move(path)) {}

Connection::~Connection() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::database() const {
    return QSqlDatabase::database(m_name, false);
}

std::shared_ptr<Connection> Connection::open(const QString& connectionStringOrPath) {
    const QString path = DatabasePathFromConnectionString(connectionStringOrPath);
    if (path.isEmpty())
        throw DatabaseError(QStringLiteral("No database file is named in the connection string."));
    const QFileInfo info(path);
    if (!info.isFile())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(path));
    requireDatabaseFile(path);

    // The program-wide connection goes with the application, while the SQL driver is still
    // there to close it, not later with the program's static data.
    static const bool releasedWithApplication = [] {
        qAddPostRoutine([] { SharedConnection.reset(); });
        return true;
    }();
    Q_UNUSED(releasedWithApplication);

    // A file or folder marked read-only is opened for reading only, also for a user whom the
    // system would let write (an administrator).
    const bool folderReadOnly = !isWritable(QFileInfo(info.absolutePath()));
    const bool readOnly = folderReadOnly || !isWritable(info);
    try {
        return openFile(path, readOnly, false);
    } catch (const DatabaseError&) {
        // A WAL database in a folder where its shared-memory file cannot be made (a read-only
        // folder or share) can only be read as an unchanging file; that is safe only while no
        // other program has it open, which would have made that file.
        if (!folderReadOnly || QFileInfo::exists(path + QStringLiteral("-shm")))
            throw;
    }
    return openFile(path, true, true);
}

std::shared_ptr<Connection> Connection::openFile(const QString& path, bool readOnly,
                                                 bool immutable) {
    std::shared_ptr<Connection> connection(new Connection(nextConnectionName(), path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection->m_name);
    // mode=rw opens an existing file for reading and writing and never creates one; a file
    // the system does not let us write is then opened for reading only.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    QString query = readOnly ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw");
    if (immutable)
        query += QStringLiteral("&immutable=1");
    uri.setQuery(query);
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        throw DatabaseError(errorText(db.lastError()));

    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DatabaseError(QStringLiteral("The database driver gave no SQLite handle."));
    connection->m_handle = *static_cast<sqlite3* const*>(handle.constData());

    // Settings of this connection only: nothing here is written into the file, whose journal
    // mode is its own (quarvel-db chooses it when it makes the file).
    SqliteStatement(connection->m_handle, QStringLiteral("PRAGMA foreign_keys = ON")).execute();
    SqliteStatement(connection->m_handle, QStringLiteral("PRAGMA synchronous = FULL")).execute();
    // The first read of the file: the tables the program works on must be there.
    SqliteStatement check(connection->m_handle,
                          QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                         "AND name IN ('Products', 'Categories', 'Suppliers', "
                                         "'Employees', 'Shipping Methods', 'Purchase Orders', "
                                         "'Inventory Transactions', 'My Company Information')"));
    check.step();
    if (check.value(0).toInt() != 8)
        throw DatabaseError(QStringLiteral("The file '%1' is an SQLite database with no Quarvel "
                                           "tables in it: it is not a Quarvel database.")
                                .arg(path));
    return connection;
}

} // namespace quarvel
