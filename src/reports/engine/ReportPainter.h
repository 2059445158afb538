#pragma once

#include "ReportDocument.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace quarvel::reports {

// Paints laid-out pages onto a printer, a PDF writer or any other paged device: the device
// gets the document's paper size and orientation with the whole sheet as paint area, and the
// painter maps twips to the device's resolution (at 1440 dots per inch one unit is one twip).
// Throws ReportError when painting cannot start (for example an unwritable file).
void paintReport(const ReportDocument& document, QPagedPaintDevice& device);

// Paints one page with a painter whose coordinates are already twips from the paper's corner.
void paintPage(QPainter& painter, const LaidOutPage& page);

} // namespace quarvel::reports
