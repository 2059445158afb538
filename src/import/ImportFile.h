#pragma once

#include "csv/CsvReader.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <optional>

namespace quarvel::import {

// How dates are written in a file.
enum class DateOrder { Iso, DayMonthYear, MonthDayYear };

// How a file is read: its CSV dialect, whether numbers have a decimal comma (as a spreadsheet
// in German writes them beside semicolons), and its date order.
struct FileFormat {
    csv::Dialect dialect;
    bool decimalComma = false;
    DateOrder dates = DateOrder::Iso;
};

// A CSV file to import: its header and data rows, as read in a format.
struct ImportFile {
    QByteArray bytes;
    FileFormat format;
    QStringList header;
    QList<QStringList> rows;

    // Reads `bytes` in `format`, or in the format detect() finds. Throws csv::ReadError.
    static ImportFile read(const QByteArray& bytes, std::optional<FileFormat> format = {});
    // The format of a file: its dialect, a decimal comma beside semicolons, and the date order
    // that reads every date-like value of the file (ISO when none or several do).
    static FileFormat detect(const QByteArray& bytes);

    // A date in that order ("2021-03-09", "9.3.2021", "3/9/2021"); invalid when it is none.
    static QDate parseDate(const QString& text, DateOrder order);
    // A number in the plain form, or with a decimal comma; nullopt when it is none.
    static std::optional<double> parseNumber(const QString& text, bool decimalComma);
};

} // namespace quarvel::import
