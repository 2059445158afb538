#pragma once

#include "ReportData.h"

#include <QList>
#include <QStringList>

namespace quarvel::reports {

// The rows of a report as a table for a CSV file: the header of its query's column names, then
// one row per row of a flat report; for a master/detail report one row per child row, its
// master row's values first, and a master row without child rows once with empty child
// values. The child's relation column, which repeats the master's, is left out. Values are
// written portably (dates YYYY-MM-DD, numbers with a dot).
QList<QStringList> reportCsvRows(const ReportData& data);

} // namespace quarvel::reports
