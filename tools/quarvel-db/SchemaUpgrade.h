#pragma once

#include "Error.h"

#include <QString>

namespace quarvel::sqlite {
class Database;
}

namespace quarvel::dbtool {

// Schema versions. Version 1 is the first schema (schema.sql, schema-postgres.sql); each later
// version N is what upgrade-N.sql (upgrade-N-postgres.sql) adds to N - 1, among it the table
// "Schema Version" that records N. A database without that table is version 1. A new database
// is made at the latest version; an older one keeps working and is brought up to date by
// `quarvel-db upgrade`, never by the program.
namespace schema {

constexpr int latestVersion = 3;

// The statements that take a database from version - 1 to version (2 <= version <= latest).
QString upgradeSql(int version, bool postgres);

// The version of the database at path or URL. Throws Error when it cannot be read, or is no
// Quarvel database.
int version(const QString& pathOrUrl);

// Brings the database at path or URL up to the latest version, every step in one transaction:
// a failure leaves it as it was. Returns the version it had. Throws Error.
int upgrade(const QString& pathOrUrl);

// What the latest version adds, in one sentence, for a database still at `version`; empty when
// it is up to date.
QString whatUpgradeAdds(int version);

// The version of an open file (1 without the version table).
int versionOf(const sqlite::Database& db);
// The SQLite statements that make a database of `version` (the first schema and its upgrades up
// to it, or to the latest version this tool knows): what a check compares a database with.
QString sqliteSchemaAt(int version);
// A check's problem with a database of a version newer than this tool knows; empty otherwise.
QString newerProblem(int version);
// Throws Error when a database of `version`, named `name`, is newer than this tool knows.
void requireKnown(int version, const QString& name);
// What is said of a database without the program's tables.
Error notQuarvel(const QString& name);

} // namespace schema

} // namespace quarvel::dbtool
