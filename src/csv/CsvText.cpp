#include "csv/CsvText.h"

#include <QDate>
#include <QRegularExpression>

namespace quarvel::csv {

namespace {

QString shownDate(const QDate& date, const QLocale& locale) {
    // The short form with a four-digit year, as the program's grids show a date.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(date, format);
}

} // namespace

QString textOf(const QVariant& value, Style style, const QLocale& locale) {
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return style == Style::Portable ? value.toDate().toString(Qt::ISODate)
                                        : shownDate(value.toDate(), locale);
    case QMetaType::QDateTime:
        return textOf(value.toDateTime().date(), style, locale);
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (style == Style::Portable)
            return QString::number(number, 'f', QLocale::FloatingPointShortest);
        QLocale plain(locale);
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(number, 'f', QLocale::FloatingPointShortest);
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return QString::number(value.toLongLong());
    default:
        break;
    }
    const QString text = value.toString();
    if (style == Style::Shown) {
        static const QRegularExpression isoDate(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        if (isoDate.match(text).hasMatch()) {
            const QDate date = QDate::fromString(text, Qt::ISODate);
            if (date.isValid())
                return shownDate(date, locale);
        }
    }
    return text;
}

} // namespace quarvel::csv
