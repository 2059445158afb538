#pragma once

#include <QString>
#include <optional>

namespace quarvel::reorder {

// A product's lead time as people write it in its Lead Time box: a number and a unit of
// days, weeks or months ("10 days", "2 weeks", "1 month", "1.5 Weeks"), in days (a month is
// 30 days). nullopt for any other text (empty, "soon", "10", "2-3 weeks"): the program does
// not guess what it means.
std::optional<double> leadTimeDays(const QString& text);

} // namespace quarvel::reorder
