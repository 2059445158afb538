#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// A database file in a fresh temporary folder, made from the project's schema with the single
// company row, removed again when the object goes. Tests fill it with plain SQL through exec().
// Failures throw quarvel::sqlite::Error with the engine's message.
class TempDatabase {
public:
    TempDatabase();

    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }

    // Runs one or more SQL statements on a connection of its own; throws on failure.
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or a null QVariant when there is no row.
    QVariant scalar(const QString& sql) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};
