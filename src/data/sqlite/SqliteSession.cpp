#include "data/sqlite/SqliteSession.h"

#include "data/DatabaseError.h"
#include "data/JetSql.h"
#include "data/ProgramUser.h"
#include "data/Tr.h"
#include "data/sqlite/FileHealth.h"
#include "data/sqlite/SqlitePool.h"
#include "sqlite/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarvel {

namespace {

// Whether the file or folder may be written: the system allows it and it is not marked
// read-only (no write permission for anyone; the "user" bits say what the system allows).
bool isWritable(const QFileInfo& info) {
    const auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

// The largest file whose damage check runs beside the program when the file keeps the
// rollback journal, where the check's reading keeps other programs' writes waiting: about two
// seconds of reading on a common computer.
constexpr qint64 largestFileCheckedWithRollbackJournal = 256LL * 1024 * 1024;

// Refuses, from what stat() and access() tell, a file that cannot be a database: one that
// cannot be read, or is empty. The file is never opened here: closing any descriptor of it
// would drop every lock this process's connections hold on it, and another program would
// then take them for gone and remove the journal under them. What is no SQLite file at all is
// left to the engine to say (SQLITE_NOTADB, see fileFailure).
void requireDatabaseFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || ::access(name.constData(), R_OK) != 0)
        throw DatabaseError(Tr::tr("The file '%1' cannot be read: %2")
                                .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    if (info.st_size == 0)
        throw DatabaseError(
            Tr::tr("The file '%1' is empty: it is not a Quarvel database.").arg(path));
}

// What a failure of the engine about the file itself says to the user: the file, and what to
// do. Empty for a failure that is not about the file (a refused value, say).
QString fileFailure(const QString& path, const sqlite::Error& error) {
    const QString file = QFileInfo(path).absoluteFilePath();
    switch (error.code()) {
    case SQLITE_NOTADB:
        return Tr::tr("The file '%1' is not an SQLite database file: it is not a "
                      "Quarvel database.")
            .arg(path);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Tr::tr("The database file '%1' is busy: another program is writing to "
                      "it. Nothing was changed; try again in a moment.")
            .arg(file);
    case SQLITE_CORRUPT:
        return Tr::tr("The database file '%1' is damaged (%2). Run quarvel-db check "
                      "on it to see what is damaged, and restore it from a backup.")
            .arg(file, error.message());
    case SQLITE_FULL:
        return Tr::tr("The disk that holds the database file '%1' is full: nothing "
                      "was changed. Make room on it and try again.")
            .arg(file);
    case SQLITE_IOERR:
        return Tr::tr("The database file '%1' could not be read or written (%2). "
                      "Check the disk or the share it lies on, then run quarvel-db "
                      "check on it.")
            .arg(file, error.message());
    case SQLITE_CANTOPEN:
        return Tr::tr("The database file '%1' cannot be opened (%2).").arg(file, error.message());
    default:
        return {};
    }
}

DatabaseError::Constraint constraintOf(const sqlite::Error& error) {
    const int extendedCode = error.extendedCode();
    switch (extendedCode) {
    case SQLITE_CONSTRAINT_FOREIGNKEY:
        return DatabaseError::Constraint::ForeignKey;
    case SQLITE_CONSTRAINT_NOTNULL:
        return DatabaseError::Constraint::NotNull;
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
        return DatabaseError::Constraint::Unique;
    case SQLITE_CONSTRAINT_CHECK:
        return DatabaseError::Constraint::Check;
    case SQLITE_CONSTRAINT_TRIGGER:
        // ON DELETE RESTRICT is carried out as a trigger that raises the foreign key message.
        if (error.message() == QLatin1String("FOREIGN KEY constraint failed"))
            return DatabaseError::Constraint::ForeignKey;
        return DatabaseError::Constraint::Other;
    default:
        return (extendedCode & 0xff) == SQLITE_CONSTRAINT ? DatabaseError::Constraint::Other
                                                          : DatabaseError::Constraint::None;
    }
}

// Runs `f`, turning the engine's failures into the data layer's.
template <typename F> auto guarded(const QString& path, F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (const sqlite::Error& error) {
        if (error.code() == SQLITE_READONLY)
            throw DatabaseError(Tr::tr("The database file '%1' is read-only: changes "
                                       "cannot be saved in it.")
                                    .arg(QFileInfo(path).absoluteFilePath()),
                                DatabaseError::Kind::ReadOnly);
        const QString aboutTheFile = fileFailure(path, error);
        if (!aboutTheFile.isEmpty())
            throw DatabaseError(aboutTheFile);
        throw DatabaseError(error.message(), DatabaseError::Kind::Failure, constraintOf(error));
    }
}

QString quoted(const QString& name) {
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString columnList(const QStringList& columns) {
    QStringList names;
    for (const QString& c : columns)
        names << quoted(c);
    return names.join(u',');
}

// What a write returns: the columns asked for, or the row's identity when none is.
QString returned(const QStringList& readBack) {
    return readBack.isEmpty() ? QStringLiteral("rowid") : columnList(readBack);
}

QString condition(const RowMatch& match) {
    QStringList parts;
    for (const QString& c : match.columns)
        parts << quoted(c) + QStringLiteral(" IS ?");
    return parts.isEmpty() ? QStringLiteral("1") : parts.join(QStringLiteral(" AND "));
}

class SqliteCursor : public BackendCursor {
public:
    SqliteCursor(sqlite::Statement statement, QString path)
        : m_statement(std::move(statement)), m_path(std::move(path)) {}

    int columnCount() const override { return m_statement.columnCount(); }
    ResultColumn column(int index) const override {
        return {m_statement.columnName(index), m_statement.columnTable(index),
                m_statement.columnOrigin(index), m_statement.columnDeclType(index).toUpper()};
    }
    bool next() override {
        return guarded(m_path, [&] { return m_statement.step(); });
    }
    QVariant value(int column) const override { return m_statement.value(column); }

private:
    sqlite::Statement m_statement;
    QString m_path;
};

} // namespace

SqliteSession::SqliteSession(QString path, QString poolKey, SqlitePool::Handle handle)
    : m_path(std::move(path)), m_poolKey(std::move(poolKey)), m_handle(std::move(handle)) {}

SqliteSession::~SqliteSession() {
    // A transaction left open is rolled back; only an idle handle goes back to the pool.
    try {
        if (m_db.inTransaction())
            m_db.exec(QStringLiteral("ROLLBACK"));
        SqlitePool::give(m_poolKey, std::move(m_handle));
    } catch (...) {
        // The handle is closed with the session instead.
    }
}

std::unique_ptr<SqliteSession> SqliteSession::open(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        throw DatabaseError(Tr::tr("Could not find file '%1'.").arg(path));
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

std::unique_ptr<SqliteSession> SqliteSession::openFile(const QString& path, bool readOnly,
                                                       bool immutable) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString key = QStringLiteral("%1|%2|%3|%4")
                            .arg(absolute, FileHealth::identityOf(absolute))
                            .arg(readOnly)
                            .arg(immutable);
    // A handle kept from an earlier session on this very file was checked when it was opened.
    if (std::optional<SqlitePool::Handle> pooled = SqlitePool::take(key))
        return std::unique_ptr<SqliteSession>(new SqliteSession(path, key, std::move(*pooled)));
    requireDatabaseFile(path);
    return guarded(path, [&] {
        // mode=rw opens an existing file for reading and writing and never creates one.
        QUrl uri = QUrl::fromLocalFile(absolute);
        QString query = readOnly ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw");
        if (immutable)
            query += QStringLiteral("&immutable=1");
        uri.setQuery(query);
        sqlite::Database database(
            uri.toString(QUrl::FullyEncoded),
            readOnly ? sqlite::OpenMode::ReadOnly : sqlite::OpenMode::ReadWrite, true, true);
        database.setBusyTimeout(busyTimeoutMs);
        // Settings of this connection only: nothing here is written into the file, whose
        // journal mode is its own (quarvel-db chooses it when it makes the file).
        database.exec(QStringLiteral("PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL"));
        // Who writes, for the history the database keeps (schema version 3): its triggers call
        // char() without arguments, which is '' for any other client.
        database.defineTextFunction(QStringLiteral("char"), loginName());
        // The first read of the file: the tables the program works on must be there.
        const QVariant tables = database.scalar(QStringLiteral(
            "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('Products', "
            "'Categories', 'Suppliers', 'Employees', 'Shipping Methods', 'Purchase Orders', "
            "'Inventory Transactions', 'My Company Information')"));
        if (tables.toInt() != 8)
            throw DatabaseError(Tr::tr("The file '%1' is an SQLite database with no "
                                       "Quarvel tables in it: it is not a Quarvel "
                                       "database.")
                                    .arg(path));
        // The whole file is checked for damage once, beside the program's work; a file too
        // large for that with the rollback journal is left to quarvel-db check.
        if (database.scalar(QStringLiteral("PRAGMA journal_mode")).toString() ==
                QLatin1String("wal") ||
            QFileInfo(absolute).size() <= largestFileCheckedWithRollbackJournal)
            FileHealth::checkOnce(absolute);
        return std::unique_ptr<SqliteSession>(
            new SqliteSession(path, key, {std::move(database), std::nullopt}));
    });
}

void SqliteSession::refuseIfDamaged() const {
    if (const std::optional<QString> damage = FileHealth::damage(m_path))
        throw DatabaseError(*damage);
}

bool SqliteSession::isReadOnly() const {
    return m_db.isReadOnly();
}

QString SqliteSession::translate(const QString& programSql) const {
    return TranslateJetSql(programSql);
}

sqlite::Statement SqliteSession::prepare(const QString& sql,
                                         const QVector<QVariant>& values) const {
    sqlite::Statement statement = m_db.prepare(sql);
    // $1 is the first value wherever it stands: SQLite numbers named parameters in the order
    // they first appear, and "$2 ... $1" would otherwise take the values the other way round.
    // A text of plain "?" takes them in order.
    for (int i = 0; i < values.size(); ++i) {
        const int named = statement.parameterIndex(QStringLiteral("$%1").arg(i + 1));
        statement.bind(named > 0 ? named : i + 1, values[i]);
    }
    return statement;
}

std::unique_ptr<BackendCursor> SqliteSession::query(const QString& sql,
                                                    const QVector<QVariant>& values) {
    return guarded(m_path,
                   [&] { return std::make_unique<SqliteCursor>(prepare(sql, values), m_path); });
}

qint64 SqliteSession::execute(const QString& sql, const QVector<QVariant>& values) {
    refuseIfDamaged();
    return guarded(m_path, [&] { return prepare(sql, values).execute(); });
}

std::optional<quint64> SqliteSession::changeStamp() {
    // data_version moves with every commit of another connection, total_changes() with every
    // row this one writes.
    return guarded(m_path, [&] {
        if (!m_handle.changeStamp)
            m_handle.changeStamp = m_db.prepare(
                QStringLiteral("SELECT data_version, total_changes() FROM pragma_data_version"));
        m_handle.changeStamp->step();
        const quint64 stamp = (quint64(m_handle.changeStamp->int64(0)) << 32) ^
                              quint64(m_handle.changeStamp->int64(1));
        m_handle.changeStamp->reset();
        return stamp;
    });
}

QString SqliteSession::primaryKey(const QString& table) {
    // The program never changes a schema, and a file made anew is another file: the keys of a
    // file's tables are read once.
    static QHash<QString, QString> keys;
    const QString cacheKey = m_poolKey + u'|' + table;
    const auto cached = keys.constFind(cacheKey);
    if (cached != keys.constEnd())
        return *cached;
    const QString key = guarded(m_path, [&] {
        sqlite::Statement info =
            prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk = 1 AND (SELECT "
                                   "count(*) FROM pragma_table_info(?) WHERE pk > 0) = 1"),
                    {table, table});
        return info.step() ? info.text(0) : QString();
    });
    keys.insert(cacheKey, key);
    return key;
}

