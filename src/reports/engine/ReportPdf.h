#pragma once

#include "ReportData.h"
#include "ReportDefinition.h"
#include "ReportDocument.h"
#include "ReportLayout.h"

#include <QString>

namespace quarvel::reports {

// Writes the report as a PDF file (QPdfWriter at 1440 dots per inch, so device units are
// twips). Throws ReportError when the file cannot be written or a field is missing.
// The first form lays out and writes one page at a time; it returns the number of pages.
int writePdf(const ReportDefinition& definition, const ReportData& data, const QString& path,
             const LayoutOptions& options);
void writePdf(const ReportDocument& document, const QString& path);

} // namespace quarvel::reports
