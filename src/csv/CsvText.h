#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

namespace quarvel::csv {

// How a value is written into a CSV file. Portable: dates as YYYY-MM-DD, numbers with a dot
// and no grouping, so that a spreadsheet in any language reads them back as dates and numbers.
// Shown: as the locale shows them (short date with a four-digit year, the locale's decimal
// point), for a file meant to be read by people rather than programs.
enum class Style { Portable, Shown };

// The text of a stored value: a Null is empty; a date (a QDate, or text that is already
// YYYY-MM-DD) in the style's form; a number in the style's form, whole numbers without a
// fraction; anything else as its text.
QString textOf(const QVariant& value, Style style = Style::Portable,
               const QLocale& locale = QLocale());

} // namespace quarvel::csv

#include <qnamespace.h>

namespace quarvel::csv {

// The model role of a cell's value as an export writes it: the stored value (a number, a date)
// rather than its display text, or the text shown where the shown text is the value (a list
// column's chosen name). A model without it is exported as it displays.
constexpr int PortableValueRole = Qt::UserRole + 0x0C5F;

} // namespace quarvel::csv
