#pragma once

#include <QString>

struct sqlite3;

namespace quarvel::dbtool {

class Statement;

// One SQLite connection, closed when the object goes. The tool talks to the SQLite C API
// directly (through this class and Statement) rather than QtSql: generating a million rows
// wants prepared statements bound by position without a QVariant per value, and the check
// needs SQLite's own schema tables and pragmas. Every failure throws Error with the
// engine's message.
class Connection {
public:
    enum class Mode { Create, OpenExisting };

    Connection(const QString& path, Mode mode);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one or more statements without results (schema texts, pragmas, BEGIN/COMMIT).
    void exec(const QString& sql);
    // A prepared statement on this connection.
    Statement prepare(const QString& sql);
    // Whether a query can be prepared, with the engine's message when it cannot.
    bool compiles(const QString& sql, QString* message);

    sqlite3* handle() const { return m_db; }
    QString lastError() const;

private:
    sqlite3* m_db = nullptr;
};

} // namespace quarvel::dbtool
