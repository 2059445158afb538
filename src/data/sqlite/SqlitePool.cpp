#include "data/sqlite/SqlitePool.h"

#include <map>
#include <vector>

namespace quarvel {

namespace {

// More idle handles than the recordsets a window holds at once are of no use.
constexpr std::size_t idlePerFile = 8;

struct Pool {
    std::map<QString, std::vector<sqlite::Database>> idle;
    ~Pool() { closed = true; }
    static inline bool closed = false;
};

Pool pool;

} // namespace

std::optional<sqlite::Database> SqlitePool::take(const QString& key) {
    if (Pool::closed)
        return std::nullopt;
    const auto it = pool.idle.find(key);
    if (it == pool.idle.end() || it->second.empty())
        return std::nullopt;
    sqlite::Database database = std::move(it->second.back());
    it->second.pop_back();
    return database;
}

void SqlitePool::give(const QString& key, sqlite::Database database) {
    // After the pool has gone (a connection released by the program's static data), the
    // handle is closed by its destructor here.
    if (Pool::closed)
        return;
    std::vector<sqlite::Database>& handles = pool.idle[key];
    if (handles.size() < idlePerFile)
        handles.push_back(std::move(database));
}

} // namespace quarvel
