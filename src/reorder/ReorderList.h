#pragma once

#include "reorder/Suggestion.h"

#include <QDate>
#include <memory>
#include <vector>

namespace quarvel {
class Connection;
}

namespace quarvel::reorder {

// The days of sales the units sold per day are averaged over.
constexpr int salesDays = 90;

// The products that need ordering on `today`, in no particular order, each with its suggested
// quantity and the supplier and unit price of its last order line. Products without a reorder level
// are never listed. Reads with a few statements over every transaction (on both engines); throws
// DatabaseError.
std::vector<Suggestion> readSuggestions(const std::shared_ptr<Connection>& connection,
                                        const QDate& today);

} // namespace quarvel::reorder
