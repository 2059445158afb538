#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// A fresh database made from the project's schema with the single company row, removed again
// when the object goes. Tests fill it with plain SQL through exec().
// Failures throw std::runtime_error (quarvel::sqlite::Error, quarvel::DatabaseError) with the
// engine's message.
//
// The database is made on one of the engines behind the data layer's backend seam; tests of
// the data layer open it through connectionString() only, so they run unchanged on each
// engine: QUARVEL_TEST_BACKEND names the one they run on ("sqlite", the default, or
// "postgres"). A PostgreSQL database is made in the cluster that QUARVEL_TEST_POSTGRES_STATE
// describes (the one the ctest run shares, see quarvel-test-postgres) or else in a private
// cluster this test program starts for itself.
class TempDatabase {
public:
    enum class Backend { Sqlite, Postgres };
    static Backend backendUnderTest();

    // What a new database holds: the schema and the company row, or nothing at all (no
    // file yet on SQLite, no tables on PostgreSQL) for quarvel-db to build.
    enum class Content { CompanyRow, Nothing };

    explicit TempDatabase(Backend backend = backendUnderTest());
    explicit TempDatabase(Content content, Backend backend = backendUnderTest());
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    Backend backend() const { return m_backend; }
    bool isPostgres() const { return m_backend == Backend::Postgres; }
    // What Connection::open() takes for this database.
    QString connectionString() const;
    // The database file (SQLite) or URL (PostgreSQL); QUARVEL_DATABASE takes either.
    QString path() const { return m_path; }
    // A temporary folder that goes with the database.
    QString folder() const { return m_dir.path(); }

    // Runs one or more SQL statements on a connection of its own; throws on failure. On
    // PostgreSQL the text is read in the program's dialect ([Name], unquoted mixed-case
    // names), as the data layer translates it.
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or a null QVariant when there is no row.
    QVariant scalar(const QString& sql) const;
    // PostgreSQL only: runs statements in the server's own dialect, on this database or on the
    // cluster's "postgres" database (roles, other databases). A database that took statements
    // of the server's dialect (a trigger, a grant) is not used again by a later TempDatabase.
    void execNative(const QString& sql) const;
    void execServer(const QString& sql) const;

    // Makes the database every PostgreSQL test database is copied from (schema and company
    // row) in the cluster whose superuser `serverUrl` names.
    static void preparePostgresCluster(const QString& serverUrl);
    // The superuser's URL of the cluster the PostgreSQL test databases are made in (started
    // on first use when this program has to start its own).
    static QString postgresServerUrl();
    // The URL of database `name` in the cluster of `serverUrl`.
    static QString postgresDatabaseUrl(const QString& serverUrl, const QString& name);

private:
    Backend m_backend;
    QTemporaryDir m_dir;
    QString m_path;
    QString m_serverUrl;
    // Emptied and used again by a later TempDatabase (PostgreSQL).
    mutable bool m_reusable = false;
};
