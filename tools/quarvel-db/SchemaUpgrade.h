#pragma once

#include <QString>

namespace quarvel::dbtool {

// Schema versions. Version 1 is the first schema (schema.sql, schema-postgres.sql); each later
// version N is what upgrade-N.sql (upgrade-N-postgres.sql) adds to N - 1, among it the table
// "Schema Version" that records N. A database without that table is version 1. A new database
// is made at the latest version; an older one keeps working and is brought up to date by
// `quarvel-db upgrade`, never by the program.
namespace schema {

constexpr int latestVersion = 2;

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

} // namespace schema

} // namespace quarvel::dbtool
