#pragma once

#include <cstddef>
#include <sqlite3.h>
#include <string>

// The raw baseline of the window benchmarks: reads every value of every row straight through
// the SQLite C API, as a client cursor must, and returns the bytes seen.
inline std::size_t rawRead(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    std::size_t bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) {
            if (sqlite3_column_type(stmt, i) == SQLITE_TEXT)
                sqlite3_column_text(stmt, i);
            bytes += std::size_t(sqlite3_column_bytes(stmt, i)) + 1;
        }
    }
    sqlite3_finalize(stmt);
    return bytes;
}
