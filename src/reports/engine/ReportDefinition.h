#pragma once

#include "ReportFont.h"
#include "ReportSection.h"

#include <QMargins>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <array>

namespace quarvel::reports {

// A report layout as data. The report header prints once at the top of the first page; the
// page header and footer on every page; for every master row the group header, the detail
// once per child row (once per row in a report without child rows, which leaves the group
// sections empty) and the group footer; the report footer after the last group.
// A group header keeps with the group's first detail row and a group footer with its last, and
// a group that goes on over a page break repeats its header at the top of the next page, its
// `continuedItem` marked as continued.
struct ReportDefinition {
    QString name;     // designer name, e.g. "DataReport1"
    QString title;    // the preview window's title
    int width = 9360; // twips, the printable width the items are laid out in
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPageSize pageSize = QPageSize(QPageSize::Letter);
    QMargins margins = QMargins(1440, 1440, 1440, 1440); // twips
    ReportFont font;                                     // the default of every text item
    // The group header's field that names the group, marked on a repeated header; empty: its
    // first field.
    QString continuedItem;

    ReportSection reportHeader;
    ReportSection pageHeader;
    ReportSection groupHeader;
    ReportSection detail;
    ReportSection groupFooter;
    ReportSection pageFooter;
    ReportSection reportFooter;

    // The item of that designer name in any section; throws ReportError when there is none.
    ReportItem& item(const QString& itemName);
    const ReportItem& item(const QString& itemName) const;
    // All seven sections in printing order.
    std::array<ReportSection*, 7> sections();
    std::array<const ReportSection*, 7> sections() const;
};

} // namespace quarvel::reports
