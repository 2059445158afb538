#pragma once

#include "sqlite/Database.h"

#include <QString>
#include <optional>

namespace quarvel {

// Idle SQLite connections, kept open per database file so that the next connection on the
// same file skips opening it and reading its schema again. A handle is in the pool only while
// no session uses it: two sessions never share one, so each keeps its own transactions.
// The key names the file (path and identity on disk, so a file replaced under the same name is
// not confused with the old one) and how it was opened (read-only, immutable).
class SqlitePool {
public:
    // A connection with the statements a session prepares once (finalised before it closes).
    struct Handle {
        sqlite::Database database;
        std::optional<sqlite::Statement> changeStamp;
    };

    static std::optional<Handle> take(const QString& key);
    // Keeps a handle that is idle (no transaction, no running statement) for the next take().
    static void give(const QString& key, Handle handle);
};

} // namespace quarvel
