#pragma once

#include <QString>
#include <memory>

namespace quarvel {

class Connection;

// The provider prefix of this program's connection strings.
inline constexpr const char* ProviderPrefix = "PROVIDER=QSQLITE;Data Source=";
inline constexpr const char* ConnectionStringSuffix = ";Persist Security Info=False";

// The database file: the file named by the environment variable QUARVEL_DATABASE when it is
// set, otherwise Products.db in the program's folder.
QString DatabasePath();

// Provider prefix + path (unquoted, unchanged) + ";Persist Security Info=False".
// An absent or empty path stands for DatabasePath().
QString BuildConnectionString(const QString& path = QString());

// The file path inside a connection string of that shape; a text without the provider's
// "Data Source=" keyword is taken as a plain path.
QString DatabasePathFromConnectionString(const QString& connectionString);

// A new connection on BuildConnectionString(). Throws DatabaseError when the file cannot be
// opened as a database.
std::shared_ptr<Connection> OpenConnection();

} // namespace quarvel
