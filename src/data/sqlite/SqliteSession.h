#pragma once

#include "data/Backend.h"
#include "data/sqlite/SqlitePool.h"
#include "sqlite/Database.h"

#include <optional>

namespace quarvel {

// The SQLite backend: one connection on a database file. The file must exist already and is
// never created or changed by opening it (its journal mode stays its own); foreign keys are
// enforced, synchronous=FULL, and a statement waits up to five seconds for another program's
// lock. A file that is empty, is no SQLite file or lacks the program's tables is refused with
// a message that says so. A file that cannot be written (or is marked read-only, or lies in a
// folder that is) is opened for reading. Handles come from, and go back to, SqlitePool.
class SqliteSession : public BackendSession {
public:
    static std::unique_ptr<SqliteSession> open(const QString& path);
    ~SqliteSession() override;

    static constexpr int busyTimeoutMs = 5000;

    QString name() const override { return m_path; }
    bool isReadOnly() const override;
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
    bool inTransaction() const override;

private:
    SqliteSession(QString path, QString poolKey, SqlitePool::Handle handle);
    static std::unique_ptr<SqliteSession> openFile(const QString& path, bool readOnly,
                                                   bool immutable);
    sqlite::Statement prepare(const QString& sql, const QVector<QVariant>& values) const;
    // Throws the damage message when the file was found damaged (see FileHealth).
    void refuseIfDamaged() const;
    // Runs an INSERT or UPDATE ... RETURNING to its end: the first row returned, nullopt when
    // the statement wrote no row.
    std::optional<QVector<QVariant>> writeReturning(const QString& sql,
                                                    const QVector<QVariant>& values, int columns);
    std::optional<qint64> rowidOf(const QString& table, const RowMatch& match, bool keyed);
    std::optional<QVector<QVariant>> readRowid(const QString& table, qint64 rowid,
                                               const QStringList& readBack);

    QString m_path;
    QString m_poolKey;
    SqlitePool::Handle m_handle;
    sqlite::Database& m_db = m_handle.database;
};

} // namespace quarvel
