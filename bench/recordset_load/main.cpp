// Times the data layer against the raw SQLite C API on one large generated database:
//   1. "Select * from Products" read whole through Recordset vs. the same rows read through
//      sqlite3_step into plain values;
//   2. qryProducts for single products through Recordset, and raw.
// Usage: bench_recordset_load [database]   (generates 100 000 products and 1 000 000
// transactions in a temporary folder when no database is given).
#include "../Generated.h"
#include "../Timing.h"
#include "DbTool.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "sqlite/Database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <variant>
#include <vector>

using namespace quarvel;

namespace {

using RawValue = std::variant<std::monostate, long long, double, std::string>;

// The raw baseline: every value of every row copied out of SQLite into plain C++ values.
size_t rawRead(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    // One flat array of values: the least a reader that keeps the rows can do.
    std::vector<RawValue> values;
    size_t rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ++rows;
        const size_t base = values.size();
        values.resize(base + size_t(columns));
        RawValue* row = values.data() + base;
        for (int i = 0; i < columns; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                row[i] = static_cast<long long>(sqlite3_column_int64(stmt, i));
                break;
            case SQLITE_FLOAT:
                row[i] = sqlite3_column_double(stmt, i);
                break;
            case SQLITE_TEXT:
                row[i] = std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                     size_t(sqlite3_column_bytes(stmt, i)));
                break;
            default:
                break;
            }
        }
    }
    sqlite3_finalize(stmt);
    return rows;
}

// The least any reader does: every row stepped and every value fetched, nothing kept.
size_t rawStep(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    size_t rows = 0, bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ++rows;
        for (int i = 0; i < columns; ++i) {
            if (sqlite3_column_type(stmt, i) == SQLITE_TEXT)
                sqlite3_column_text(stmt, i);
            bytes += size_t(sqlite3_column_bytes(stmt, i));
        }
    }
    sqlite3_finalize(stmt);
    return rows + bytes;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const int products = 100000;
    const QString path = benchDatabase(app.arguments().value(1), dir, {products, 1000000});

    auto connection = Connection::open(path);
    // The baselines read through the bare C API on this connection's handle.
    const sqlite::Database baseline(path, sqlite::OpenMode::ReadOnly);
    sqlite3* raw = baseline.handle();

    int count = 0;
    // The read is timed; releasing the rows afterwards is not.
    std::unique_ptr<Recordset> rs;
    const double recordsetMs = bestMs(
        5,
        [&] {
            rs = std::make_unique<Recordset>();
            rs->Open("Select * from Products", connection);
            count = rs->RecordCount();
        },
        [&] { rs.reset(); });
    const double rawMs = bestMs(5, [&] { rawRead(raw, "SELECT * FROM Products"); });
    const double stepMs = bestMs(5, [&] { rawStep(raw, "SELECT * FROM Products"); });
    std::printf("Select * from Products (%d rows): Recordset %.1f ms; raw SQLite copying every "
                "value %.1f ms (ratio %.2f), raw SQLite only stepping %.1f ms (ratio %.2f); "
                "target ratio <= 2\n",
                count, recordsetMs, rawMs, recordsetMs / rawMs, stepMs, recordsetMs / stepMs);

    const int lookups = 2000;
    std::vector<int> ids;
    for (int i = 0; i < lookups; ++i)
        ids.push_back(1 + int((i * 7919LL) % products));
    QElapsedTimer t;
    t.start();
    for (int id : ids) {
        Recordset rs;
        rs.Open("Select * FROM [qryProducts] Where ProductID=" + QString::number(id), connection);
    }
    const double perQuery = t.nsecsElapsed() / 1e6 / lookups;
    t.restart();
    for (int id : ids)
        rawRead(raw, ("SELECT * FROM qryProducts WHERE ProductID=" + std::to_string(id)).c_str());
    const double rawPerQuery = t.nsecsElapsed() / 1e6 / lookups;
    std::printf("qryProducts for one product (%d lookups): Recordset %.3f ms, raw SQLite %.3f ms "
                "(target < 2 ms)\n",
                lookups, perQuery, rawPerQuery);
    return 0;
}
