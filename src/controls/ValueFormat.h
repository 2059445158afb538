#pragma once

#include <QString>
#include <QVariant>

namespace quarvel::controls::ValueFormat {

// The platform's "short date": the system locale's short date format, with a two-digit year
// widened to four digits ("M/d/yy" becomes "M/d/yyyy").
QString shortDateFormat();

// A field value as a control shows it: Null as empty text, dates in `dateFormat` (the short
// date when it is empty), numbers in general form without floating-point noise
// (15 significant digits), everything else as its text.
QString displayText(const QVariant& value, const QString& dateFormat = {});

} // namespace quarvel::controls::ValueFormat
