#pragma once

#include "reorder/Suggestion.h"
#include "reports/engine/ReportData.h"
#include "reports/engine/ReportDefinition.h"

#include <QHash>
#include <vector>

namespace quarvel::reorder {

// The printed Reorder Stock list: a heading with the date, then each supplier (those not yet
// chosen last, under "No supplier yet") with its products' figures, suggested quantities and
// prices, and whether each is ticked for ordering.
reports::ReportDefinition reorderReport();
// The list's rows for the report, grouped by supplier as the window shows them.
reports::ReportData reorderReportData(const std::vector<Suggestion>& rows,
                                      const QHash<qint64, QString>& suppliers);

} // namespace quarvel::reorder
