#pragma once

#include "ReportData.h"
#include "ReportDefinition.h"
#include "ReportDocument.h"
#include "ReportLayout.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace quarvel::reports {

// Paints pages one after another onto a paged device set up for the given paper (the pages
// of `setup` are not used). Throws ReportError when painting cannot start.
class ReportPagePainter {
public:
    ReportPagePainter(const ReportDocument& setup, QPagedPaintDevice& device);
    ~ReportPagePainter();
    ReportPagePainter(const ReportPagePainter&) = delete;
    ReportPagePainter& operator=(const ReportPagePainter&) = delete;

    void paint(const LaidOutPage& page);

private:
    QPagedPaintDevice& m_device;
    QPainter m_painter;
    double m_scaleX = 1;
    double m_scaleY = 1;
    bool m_first = true;
};

// Paints laid-out pages onto a printer, a PDF writer or any other paged device: the device
// gets the document's paper size and orientation with the whole sheet as paint area, and the
// painter maps twips to the device's resolution (at 1440 dots per inch one unit is one twip).
// Throws ReportError when painting cannot start (for example an unwritable file).
void paintReport(const ReportDocument& document, QPagedPaintDevice& device);
// Lays the report out and paints it page by page, holding one page at a time.
// Returns the number of pages.
int paintReport(const ReportDefinition& definition, const ReportData& data,
                const LayoutOptions& options, QPagedPaintDevice& device);

// Paints one page with a painter whose coordinates are already twips from the paper's corner.
void paintPage(QPainter& painter, const LaidOutPage& page);

} // namespace quarvel::reports
