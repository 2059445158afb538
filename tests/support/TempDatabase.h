#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// A fresh database made from the project's schema with the single company row, removed again
// when the object goes. Tests fill it with plain SQL through exec().
// Failures throw std::runtime_error (quarvel::sqlite::Error) with the engine's message.
//
// The database is made on one of the engines behind the data layer's backend seam; tests of
// the data layer open it through connectionString() only, so they run unchanged on each
// engine: QUARVEL_TEST_BACKEND names the one they run on ("sqlite", the default).
class TempDatabase {
public:
    enum class Backend { Sqlite };
    static Backend backendUnderTest();

    explicit TempDatabase(Backend backend = backendUnderTest());

    Backend backend() const { return m_backend; }
    // What Connection::open() takes for this database.
    QString connectionString() const;
    // The database file (SQLite) and the folder it lies in.
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }

    // Runs one or more SQL statements on a connection of its own; throws on failure.
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or a null QVariant when there is no row.
    QVariant scalar(const QString& sql) const;

private:
    Backend m_backend;
    QTemporaryDir m_dir;
    QString m_path;
};
