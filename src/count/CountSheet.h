#pragma once

#include "reports/engine/ReportData.h"
#include "reports/engine/ReportDefinition.h"

namespace quarvel {
class Recordset;
}

namespace quarvel::count {

// The count sheet, for counting on paper: each product of the count with its category, its
// expected units (left out for a blind count) and a space to write the units counted in (or
// what is typed already).
reports::ReportDefinition countSheet(bool blind);
// The rows of the count's lines as the window shows them; `shown` names what they are (a
// category, or all).
reports::ReportData countSheetData(const Recordset& lines, const QString& shown);

} // namespace quarvel::count
