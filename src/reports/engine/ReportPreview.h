#pragma once

#include "ReportData.h"
#include "ReportDefinition.h"
#include "ReportLayout.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace quarvel::reports {

struct PreviewOptions {
    // Date and time for %D and %T (when `now` is not valid, the time the preview opens),
    // locale, and the printer's page size or orientation when they differ from the report's.
    LayoutOptions layout;
    // The printer to preview and print on, already set up by the caller (for example with
    // the default printer's orientation); when null, a printer with the report's page size and
    // orientation is used.
    QPrinter* printer = nullptr;
    // Asks for the file of "Save as PDF..."; an empty answer cancels. Default: a file dialog.
    std::function<QString(QWidget* parent)> choosePdfPath;
    // Asks for the file of "Export to CSV..."; an empty answer cancels. Default: a file dialog.
    std::function<QString(QWidget* parent)> chooseCsvPath;
    // Told about a failure inside the preview (a PDF that cannot be written). Default: a
    // warning in the log; the caller may show a message box instead.
    std::function<void(const QString& message)> reportError;
};

// Shows the report in a modal print preview titled with the report's title, from which the
// user prints it or saves it as PDF (the toolbar action "Save as PDF...", objectName
// "savePdfAction") or writes its rows to a CSV file (beside it, "Export to CSV...", objectName
// "exportCsvAction", see reportCsvRows). Returns when the preview closes. The pages are laid out
// again when the user changes the printer's orientation or paper in the preview. Throws ReportError
// when the report cannot be laid out (before anything is shown).
void showReportPreview(const ReportDefinition& definition, const ReportData& data,
                       const PreviewOptions& options = {}, QWidget* parent = nullptr);

} // namespace quarvel::reports