QStringList SqliteSession::tables() {
    return guarded(m_path, [&] {
        QStringList names;
        sqlite::Statement list = m_db.prepare(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        while (list.step())
            names << list.text(0);
        return names;
    });
}

QVector<ForeignKey> SqliteSession::foreignKeys(const QString& table) {
    return guarded(m_path, [&] {
        QVector<ForeignKey> keys;
        sqlite::Statement list = prepare(QStringLiteral("SELECT \"from\", \"table\", \"to\" FROM "
                                                        "pragma_foreign_key_list(?)"),
                                         {table});
        while (list.step())
            keys.append({table, list.text(0), list.text(1), list.text(2)});
        return keys;
    });
}

std::optional<QVector<QVariant>> SqliteSession::readRowid(const QString& table, qint64 rowid,
                                                          const QStringList& readBack) {
    sqlite::Statement read = prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                         .arg(columnList(readBack), quoted(table)),
                                     {rowid});
    if (!read.step())
        return std::nullopt;
    QVector<QVariant> values(readBack.size());
    for (int i = 0; i < values.size(); ++i)
        values[i] = read.value(i);
    return values;
}

std::optional<qint64> SqliteSession::rowidOf(const QString& table, const RowMatch& match,
                                             bool keyed) {
    // A keyed row is the one with its key; otherwise the first row holding all the values.
    RowMatch find = match;
    if (keyed) {
        find.columns = match.columns.mid(0, 1);
        find.values = match.values.mid(0, 1);
    }
    sqlite::Statement statement = prepare(
        QStringLiteral("SELECT rowid FROM %1 WHERE %2 LIMIT 1").arg(quoted(table), condition(find)),
        find.values);
    if (!statement.step())
        return std::nullopt;
    return statement.int64(0);
}

