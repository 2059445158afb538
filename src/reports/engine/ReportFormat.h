#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <QVariant>

namespace quarvel::reports {

// The text of a value under a report format string. Hand-written because the format strings
// are those of the original report runtime, which no Qt or C++ library reads.
//
// Number formats: literal text before and after the digits ("$##0.00"); "0" a digit always
// printed, "#" a digit printed when needed; "." the decimal point; "," or one blank between
// integer digits groups the integer part by threes with that character ("$# ##0.00" prints
// 12345.5 as "$12 345.50" and 5 as "$5.00", never with a stray blank); a trailing "%" scales
// by 100; a second section after ";" formats negative numbers, otherwise a negative number
// gets a leading "-" before the whole text ("-$3.00"), dropped when the rounded value is zero.
// Rounding is half away from zero on the value's 15 significant decimal digits, so 2.675
// gives "2.68" and 0.1 + 0.2 gives "0.30".
//
// Date formats: d dd ddd dddd, m mm mmm mmmm (minutes after h), yy yyyy, h hh, n nn, s ss,
// AM/PM, text in quotes and after "\" literal; "/" and ":" print as they stand. Named
// formats: "General Number", "Currency" ("$#,##0.00"), "Fixed" ("0.00"), "Standard"
// ("#,##0.00"), "Percent" ("0.00%"), "Short Date", "Long Date", "Short Time", "Medium Time",
// "Long Time"; the date and time names use the locale's forms.
//
// The general form (empty format): null prints nothing, integers plainly, other numbers with
// at most 15 significant digits and no trailing zeros, dates in the short date form, date and
// time values with their time when it is not midnight, booleans as True/False.
//
// Values: numbers or text that reads as a number for number formats; QDate, QDateTime or
// text 'YYYY-MM-DD' (optionally followed by a time) for date formats. A value the format does
// not apply to prints in the general form.
QString formatValue(const QVariant& value, const QString& format,
                    const QLocale& locale = QLocale::system());

// The locale's long date ("Wednesday, January 1, 2025") and long time ("1:02:03 PM", without a
// time-zone name).
QString longDate(const QDate& date, const QLocale& locale);
QString longTime(const QTime& time, const QLocale& locale);
// The locale's short date with a four-digit year.
QString shortDate(const QDate& date, const QLocale& locale);

} // namespace quarvel::reports
