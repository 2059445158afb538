#include "controls/ValueFormat.h"

#include "data/TypedDate.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace quarvel::controls::ValueFormat {

QString shortDateFormat() {
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (format.contains(QLatin1String("MMM")) || format.contains(QLatin1String("ddd")))
        return QStringLiteral("MM/dd/yyyy");
    return withFourDigitYear(format);
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
