#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// A fresh database made from the project's schema with the single company row, removed again
// when the object goes; tests fill it with plain SQL through exec(). Failures throw
// std::runtime_error with the engine's message.
// QUARVEL_TEST_BACKEND names the engine ("sqlite", the default, or "postgres"); tests open the
// database through connectionString() only, so they run unchanged on each. A PostgreSQL
// database is made in the cluster QUARVEL_TEST_POSTGRES_STATE describes (shared by the ctest
// run, see quarvel-test-postgres), else in a private cluster this program starts for itself.
class TempDatabase {
public:
    enum class Backend { Sqlite, Postgres };
    static Backend backendUnderTest();

    // The schema and the company row, or nothing at all, for quarvel-db to build.
    enum class Content { CompanyRow, Nothing };

    explicit TempDatabase(Backend backend = backendUnderTest());
    explicit TempDatabase(Content content, Backend backend = backendUnderTest());
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    bool isPostgres() const { return m_backend == Backend::Postgres; }
    // What Connection::open() takes for this database.
    QString connectionString() const;
    // The database file (SQLite) or URL (PostgreSQL); QUARVEL_DATABASE takes either.
    QString path() const { return m_path; }

    // Runs SQL statements of the program's dialect on a connection of its own.
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or a null QVariant when there is no row.
    QVariant scalar(const QString& sql) const;
    // PostgreSQL only: statements in the server's own dialect, on this database (which is then
    // not used again by a later TempDatabase) or on the cluster's "postgres" database.
    void execNative(const QString& sql) const;
    void execServer(const QString& sql) const;

    // Makes the database every PostgreSQL test database is copied from, in that cluster.
    static void preparePostgresCluster(const QString& serverUrl);

private:
    Backend m_backend;
    QTemporaryDir m_dir;
    QString m_path;
    QString m_serverUrl;
    // Emptied and used again by a later TempDatabase (PostgreSQL).
    mutable bool m_reusable = false;
};
