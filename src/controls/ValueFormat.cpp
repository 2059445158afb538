#include "controls/ValueFormat.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace quarvel::controls::ValueFormat {

QString shortDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (format.contains(QLatin1String("MMM")) || format.contains(QLatin1String("ddd")))
        return QStringLiteral("MM/dd/yyyy");
    if (!format.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
        format.replace(twoDigitYear, QStringLiteral("yyyy"));
    }
    return format;
}

QString displayText(const QVariant& value, const QString& dateFormat) {
    if (!value.isValid() || value.isNull())
        return {};
    const QString format = dateFormat.isEmpty() ? shortDateFormat() : dateFormat;
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(format);
    case QMetaType::QDateTime:
        return value.toDateTime().date().toString(format);
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

} // namespace quarvel::controls::ValueFormat
