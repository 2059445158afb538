#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace quarvel {

// A date as a user types it into a date box shown as "MM/dd/yyyy": month/day/year with one or
// two digits for month and day and two or four for the year, or else the locale's short date.
// A two-digit year is one of 2000 to 2099, whatever the locale would make of it. Invalid when
// the text is neither (an impossible date such as 13/45/2021 included).
QDate typedDate(const QString& text, const QLocale& locale = QLocale());

} // namespace quarvel
