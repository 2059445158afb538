#pragma once

#include "data/postgres/PostgresLink.h"

#include <QString>
#include <memory>

namespace quarvel {

// Idle server connections, kept per database URL. A session borrows one for each statement
// (for the whole of a transaction) and gives it back at once, so the many connections of the
// program's windows (one per recordset) share a few server connections: as many as
// statements run at the same time, plus one per open transaction. Safe to use from several
// threads.
class PostgresPool {
public:
    // An idle connection on the database `url` names, or a new one.
    static std::unique_ptr<PostgresLink> take(const QString& url);
    // Keeps a connection that is idle for the next take(); closes any other.
    static void give(const QString& url, std::unique_ptr<PostgresLink> link);
};

} // namespace quarvel
