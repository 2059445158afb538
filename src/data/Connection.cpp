#include "data/Connection.h"

#include "data/ConnectionString.h"
#include "data/DatabaseError.h"
#include "data/SharedConnection.h"
#include "data/SqliteStatement.h"

#include <QCoreApplication>
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
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(path));

    // The program-wide connection goes with the application, while the SQL driver is still
    // there to close it, not later with the program's static data.
    static const bool releasedWithApplication = [] {
        qAddPostRoutine([] { SharedConnection.reset(); });
        return true;
    }();
    Q_UNUSED(releasedWithApplication);

    std::shared_ptr<Connection> connection(new Connection(nextConnectionName(), path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection->m_name);
    // mode=rw: open an existing file for reading and writing, never create one.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        throw DatabaseError(errorText(db.lastError()));

    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DatabaseError(QStringLiteral("The database driver gave no SQLite handle."));
    connection->m_handle = *static_cast<sqlite3* const*>(handle.constData());

    // The first statement reads the file's header: a file that is no database fails here.
    SqliteStatement(connection->m_handle, QStringLiteral("PRAGMA foreign_keys = ON")).execute();
    SqliteStatement(connection->m_handle, QStringLiteral("PRAGMA journal_mode = WAL")).execute();
    SqliteStatement(connection->m_handle, QStringLiteral("PRAGMA synchronous = FULL")).execute();
    SqliteStatement check(connection->m_handle,
                          QStringLiteral("SELECT count(*) FROM sqlite_master"));
    check.step();
    return connection;
}

} // namespace quarvel
