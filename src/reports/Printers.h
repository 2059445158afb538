#pragma once

#include "reports/engine/ReportData.h"
#include "reports/engine/ReportDefinition.h"

#include <QPageLayout>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace quarvel::shell {
class Session;
}

namespace quarvel::reports {

// Report start-up and the default printer's orientation.
//
// The numbers ShowReport takes: what the Reports window's buttons and "Preview Order" show.
enum ReportNumber : int {
    ProductCostComparisons = 1,     // DataReport1
    ProductPurchasesBySupplier = 2, // the "Report Date Range" window (Form10), then DataReport2
    ProductSummary = 3,             // DataReport3, then RestorePrinterSettings
    ProductTransactionDetail = 5,   // DataReport4, then RestorePrinterSettings
    PurchaseOrder = 6               // DataReport5
};

// The DataReport (1 to 5) a report number shows; 0 for any other number.
int dataReportOf(int reportNumber);

// ShowReport(reportNumber) is the one way a report is shown; any number that is no
// ReportNumber connects the data source and releases it, and shows nothing.
// It opens a new SharedConnection and gives the data source `de1` a fresh connection on
// BuildConnectionString(), loads the report's rows, runs its initialise handler (which sets
// the default printer's orientation) and shows the report modally in a print preview whose
// printer has the orientation the default printer has at that moment (the report's own when
// there is no default printer). It has no trap: errors throw to the calling button's trap,
// and nothing is shown after one. The rows are read before the initialise handler runs, so a
// report whose data cannot be read leaves the printer as it was.
void ShowReport(int reportNumber, shell::Session& session, QWidget* parent = nullptr);

// Shows a list the program prints besides the five reports (the reorder list, the count
// sheet) as ShowReport shows a report: modally, in a preview whose printer has the default
// printer's orientation (or the report's own). Throws ReportError when it cannot be laid out.
void showReport(const ReportDefinition& report, const ReportData& data, QWidget* parent);

// Remembers the window handle, the default printer's paper size (a Windows paper code, 0 when
// unknown) and orientation (1 portrait, 2 landscape, 0 when it has none), and the user's own
// printer options as they stand, then sets the orientation: 1 portrait, 2 landscape, 0 (or
// anything else) leaves it. The paper size passed in is accepted and never applied: the
// printer's media default is never written. Without a default printer only the handle is
// remembered.
void SetPrinterOrientation(qintptr windowHandle, int paperSize, int orientation);

// Puts the default printer's options back as the last SetPrinterOrientation found them: the
// user's lpoptions file comes back byte for byte (whatever orientation it held: "landscape",
// reverse landscape or portrait, or none), unless another program changed it in the meantime,
// in which case only the orientation options are set back and that change is kept. Nothing
// happens without a default printer or before any orientation was remembered.
void RestorePrinterSettings();

// The values SetPrinterOrientation remembers (lngSavedHwnd, lngSavedPaperSize,
// lngSavedOrientation), zero at program start.
struct SavedPrinterSettings {
    qintptr windowHandle = 0;
    int paperSize = 0;
    int orientation = 0;
};
SavedPrinterSettings savedPrinterSettings();

// Replaces the modal preview: receives the initialised report, its rows and the orientation
// of the printer the report would be shown on, and returns when "the report window" closes.
// Pass {} to show the real preview again. For tests.
using ReportShowHook = std::function<void(const ReportDefinition&, const ReportData&,
                                          QPageLayout::Orientation printerOrientation)>;
void setReportShowHook(ReportShowHook hook);

} // namespace quarvel::reports
