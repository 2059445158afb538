#include "DataReportInitialize.h"

#include "DataReports.h"
#include "Printers.h"
#include "data/ConnectionString.h"
#include "data/PhoneNumber.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "reports/engine/ReportError.h"
#include "shell/Globals.h"
#include "shell/Session.h"

namespace quarvel::reports {

namespace {

constexpr int paperLegal = 5; // the paper code every report passes; never applied

int orientationOf(int number) {
    return number == 3 || number == 4 ? 2 : 1;
}

QString phoneLine() {
    SharedConnection = OpenConnection();
    Recordset company;
    company.Open(QStringLiteral("Select * FROM [My Company Information]"), SharedConnection);
    company.Requery();
    company.MoveFirst();
    const QString line =
        QStringLiteral("Phone: ") +
        FormatPhoneNumber(company.Fields(QStringLiteral("PhoneNumber")).toString()) +
        QStringLiteral("  Fax: ") +
        FormatPhoneNumber(company.Fields(QStringLiteral("FaxNumber")).toString());
    company.Close();
    return line;
}

} // namespace

QString periodLine(const shell::Session& session) {
    return QStringLiteral("For Transactions Between:") + session.strBeginDate +
           QStringLiteral(" and ") + session.strEndDate;
}

void DataReport_Initialize(int number, ReportDefinition& report, qintptr windowHandle,
                           const shell::Session& session) {
    if (number < 1 || number > 5)
        throw ReportError(QStringLiteral("There is no report DataReport%1.").arg(number));
    // The caption of the report's window, which the preview shows.
    report.title = reportTitle(number);
    int paperSize = paperLegal;
    int orientation = orientationOf(number);
    SetPrinterOrientation(windowHandle, paperSize, orientation);
    if (number == 2)
        report.item(QStringLiteral("lblPeriod")).caption = periodLine(session);
    if (number == 5)
        report.item(QStringLiteral("lblPhone")).caption = phoneLine();
}

} // namespace quarvel::reports
