#include "import/ImportFile.h"

#include <QRegularExpression>

namespace quarvel::import {

namespace {

const QRegularExpression& dateShape() {
    static const QRegularExpression shape(
        QStringLiteral("^\\s*(\\d{1,4})[-./](\\d{1,2})[-./](\\d{1,4})\\s*$"));
    return shape;
}

} // namespace

QDate ImportFile::parseDate(const QString& text, DateOrder order) {
    const QRegularExpressionMatch m = dateShape().match(text);
    if (!m.hasMatch())
        return {};
    const int a = m.captured(1).toInt(), b = m.captured(2).toInt(), c = m.captured(3).toInt();
    const bool yearFirst = m.captured(1).size() == 4;
    if (order == DateOrder::Iso)
        return yearFirst ? QDate(a, b, c) : QDate();
    if (yearFirst || m.captured(3).size() != 4)
        return {};
    return order == DateOrder::DayMonthYear ? QDate(c, b, a) : QDate(c, a, b);
}

std::optional<double> ImportFile::parseNumber(const QString& text, bool decimalComma) {
    QString plain = text.trimmed();
    if (decimalComma) {
        if (plain.contains(u'.') && plain.contains(u','))
            plain.remove(u'.'); // 1.234,5
        plain.replace(u',', u'.');
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

FileFormat ImportFile::detect(const QByteArray& bytes) {
    FileFormat format;
    format.dialect = csv::CsvReader::detect(bytes);
    format.decimalComma = format.dialect.separator == ';';
    QList<QStringList> rows;
    try {
        rows = csv::CsvReader::read(bytes, format.dialect);
    } catch (const csv::ReadError&) {
        return format; // read() says what is wrong
    }
    // The first order that reads every date-like value, ISO first.
    for (const DateOrder order :
         {DateOrder::Iso, DateOrder::DayMonthYear, DateOrder::MonthDayYear}) {
        bool all = true, any = false;
        for (int r = 1; r < rows.size() && all; ++r)
            for (const QString& value : rows[r])
                if (dateShape().match(value).hasMatch()) {
                    any = true;
                    all = all && parseDate(value, order).isValid();
                }
        if (any && all) {
            format.dates = order;
            break;
        }
    }
    return format;
}

ImportFile ImportFile::read(const QByteArray& bytes, std::optional<FileFormat> format) {
    ImportFile file;
    file.bytes = bytes;
    file.format = format ? *format : detect(bytes);
    file.rows = csv::CsvReader::read(bytes, file.format.dialect);
    if (!file.rows.isEmpty())
        file.header = file.rows.takeFirst();
    return file;
}

} // namespace quarvel::import
