#pragma once

#include "DbTool.h"
#include "sqlite/Database.h"

#include <random>

namespace quarvel::dbtool {

// Fills an empty database with a large data set for benchmarks: options.products products,
// options.transactions inventory transactions over 2021 (about one in ten an order line),
// plus categories, suppliers, employees, shipping methods and purchase orders. A fixed
// seed of the standard Mersenne Twister (whose output sequence the C++ standard fixes)
// makes every run write the same rows.
class Generator {
public:
    explicit Generator(const GenerateOptions& options) : m_options(options) {}

    void fill(sqlite::Database& db);

private:
    void insertReferenceData(sqlite::Database& db);
    void insertProducts(sqlite::Database& db);
    void insertOrders(sqlite::Database& db);
    void insertTransactions(sqlite::Database& db);
    int pick(int count) { return int(m_random() % unsigned(count)); }

    GenerateOptions m_options;
    std::mt19937 m_random{20210101u};
    int m_orders = 0;
};

} // namespace quarvel::dbtool
