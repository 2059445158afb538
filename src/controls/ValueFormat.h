#pragma once

#include <QString>
#include <QVariant>

namespace quarvel::controls::ValueFormat {

// The short date of the default locale (QLocale()), all in digits with a four-digit year:
// "M/d/yy" becomes "M/d/yyyy", "dd.MM.yy" becomes "dd.MM.yyyy". A locale whose short date
// names the month (the C locale's "d MMM yyyy") gets "MM/dd/yyyy". Grids, boxes and
// messages all show dates in this one form, and typed dates are read in it.
QString shortDateFormat();

// A field value as a control shows it: Null as empty text, dates in `dateFormat` (the short
// date when it is empty), numbers in general form without floating-point noise
// (15 significant digits), everything else as its text.
QString displayText(const QVariant& value, const QString& dateFormat = {});

} // namespace quarvel::controls::ValueFormat
