#pragma once

#include "reports/engine/ReportDefinition.h"

#include <QtGlobal>

namespace quarvel::shell {
class Session;
}

namespace quarvel::reports {

// The initialise handler of DataReport<number> (1 to 5), run on a freshly created report
// before it is shown: the window caption (the report's title), the printer orientation the
// report is laid out for through SetPrinterOrientation (portrait for 1, 2 and 5, landscape for
// 3 and 4), and
//   DataReport2: lblPeriod = "For Transactions Between:" + strBeginDate + " and " + strEndDate
//                (the session's);
//   DataReport5: lblPhone = "Phone: " + phone + "  Fax: " + fax, both through FormatPhoneNumber,
//                read from the My Company Information row on a new SharedConnection.
// No trap of its own: failures (for example no company row) throw to the caller.
void DataReport_Initialize(int number, ReportDefinition& report, qintptr windowHandle,
                           const shell::Session& session);

// The period line of DataReport2 for the session's period texts.
QString periodLine(const shell::Session& session);

} // namespace quarvel::reports
