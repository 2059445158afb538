#pragma once

#include <QString>
#include <QStringList>

// The logic of the quarvel-db command: build, fill and check Quarvel database files. The
// executable is a thin front end; tests and benchmarks call these functions directly.
namespace quarvel::dbtool {

// The schema (tables, saved queries as views, indexes) compiled into the program.
QString schemaSql();

// Writes a new database at path: the schema and the single company row, and with sample
// a small garden-supply business over the year 2021. Refuses an existing file unless force.
// The file is built beside path and moved into place only when complete. Throws Error.
void createDatabase(const QString& path, bool sample, bool force);

struct GenerateOptions {
    int products = 1000;
    int transactions = 10000;
};

// Writes a new database at path holding a large deterministic data set (same rules for an
// existing file as createDatabase). Throws Error.
void generate(const QString& path, const GenerateOptions& options, bool force);

// Every problem that would stop the program from working on the file: missing tables,
// columns and saved queries (views) by name, saved queries that fail, a missing company
// row. Empty for a good database. Throws Error when the file is missing or not a database.
QStringList check(const QString& path);

} // namespace quarvel::dbtool
