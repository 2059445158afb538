#pragma once

#include "sqlite/Database.h"

#include <QVariant>

namespace quarvel::dbtool {

// The sample business written by "quarvel-db init --sample": Cedar Ridge Garden Supply, a
// garden shop with 25 products, six suppliers and a year (2021) of purchase orders, receipts,
// sales and shrinkage. Everything is fixed data or computed from it, so every run writes the
// same rows.
class SampleData {
public:
    // Fills an empty database (schema in place, inside the caller's transaction).
    static void fill(sqlite::Database& db);
    // The single company row, with the given report period and order to print (null: empty).
    static void insertCompany(sqlite::Database& db, const QVariant& beginDate,
                              const QVariant& endDate, const QVariant& purchaseOrderId = {});
};

} // namespace quarvel::dbtool
