#pragma once

#include <QString>
#include <memory>

namespace quarvel {

class Connection;

// The provider prefix of this program's connection strings: SQLite's for a file, PostgreSQL's
// for a database named by a postgresql:// URL.
inline constexpr const char* ProviderPrefix = "PROVIDER=QSQLITE;Data Source=";
inline constexpr const char* PostgresProviderPrefix = "PROVIDER=PostgreSQL;Data Source=";
inline constexpr const char* ConnectionStringSuffix = ";Persist Security Info=False";

// The database: the file or PostgreSQL URL (postgresql://user@host:port/dbname?sslmode=...)
// named by the environment variable QUARVEL_DATABASE when it is set (the program's --database
// sets it), otherwise defaultDatabasePath() (ProgramFiles.h). A URL's password is best left to
// libpq's own places (PGPASSWORD,
// ~/.pgpass); a connection never keeps or shows it.
QString DatabasePath();

// Provider prefix + path or URL (unquoted, unchanged) + ";Persist Security Info=False".
// An absent or empty path stands for DatabasePath().
QString BuildConnectionString(const QString& path = QString());

// The file path inside a connection string of that shape; a text without the provider's
// "Data Source=" keyword is taken as a plain path.
QString DatabasePathFromConnectionString(const QString& connectionString);

// A new connection on BuildConnectionString(). Throws DatabaseError when the file cannot be
// opened as a database.
std::shared_ptr<Connection> OpenConnection();

} // namespace quarvel
