#pragma once

#include <QString>

namespace quarvel::shell {

// The application title made from a product name: cut at the last blank (the blank and
// everything after it go), again and again while the text is longer than 40 characters. The
// first cut always happens. A name with no blank to cut at keeps its first 40 characters.
QString applicationTitleFor(const QString& productName);

// Makes the title of productName the application title (the application name, the
// title of every message box without one of its own) and returns it.
QString SetApplicationTitle(const QString& productName = QStringLiteral("Quarvel"));

} // namespace quarvel::shell
