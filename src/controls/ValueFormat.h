#pragma once

#include <QString>
#include <QVariant>

namespace quarvel::controls::ValueFormat {

// The short date of the default locale (QLocale()), as format::shortDateFormat writes it, the
// reports' too. Grids, boxes and messages all show dates in this one form, and typed dates are
// read in it.
QString shortDateFormat();

// A field value as a control shows it: format::generalText in the default locale, dates in
// `dateFormat` (the short date when it is empty), as a report shows the same value.
QString displayText(const QVariant& value, const QString& dateFormat = {});

} // namespace quarvel::controls::ValueFormat
