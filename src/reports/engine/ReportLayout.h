#pragma once

#include "ReportData.h"
#include "ReportDefinition.h"
#include "ReportDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <functional>
#include <optional>

namespace quarvel::reports {

struct LayoutOptions {
    QDateTime now; // the date and time printed for %D and %T
    QLocale locale = QLocale::system();
    // The printer's own choices, when they differ from the definition's.
    std::optional<QPageLayout::Orientation> orientation;
    std::optional<QPageSize> pageSize;
    // Follows the group's name in a group header repeated on a new page.
    QString continuedMark =
        QCoreApplication::translate("quarvel::reports::ReportLayout", "(continued)");
};

// Called with each laid-out page in turn.
using PageSink = std::function<void(LaidOutPage&&)>;

// The paper, orientation and margins a report is laid out on, without pages.
ReportDocument pageSetup(const ReportDefinition& definition, const LayoutOptions& options);

// Lays a report out and hands over one page at a time, so memory does not grow with the
// length of the report. A first, measuring pass counts the pages for "%P". Returns the
// number of pages.
int layoutReportPages(const ReportDefinition& definition, const ReportData& data,
                      const LayoutOptions& options, const PageSink& sink);

// Lays a report out into pages. Sections are never split: one that does not fit below what
// the page already holds moves to the next page (a section taller than a whole page prints
// cut off at the page footer). A group header moves on with the group's first detail row (and
// its footer, when that row is the only one), a group footer takes at least the group's last
// detail row with it, and a group continued on a new page repeats its header there, marked
// with LayoutOptions::continuedMark. The page footer sits at the bottom of each page's printable
// area. Throws ReportError for a field the data does not have.
ReportDocument layoutReport(const ReportDefinition& definition, const ReportData& data,
                            const LayoutOptions& options);

} // namespace quarvel::reports