QVector<QVariant> SqliteSession::insertRow(const QString& table, const QStringList& columns,
                                           const QVector<QVariant>& values,
                                           const QStringList& readBack) {
    refuseIfDamaged();
    return guarded(m_path, [&] {
        QString sql;
        if (columns.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table));
        } else {
            const QStringList marks(columns.size(), QStringLiteral("?"));
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(table), columnList(columns), marks.join(u','));
        }
        // The write and what is read back are one statement: a save is reported as done
        // exactly when it was committed (a separate read could fail after the commit).
        return writeReturning(sql + QStringLiteral(" RETURNING ") + returned(readBack), values,
                              int(readBack.size()))
            .value_or(QVector<QVariant>());
    });
}

std::optional<QVector<QVariant>>
SqliteSession::writeReturning(const QString& sql, const QVector<QVariant>& values, int columns) {
    sqlite::Statement statement = prepare(sql, values);
    std::optional<QVector<QVariant>> row;
    if (statement.step()) {
        row.emplace(columns);
        for (int i = 0; i < columns; ++i)
            (*row)[i] = statement.value(i);
    }
    // The statement commits (outside a transaction) when it runs to its end: a failure there
    // (a busy file, a full disk) throws, and the engine has then undone the write.
    while (statement.step()) {
    }
    return row;
}

