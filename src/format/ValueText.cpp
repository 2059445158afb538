#include "format/ValueText.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

namespace quarvel::format {

QString withFourDigitYear(QString format) {
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

QString shortDateFormat(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (format.contains(QLatin1String("MMM")) || format.contains(QLatin1String("ddd")))
        return QStringLiteral("MM/dd/yyyy");
    return withFourDigitYear(format);
}

QString longTime(const QTime& time, const QLocale& locale) {
    // The locale's long form without its time-zone part ("t" outside quotes).
    const QString f = locale.timeFormat(QLocale::LongFormat);
    QString cleaned;
    bool quoted = false;
    for (const QChar c : f) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            cleaned += c;
    }
    return locale.toString(time, cleaned.simplified());
}

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

QString generalText(const QVariant& value, const QLocale& locale, const QString& dateFormat) {
    if (!value.isValid() || value.isNull())
        return {};
    const auto dates = [&] {
        return dateFormat.isEmpty() ? shortDateFormat(locale) : dateFormat;
    };
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        return number == 0 ? QStringLiteral("0") : QString::number(number, 'g', 15);
    }
    case QMetaType::QDate:
        return locale.toString(value.toDate(), dates());
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        QString text = locale.toString(moment.date(), dates());
        if (moment.time() != QTime(0, 0))
            text += u' ' + longTime(moment.time(), locale);
        return text;
    }
    default:
        return value.toString();
    }
}

} // namespace quarvel::format
