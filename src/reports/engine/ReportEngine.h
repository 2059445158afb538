#pragma once

// Quarvel's report runtime, all in one include. Written by hand: Debian 12 packages no report
// engine for Qt 6, and the reports are fixed positions in twips with master/detail bands.
//
//   ReportDefinition  sections and items (labels, fields, sums, lines, shapes) in twips
//   ReportTable, ReportData   master rows, child rows and their relation
//   ShapeCommand      a report command split into its master and child queries
//   formatValue       the report format strings ("$##0.00", "mm/dd/yyyy", "Long Date", ...)
//   layoutReport      pages of positioned items, ready to inspect or paint
//   paintReport       onto any QPagedPaintDevice; writePdf; showReportPreview

#include "ReportData.h"
#include "ReportDefinition.h"
#include "ReportDocument.h"
#include "ReportError.h"
#include "ReportFormat.h"
#include "ReportLayout.h"
#include "ReportPainter.h"
#include "ReportPdf.h"
#include "ReportPreview.h"
#include "ReportTable.h"
#include "ShapeCommand.h"
