#include "data/ConnectionString.h"

#include "data/Connection.h"
#include "data/ProgramFiles.h"
#include "data/postgres/PostgresLink.h"

namespace quarvel {

QString DatabasePath() {
    const QString fromEnvironment = qEnvironmentVariable("QUARVEL_DATABASE");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return defaultDatabasePath();
}

QString BuildConnectionString(const QString& path) {
    const QString file = path.isEmpty() ? DatabasePath() : path;
    return QLatin1String(isPostgresUrl(file) ? PostgresProviderPrefix : ProviderPrefix) + file +
           QLatin1String(ConnectionStringSuffix);
}

QString DatabasePathFromConnectionString(const QString& connectionString) {
    static const QString keyword = QStringLiteral("Data Source=");
    const qsizetype start = connectionString.indexOf(keyword, 0, Qt::CaseInsensitive);
    if (start < 0)
        return connectionString;
    QString path = connectionString.mid(start + keyword.size());
    const QString suffix = QLatin1String(ConnectionStringSuffix);
    if (path.endsWith(suffix, Qt::CaseInsensitive))
        path.chop(suffix.size());
    return path;
}

std::shared_ptr<Connection> OpenConnection() {
    return Connection::open(BuildConnectionString());
}

} // namespace quarvel
