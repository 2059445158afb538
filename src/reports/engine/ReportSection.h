#pragma once

#include "ReportItem.h"

#include <QString>
#include <vector>

namespace quarvel::reports {

// One band of a report: its designer name, its height in twips and its items. A section of
// height 0 without items prints nothing.
struct ReportSection {
    QString name;
    int height = 0;
    std::vector<ReportItem> items;

    bool isEmpty() const { return height <= 0 && items.empty(); }
};

} // namespace quarvel::reports
