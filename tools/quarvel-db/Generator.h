#pragma once

#include "DbTool.h"
#include "sqlite/Database.h"

#include <random>
#include <vector>

namespace quarvel::dbtool {

// Fills an empty database with a large data set for benchmarks: options.products products,
// options.transactions inventory transactions over 2021 (about one in ten an order line),
// plus categories, suppliers, employees, shipping methods, options.orders purchase orders
// (one per 40 transactions when 0) and options.lines more order lines, each order's lines
// together and dated with the order. A fixed
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
    void insertOrderLines(sqlite::Database& db);
    int pick(int count) { return int(m_random() % unsigned(count)); }

    GenerateOptions m_options;
    std::mt19937 m_random{20210101u};
    int m_orders = 0;
    // The day of 2021 (from 0) of each order's date.
    std::vector<int> m_orderDays;
};

} // namespace quarvel::dbtool
