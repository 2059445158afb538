#pragma once

#include "reports/engine/ReportDefinition.h"

#include <QColor>
#include <QString>
#include <QStringList>

namespace quarvel::reports {

// The five report layouts as designed, before their initialise handlers run:
//   DataReport1 "Product Cost Comparisons"      command cm1, portrait
//   DataReport2 "Product Purchases by Supplier" command cm2, portrait
//   DataReport3 "Product Summary"               command cm3, landscape
//   DataReport4 "Product Transaction Detail"    command cm4, landscape
//   DataReport5 "Purchase Order"                command cm5, portrait
ReportDefinition DataReport1();
ReportDefinition DataReport2();
ReportDefinition DataReport3();
ReportDefinition DataReport4();
ReportDefinition DataReport5();

// The title of DataReport<number> (1 to 5), which its header and its window show; empty for
// another number.
QString reportTitle(int number);

// The layout of DataReport<number> (1 to 5); throws ReportError for another number.
ReportDefinition dataReport(int number);
// The data member (command) a report is bound to: "cm1" ... "cm5".
QString dataMemberOf(int number);
// Every column a report's fields and sums read, for loading only those.
QStringList dataFieldsOf(const ReportDefinition& definition);

namespace reportcolors {
inline const QColor headerTime(128, 128, 255); // &H00FF8080&
inline const QColor heading(0, 0, 128);        // &H00800000&
inline const QColor band(224, 224, 224);       // &H00E0E0E0&
inline const QColor frame(0, 0, 192);
} // namespace reportcolors

} // namespace quarvel::reports
