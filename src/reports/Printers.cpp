#include "Printers.h"

#include "DataEnvironment.h"
#include "DataReportInitialize.h"
#include "DataReports.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/SharedConnection.h"
#include "platform/MessageBox.h"
#include "platform/PrinterDefaults.h"
#include "reports/engine/ReportPreview.h"
#include "shell/WindowTable.h"

#include <QApplication>
#include <QPrinter>
#include <optional>

namespace quarvel::reports {

namespace {

using platform::PrinterOrientation;

SavedPrinterSettings saved;
ReportShowHook showHook;
// The user's printer options before and after the last change of SetPrinterOrientation;
// unset until it has found a default printer.
std::optional<platform::OrientationSnapshot> beforeChange;
std::optional<platform::OrientationSnapshot> afterChange;
qintptr nextWindowHandle = 1;

int orientationCode(PrinterOrientation orientation) {
    switch (orientation) {
    case PrinterOrientation::Portrait:
        return 1;
    case PrinterOrientation::Landscape:
        return 2;
    default:
        return 0;
    }
}

std::optional<PrinterOrientation> fromCode(int code) {
    if (code == 1)
        return PrinterOrientation::Portrait;
    if (code == 2)
        return PrinterOrientation::Landscape;
    return std::nullopt;
}

void showModally(const ReportDefinition& report, const ReportData& data, QWidget* parent) {
    // The report's printer takes the default printer's orientation as it is now, after the
    // initialise handler changed it; Qt does not read it from the lpoptions defaults itself.
    QPrinter printer(QPrinter::HighResolution);
    platform::applyDefaultOrientation(printer, report.orientation);
    const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
    if (showHook) {
        showHook(report, data, orientation);
        return;
    }
    PreviewOptions options;
    options.printer = &printer;
    options.layout.orientation = orientation;
    options.reportError = [parent](const QString& message) {
        platform::msgBox(parent, message, platform::msgstyle::exclamation);
    };
    showReportPreview(report, data, options, parent);
}

// Creates DataReport<number> on the data source's rows, runs its initialise handler and
// shows it.
void showDataReport(int number, const DataEnvironment& de1, const shell::Session& session,
                    QWidget* parent) {
    ReportDefinition report = dataReport(number);
    const ReportData data = de1.load(dataMemberOf(number), dataFieldsOf(report));
    DataReport_Initialize(number, report, nextWindowHandle++, session);
    showModally(report, data, parent);
}

} // namespace

void showReport(const ReportDefinition& report, const ReportData& data, QWidget* parent) {
    showModally(report, data, parent);
}

void ShowReport(int reportNumber, shell::Session& session, QWidget* parent) {
    if (!parent)
        parent = QApplication::activeWindow();
    SharedConnection = OpenConnection();
    // de1 with its connection re-pointed at the program's database; released on return.
    const DataEnvironment de1(Connection::open(BuildConnectionString()));
    const int number = dataReportOf(reportNumber);
    if (number == 0)
        return;
    if (reportNumber == ProductPurchasesBySupplier)
        shell::WindowTable::openWindow(shell::WindowId::Form10, parent);
    showDataReport(number, de1, session, parent);
    if (reportNumber == ProductSummary || reportNumber == ProductTransactionDetail)
        RestorePrinterSettings();
}

int dataReportOf(int reportNumber) {
    switch (reportNumber) {
    case ProductCostComparisons:
        return 1;
    case ProductPurchasesBySupplier:
        return 2;
    case ProductSummary:
        return 3;
    case ProductTransactionDetail:
        return 4;
    case PurchaseOrder:
        return 5;
    default:
        return 0;
    }
}

void SetPrinterOrientation(qintptr windowHandle, int /*paperSize*/, int orientation) {
    saved.windowHandle = windowHandle;
    auto before = platform::orientationSnapshot();
    if (!before) {
        beforeChange.reset();
        afterChange.reset();
        return;
    }
    saved.paperSize = platform::defaultPaperSize();
    saved.orientation = orientationCode(platform::defaultOrientation());
    if (const auto wanted = fromCode(orientation))
        platform::setDefaultOrientation(*wanted);
    beforeChange = std::move(before);
    afterChange = platform::orientationSnapshot();
}

void RestorePrinterSettings() {
    if (!beforeChange || !afterChange || !platform::hasDefaultPrinter())
        return;
    platform::restoreOrientation(*beforeChange, *afterChange);
}

SavedPrinterSettings savedPrinterSettings() {
    return saved;
}

void setReportShowHook(ReportShowHook hook) {
    showHook = std::move(hook);
}

} // namespace quarvel::reports
