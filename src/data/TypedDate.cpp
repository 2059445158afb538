#include "data/TypedDate.h"

#include "format/ValueText.h"

#include <QRegularExpression>

namespace quarvel {

namespace {

int fullYear(int year, qsizetype digits) {
    return digits <= 2 ? 2000 + year : year;
}

} // namespace

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
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    const QString fourDigitFormat = format::withFourDigitYear(shortFormat);
    if (fourDigitFormat == shortFormat)
        return locale.toDate(t, shortFormat);
    const QDate withFourDigits = locale.toDate(t, fourDigitFormat);
    if (withFourDigits.isValid() && withFourDigits.year() >= 1000)
        return withFourDigits;
    const QDate withTwoDigits = locale.toDate(t, shortFormat);
    if (!withTwoDigits.isValid())
        return QDate();
    return QDate(2000 + withTwoDigits.year() % 100, withTwoDigits.month(), withTwoDigits.day());
}

} // namespace quarvel
