#pragma once

#include <QString>
#include <QStringList>

namespace quarvel {

class Connection;

// What the About box says of the database in use and the program: the database (a file's path,
// or a server's host, port and database, never a password), its schema version, the user, and
// the versions of the program and of the libraries it runs with. One line each.
QStringList databaseFacts(Connection& connection);

// The schema version of the database (1 when it has no version table): what the features that
// need later versions ask before they use them.
int schemaVersion(Connection& connection);

} // namespace quarvel
