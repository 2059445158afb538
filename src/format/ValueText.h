#pragma once

#include <QLocale>
#include <QString>
#include <QTime>
#include <QVariant>

// How the program writes a value that has no format of its own, in its windows and in its
// reports alike: one module, so that a grid and a printed report never show the same stored
// value two ways.
namespace quarvel::format {

// A date format with every two-digit year ("yy") written with four digits ("yyyy").
QString withFourDigitYear(QString format);

// The short date of `locale`, all in digits with a four-digit year: "M/d/yy" becomes
// "M/d/yyyy", "dd.MM.yy" becomes "dd.MM.yyyy". A locale whose short date names the month or
// the day (the C locale's "d MMM yyyy") gets "MM/dd/yyyy".
QString shortDateFormat(const QLocale& locale = QLocale());

// The locale's long time ("1:02:03 PM"), without a time-zone name.
QString longTime(const QTime& time, const QLocale& locale = QLocale());

// Whether a value is a number: the integer and floating-point types (a boolean is not one).
bool isNumber(const QVariant& value);

// The general form of a value: Null as empty text; integers plainly; other numbers with at
// most 15 significant digits and no floating-point noise (3 * 0.1 is "0.3", zero is "0",
// never "-0"); booleans as True/False; dates in `dateFormat`, the short date when it is empty;
// a date and time with its long time when that is not midnight; anything else as its text.
QString generalText(const QVariant& value, const QLocale& locale = QLocale(),
                    const QString& dateFormat = {});

} // namespace quarvel::format
