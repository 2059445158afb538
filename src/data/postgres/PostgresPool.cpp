#include "data/postgres/PostgresPool.h"

#include <map>
#include <mutex>
#include <vector>

namespace quarvel {

namespace {

// More idle connections than the statements a program runs at once are of no use.
constexpr std::size_t idlePerDatabase = 8;

struct Pool {
    std::mutex mutex;
    std::map<QString, std::vector<std::unique_ptr<PostgresLink>>> idle;
    ~Pool() { closed = true; }
    static inline bool closed = false;
};

Pool pool;

} // namespace

std::unique_ptr<PostgresLink> PostgresPool::take(const QString& url) {
    if (!Pool::closed) {
        std::lock_guard lock(pool.mutex);
        auto& links = pool.idle[url];
        while (!links.empty()) {
            std::unique_ptr<PostgresLink> link = std::move(links.back());
            links.pop_back();
            if (!link->isBroken())
                return link;
        }
    }
    return PostgresLink::connect(url);
}

void PostgresPool::give(const QString& url, std::unique_ptr<PostgresLink> link) {
    // After the pool has gone (a connection released by the program's static data), the
    // connection is closed here.
    if (Pool::closed || !link || !link->isIdle())
        return;
    std::lock_guard lock(pool.mutex);
    auto& links = pool.idle[url];
    if (links.size() < idlePerDatabase)
        links.push_back(std::move(link));
}

} // namespace quarvel
