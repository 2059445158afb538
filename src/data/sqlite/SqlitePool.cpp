#include "data/sqlite/SqlitePool.h"

#include <map>
#include <vector>

namespace quarvel {

namespace {

// More idle handles than the recordsets a window holds at once are of no use.
constexpr std::size_t idlePerFile = 8;

struct Pool {
    std::map<QString, std::vector<SqlitePool::Handle>> idle;
    ~Pool() { closed = true; }
    static inline bool closed = false;
};

Pool pool;

} // namespace

std::optional<SqlitePool::Handle> SqlitePool::take(const QString& key) {
    if (Pool::closed)
        return std::nullopt;
    const auto it = pool.idle.find(key);
    if (it == pool.idle.end() || it->second.empty())
        return std::nullopt;
    Handle handle = std::move(it->second.back());
    it->second.pop_back();
    return handle;
}

void SqlitePool::give(const QString& key, Handle handle) {
    // After the pool has gone (a connection released by the program's static data), the
    // handle is closed by its destructor here.
    if (Pool::closed)
        return;
    std::vector<Handle>& handles = pool.idle[key];
    if (handles.size() < idlePerFile)
        handles.push_back(std::move(handle));
}

} // namespace quarvel
