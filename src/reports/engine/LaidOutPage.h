#pragma once

#include "LaidOutItem.h"

#include <QStringList>
#include <vector>

namespace quarvel::reports {

// The items of one printed page, in painting order.
struct LaidOutPage {
    int number = 0; // 1-based
    std::vector<LaidOutItem> items;

    // Every text item's text, in order.
    QStringList texts() const;
    // The items of that designer name (a field repeats once per row), in order.
    std::vector<const LaidOutItem*> find(const QString& name) const;
};

} // namespace quarvel::reports
