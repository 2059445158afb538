#pragma once

#include "data/Backend.h"
#include "data/postgres/PostgresLink.h"

#include <optional>

namespace quarvel {

class PostgresCursor;

// The PostgreSQL backend: one session on a server database named by a libpq URL
// (postgresql://user@host:port/dbname?sslmode=...: every libpq parameter passes through). The
// database must hold the program's tables already; quarvel-db makes them. The password comes
// from libpq's usual places (PGPASSWORD, ~/.pgpass), or from the URL if it holds one, and the
// session keeps and shows the URL without it.
//
// libpq is used directly rather than through QtSql: the data layer needs what QtSql does not
// give (the table and column each result column comes from, the SQLSTATE of a refused write,
// parameters typed by the server, COPY for the tool's bulk loads), and it links only QtCore.
//
// A session holds no server connection of its own while idle: each statement borrows one
// from PostgresPool and gives it back, and a transaction keeps one from begin() to its end.
// So the program keeps its connection-per-recordset shape without a server connection per
// recordset. Each write in a transaction runs under a savepoint, so that a refused write
// leaves the transaction usable, as on SQLite. Rows without a key in the result are found by
// the server's row identity (ctid) among the rows holding the values read. A result over one
// table without ORDER BY lists its rows by the table's key, the order they were entered in:
// the server's own order changes as rows are rewritten.
class PostgresSession : public BackendSession {
public:
    static std::unique_ptr<PostgresSession> open(const QString& url);
    ~PostgresSession() override;

    QString name() const override { return m_name; }
    bool isReadOnly() const override { return m_readOnly; }
    QString translate(const QString& programSql) const override;

    std::unique_ptr<BackendCursor> query(const QString& sql,
                                         const QVector<QVariant>& values) override;
    qint64 execute(const QString& sql, const QVector<QVariant>& values) override;
    std::optional<quint64> changeStamp() override;

    QString primaryKey(const QString& table) override;
    QStringList tables() override;
    QVector<ForeignKey> foreignKeys(const QString& table) override;

    QVector<QVariant> insertRow(const QString& table, const QStringList& columns,
                                const QVector<QVariant>& values,
                                const QStringList& readBack) override;
    std::optional<QVector<QVariant>> updateRow(const QString& table, const QStringList& columns,
                                               const QVector<QVariant>& values,
                                               const RowMatch& match, bool keyed,
                                               const QStringList& readBack) override;
    bool deleteRow(const QString& table, const RowMatch& match, bool keyed) override;
    std::optional<QVector<QVariant>> readRow(const QString& table, const RowMatch& match,
                                             const QStringList& readBack) override;
    qint64 countRows(const QString& table, const RowMatch& match) override;

    void begin() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override { return m_transaction != nullptr; }

private:
    friend class PostgresCursor;
    PostgresSession(QString url, bool readOnly);

    // Runs f with a connection: the transaction's, or one borrowed from the pool. A write in
    // a transaction runs under a savepoint.
    template <typename F> auto run(F&& f, bool write) const;
    QString orderedByKey(const QString& sql) const;
    quint64 stampOf(const QString& snapshot) const;

    QString m_url;
    QString m_name;
    bool m_readOnly;
    mutable std::unique_ptr<PostgresLink> m_transaction;
    quint64 m_writes = 0;
    // The stamp taken before the statement of the newest cursor, while that cursor lives.
    const PostgresCursor* m_cursor = nullptr;
    std::optional<quint64> m_cursorStamp;
};

} // namespace quarvel
