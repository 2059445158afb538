#pragma once

#include "reports/engine/ReportSection.h"

#include <QString>

namespace quarvel::reports {

// The parts of the lists the program prints besides the five reports (the reorder list, the
// count sheet), on the printable width of a portrait page.

// The list's title, large and bold, with the date at the right; `height` in twips leaves room
// for what the caller adds below the title.
ReportSection listHeader(const QString& title, int height);
// "Page %p of %P" at the right of every page's foot.
ReportSection pageNumberFooter();

} // namespace quarvel::reports