std::optional<QVector<QVariant>> SqliteSession::updateRow(const QString& table,
                                                          const QStringList& columns,
                                                          const QVector<QVariant>& values,
                                                          const RowMatch& match, bool keyed,
                                                          const QStringList& readBack) {
    refuseIfDamaged();
    return guarded(m_path, [&]() -> std::optional<QVector<QVariant>> {
        QStringList assignments;
        for (const QString& c : columns)
            assignments << quoted(c) + QStringLiteral(" = ?");
        QVector<QVariant> bound = values;
        QString where = condition(match);
        if (!keyed) {
            const std::optional<qint64> rowid = rowidOf(table, match, false);
            if (!rowid)
                return std::nullopt;
            where = QStringLiteral("rowid = ? AND ") + where;
            bound << *rowid;
        }
        bound += match.values;
        return writeReturning(
            QStringLiteral("UPDATE %1 SET %2 WHERE %3 RETURNING %4")
                .arg(quoted(table), assignments.join(u','), where, returned(readBack)),
            bound, int(readBack.size()));
    });
}

bool SqliteSession::deleteRow(const QString& table, const RowMatch& match, bool keyed) {
    refuseIfDamaged();
    return guarded(m_path, [&] {
        QVector<QVariant> bound;
        QString where = condition(match);
        if (!keyed) {
            const std::optional<qint64> rowid = rowidOf(table, match, false);
            if (!rowid)
                return false;
            where = QStringLiteral("rowid = ? AND ") + where;
            bound << *rowid;
        }
        bound += match.values;
        return prepare(QStringLiteral("DELETE FROM %1 WHERE %2").arg(quoted(table), where), bound)
                   .execute() > 0;
    });
}

std::optional<QVector<QVariant>> SqliteSession::readRow(const QString& table, const RowMatch& match,
                                                        const QStringList& readBack) {
    return guarded(m_path, [&]() -> std::optional<QVector<QVariant>> {
        const std::optional<qint64> rowid = rowidOf(table, match, false);
        if (!rowid)
            return std::nullopt;
        return readRowid(table, *rowid, readBack);
    });
}

qint64 SqliteSession::countRows(const QString& table, const RowMatch& match) {
    return guarded(m_path, [&] {
        sqlite::Statement count = prepare(
            QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(quoted(table), condition(match)),
            match.values);
        count.step();
        return count.int64(0);
    });
}

void SqliteSession::begin() {
    guarded(m_path, [&] { m_db.exec(QStringLiteral("BEGIN")); });
}

void SqliteSession::commit() {
    guarded(m_path, [&] { m_db.exec(QStringLiteral("COMMIT")); });
}

void SqliteSession::rollback() {
    guarded(m_path, [&] {
        // Some failures end the transaction by themselves; a second ROLLBACK would only fail.
        if (m_db.inTransaction())
            m_db.exec(QStringLiteral("ROLLBACK"));
    });
}

bool SqliteSession::inTransaction() const {
    return m_db.inTransaction();
}

} // namespace quarvel
