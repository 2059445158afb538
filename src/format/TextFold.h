#pragma once

#include <QString>

namespace quarvel::format {

// Text as people compare it when they look for or sort names: lower case (full case folding)
// without diacritical marks, "Éclair" -> "eclair". Two names that differ only in case or
// accents fold alike; folded names compare in the order of their letters.
QString folded(const QString& text);

} // namespace quarvel::format
