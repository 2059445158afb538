#include "data/TypedDate.h"

#include <QRegularExpression>

namespace quarvel {

namespace {

int fullYear(int year, qsizetype digits) {
    return digits <= 2 ? 2000 + year : year;
}

const QRegularExpression& twoDigitYear() {
    static const QRegularExpression yy(QStringLiteral("(?<!y)yy(?!y)"));
    return yy;
}

} // namespace

QString withFourDigitYear(QString format) {
    return format.replace(twoDigitYear(), QStringLiteral("yyyy"));
}

QDate typedDate(const QString& text, const QLocale& locale) {
    const QString t = text.trimmed();
    static const QRegularExpression monthDayYear(
        QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})$"));
    const QRegularExpressionMatch m = monthDayYear.match(t);
    if (m.hasMatch()) {
        const QString year = m.captured(3);
        return QDate(fullYear(year.toInt(), year.size()), m.captured(1).toInt(),
                     m.captured(2).toInt());
    }
    // The locale's short form, its two-digit year read as this century's.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(twoDigitYear()))
        return locale.toDate(t, format);
    const QDate withFourDigits = locale.toDate(t, withFourDigitYear(format));
    if (withFourDigits.isValid() && withFourDigits.year() >= 1000)
        return withFourDigits;
    const QDate withTwoDigits = locale.toDate(t, format);
    if (!withTwoDigits.isValid())
        return QDate();
    return QDate(2000 + withTwoDigits.year() % 100, withTwoDigits.month(), withTwoDigits.day());
}

} // namespace quarvel
