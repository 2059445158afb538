#pragma once

#include "sqlite/Statement.h"

#include <QString>
#include <QStringList>
#include <memory>

struct sqlite3;

namespace quarvel::sqlite {

enum class OpenMode {
    ReadOnly,
    ReadWrite, // an existing file only
    Create,    // read and write, creating the file when it is not there
};

// The version of the SQLite library the program runs with ("3.40.1").
QString libraryVersion();

// One connection, closed when the object goes. Opening never creates a file unless asked
// with OpenMode::Create. Extended result codes are on, so every Error carries the precise
// code. Failures throw Error with the engine's message.
class Database {
public:
    // pathOrUri is a file path, ":memory:", or with uri a "file:" URI (mode=, cache=, ...).
    // With oneThread the connection is used by one thread at a time, so SQLite leaves out the
    // lock it otherwise takes in every call on it.
    explicit Database(const QString& pathOrUri, OpenMode mode = OpenMode::ReadWrite,
                      bool uri = false, bool oneThread = false);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs every statement of a text in turn (schema scripts, pragmas); rows are discarded.
    void exec(const QString& sql);
    Statement prepare(const QString& sql) const { return Statement(m_db, sql); }
    // The first column of the first row of a query, or a null QVariant when there is no row.
    QVariant scalar(const QString& sql) const;
    // The column names of a table or view of the main database, in their order; empty when
    // there is none by that name.
    QStringList columnNames(const QString& table) const;

    // How long a statement waits for another connection's lock before failing with
    // SQLITE_BUSY (0: fail at once).
    void setBusyTimeout(int milliseconds);
    // Defines the SQL function `name` without arguments, on this connection only, to return
    // `text` (a function of SQLite's own of that name keeps its meaning with arguments).
    void defineTextFunction(const QString& name, const QString& text);
    // Whether the main database was opened, or fell back to, read-only.
    bool isReadOnly() const;
    // Whether a transaction is open (BEGIN without its COMMIT or ROLLBACK yet).
    bool inTransaction() const;
    qint64 lastInsertRowId() const;
    qint64 changes() const;
    sqlite3* handle() const { return m_db; }

private:
    void close() noexcept;

    sqlite3* m_db = nullptr;
};

} // namespace quarvel::sqlite
