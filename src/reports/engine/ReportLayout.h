#pragma once

#include "ReportData.h"
#include "ReportDefinition.h"
#include "ReportDocument.h"

#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <optional>

namespace quarvel::reports {

struct LayoutOptions {
    QDateTime now; // the date and time printed for %D and %T
    QLocale locale = QLocale::system();
    // The printer's own choices, when they differ from the definition's.
    std::optional<QPageLayout::Orientation> orientation;
    std::optional<QPageSize> pageSize;
};

// Lays a report out into pages. Sections are never split: one that does not fit below what
// the page already holds moves to the next page (a section taller than a whole page prints
// cut off at the page footer). The page footer sits at the bottom of each page's printable
// area. Throws ReportError for a field the data does not have.
ReportDocument layoutReport(const ReportDefinition& definition, const ReportData& data,
                            const LayoutOptions& options);

} // namespace quarvel::reports
