#include "data/DatabaseFacts.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/ProgramUser.h"
#include "data/Tr.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"

#include <QUrl>

namespace quarvel {

namespace {

QString databaseText(const QString& name) {
    if (!isPostgresUrl(name))
        return Tr::tr("Database: %1").arg(name);
    const QUrl url(withoutPassword(name));
    return Tr::tr("Database: %1 on the server %2, port %3")
        .arg(url.path().mid(1), url.host().isEmpty() ? QStringLiteral("localhost") : url.host())
        .arg(url.port(5432));
}

} // namespace

int schemaVersion(Connection& connection) {
    // Asked of the catalog first: a failing statement would be logged by a server.
    if (!connection.backend().tables().contains(QStringLiteral("Schema Version"),
                                                Qt::CaseInsensitive))
        return 1;
    const auto cursor =
        connection.query(QStringLiteral("SELECT max(Version) FROM [Schema Version]"));
    return cursor->next() ? int(cursor->value(0).toLongLong()) : 1;
}

QStringList databaseFacts(Connection& connection) {
    const int version = schemaVersion(connection);
    // Other users' changes show as they happen from the version that records them on.
    const QString live =
        version >= 3 ? Tr::tr("Schema version: %1 (other users' changes show as they happen)")
                     : Tr::tr("Schema version: %1 (other users' changes show after moving to "
                              "another record; quarvel-db upgrade shows them as they happen)");
    return {databaseText(connection.path()), live.arg(version), Tr::tr("User: %1").arg(loginName()),
            Tr::tr("Quarvel %1, Qt %2, SQLite %3, libpq %4")
                .arg(programVersion(), QString::fromLatin1(qVersion()), sqlite::libraryVersion(),
                     PostgresLink::libraryVersion())};
}

} // namespace quarvel
