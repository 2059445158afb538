#pragma once

#include "LaidOutPage.h"

#include <QMargins>
#include <QPageLayout>
#include <QPageSize>
#include <QSize>
#include <QString>
#include <vector>

namespace quarvel::reports {

// A report laid out into pages, ready to paint or to inspect.
struct ReportDocument {
    QString title;
    QPageSize pageSize;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSize paper;      // twips, oriented
    QMargins margins; // twips
    std::vector<LaidOutPage> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
};

} // namespace quarvel::reports
