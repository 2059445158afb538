#pragma once

#include "reorder/Suggestion.h"

#include <QDate>
#include <QList>
#include <memory>
#include <vector>

namespace quarvel {
class Connection;
}

namespace quarvel::reorder {

// What creating the orders made.
struct DraftResult {
    QList<qint64> orders; // the new orders' keys, in the order made
    int lines = 0;
};

// Makes one purchase order per supplier, dated `today` and numbered after the highest order
// number, with one line per ticked suggestion of that supplier that has a quantity (units
// ordered, unit price, dated today); suggestions without a supplier are left out. All in one
// transaction: a failure leaves nothing made, and throws DatabaseError.
DraftResult createOrders(const std::shared_ptr<Connection>& connection,
                         const std::vector<Suggestion>& suggestions, const QDate& today);

} // namespace quarvel::reorder
