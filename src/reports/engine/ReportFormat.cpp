#include "ReportFormat.h"

#include "format/ValueText.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace quarvel::reports {

namespace {

// ---- values ---------------------------------------------------------------------------------

std::optional<double> numberOf(const QVariant& v) {
    if (format::isNumber(v))
        return v.toDouble();
    if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok)
            return d;
    }
    return std::nullopt;
}

std::optional<QDateTime> dateTimeOf(const QVariant& v) {
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QString) {
        static const QRegularExpression iso(
            QStringLiteral(R"(^\s*(\d{4}-\d{2}-\d{2})(?:[ T](\d{1,2}:\d{2}(?::\d{2})?))?\s*$)"));
        const QRegularExpressionMatch m = iso.match(v.toString());
        if (!m.hasMatch())
            return std::nullopt;
        const QDate date = QDate::fromString(m.captured(1), Qt::ISODate);
        if (!date.isValid())
            return std::nullopt;
        QTime time(0, 0);
        if (m.capturedLength(2) > 0) {
            time = QTime::fromString(m.captured(2), m.captured(2).count(u':') == 2
                                                        ? QStringLiteral("H:mm:ss")
                                                        : QStringLiteral("H:mm"));
            if (!time.isValid())
                return std::nullopt;
        }
        return QDateTime(date, time);
    }
    return std::nullopt;
}

// ---- numbers --------------------------------------------------------------------------------

// The digits of a non-negative value rounded half away from zero to `decimals` places, taken
// from its 15 significant decimal digits: integer digits without leading zeros (empty for
// zero) and exactly `decimals` fraction digits.
std::pair<QString, QString> roundedDigits(double value, int decimals) {
    const QString e = QString::number(value, 'e', 14);
    const qsizetype ePos = e.indexOf(u'e');
    QString digits = e.left(ePos).remove(u'.');
    int point = e.mid(ePos + 1).toInt() + 1;
    if (point <= 0) {
        digits.prepend(QString(-point, u'0'));
        point = 0;
    }
    if (point > digits.size())
        digits.append(QString(point - digits.size(), u'0'));
    QString all = digits.left(point) + digits.mid(point).leftJustified(decimals, u'0', true);
    if (point + decimals < digits.size() && digits.at(point + decimals) >= u'5') {
        qsizetype i = all.size() - 1;
        for (; i >= 0 && all.at(i) == u'9'; --i)
            all[i] = u'0';
        if (i >= 0)
            all[i] = QChar(all.at(i).unicode() + 1);
        else {
            all.prepend(u'1');
            ++point;
        }
    }
    QString integer = all.left(all.size() - decimals);
    while (!integer.isEmpty() && integer.front() == u'0')
        integer.remove(0, 1);
    return {integer, all.right(decimals)};
}

struct NumberPattern {
    QString prefix;
    QString suffix;
    int minInteger = 0;
    QChar groupChar;
    bool hasPoint = false;
    int minFraction = 0;
    int maxFraction = 0;
    bool percent = false;
    bool valid = false;
};

NumberPattern parseNumberPattern(const QString& f) {
    enum State { Prefix, Integer, Fraction, Suffix } state = Prefix;
    NumberPattern p;
    auto literal = [&](const QString& text) {
        if (state == Prefix) {
            p.prefix += text;
        } else {
            state = Suffix;
            p.suffix += text;
        }
    };
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QChar c = f.at(i);
        const bool nextIsDigit = i + 1 < f.size() && (f.at(i + 1) == u'#' || f.at(i + 1) == u'0');
        if ((c == u'0' || c == u'#') && state != Suffix) {
            p.valid = true;
            if (state == Prefix)
                state = Integer;
            if (state == Integer) {
                if (c == u'0')
                    ++p.minInteger;
            } else {
                ++p.maxFraction;
                if (c == u'0')
                    p.minFraction = p.maxFraction;
            }
        } else if (c == u'.' && (state == Prefix || state == Integer)) {
            p.hasPoint = true;
            p.valid = true;
            state = Fraction;
        } else if ((c == u',' || c == u' ') && state == Integer && nextIsDigit) {
            p.groupChar = c;
        } else if (c == u'"') {
            const qsizetype end = f.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? f.size() : end;
            literal(f.mid(i + 1, stop - i - 1));
            i = stop;
        } else if (c == u'\\' && i + 1 < f.size()) {
            literal(f.at(++i));
        } else {
            if (c == u'%')
                p.percent = true;
            literal(c);
        }
    }
    return p;
}

// Formats a non-negative value; `zero` tells whether every printed digit is 0.
QString formatNumber(double value, const NumberPattern& p, bool* zero) {
    if (p.percent)
        value *= 100;
    auto [integer, fraction] = roundedDigits(value, p.maxFraction);
    *zero = !integer.contains(QRegularExpression(QStringLiteral("[1-9]"))) &&
            !fraction.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (integer.size() < p.minInteger)
        integer = integer.rightJustified(p.minInteger, u'0');
    if (!p.groupChar.isNull()) {
        for (qsizetype i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, p.groupChar);
    }
    while (fraction.size() > p.minFraction && fraction.endsWith(u'0'))
        fraction.chop(1);
    QString out = p.prefix + integer;
    if (p.hasPoint)
        out += u'.' + fraction;
    return out + p.suffix;
}

// ---- dates ----------------------------------------------------------------------------------

QString formatDate(const QDateTime& dt, const QString& f, const QLocale& locale) {
    const QDate d = dt.date();
    const QTime t = dt.time();
    const bool twelveHour = f.contains(QStringLiteral("AM/PM"), Qt::CaseInsensitive) ||
                            f.contains(QStringLiteral("A/P"), Qt::CaseInsensitive);
    auto pad = [](int n, int width) {
        return QString::number(n).rightJustified(width, u'0');
    };
    auto nextLetterRun = [&](qsizetype from) {
        for (qsizetype j = from; j < f.size(); ++j) {
            if (f.at(j) == u'"') {
                const qsizetype end = f.indexOf(u'"', j + 1);
                j = end < 0 ? f.size() : end;
            } else if (f.at(j).isLetter()) {
                return f.at(j).toLower();
            }
        }
        return QChar();
    };
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QChar c = f.at(i);
        const QChar lower = c.toLower();
        if (c == u'"') {
            const qsizetype end = f.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? f.size() : end;
            out += f.mid(i + 1, stop - i - 1);
            i = stop;
            continue;
        }
        if (c == u'\\' && i + 1 < f.size()) {
            out += f.at(++i);
            continue;
        }
        if (f.mid(i, 5).compare(QStringLiteral("AM/PM"), Qt::CaseInsensitive) == 0) {
            const QString text = t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            out += c.isUpper() ? text : text.toLower();
            i += 4;
            continue;
        }
        if (f.mid(i, 3).compare(QStringLiteral("A/P"), Qt::CaseInsensitive) == 0) {
            const QString text = t.hour() < 12 ? QStringLiteral("A") : QStringLiteral("P");
            out += c.isUpper() ? text : text.toLower();
            i += 2;
            continue;
        }
        if (!QStringLiteral("dmyhns").contains(lower)) {
            out += c;
            continue;
        }
        int n = 1;
        while (i + n < f.size() && f.at(i + n).toLower() == lower)
            ++n;
        i += n - 1;
        bool isHour = false;
        switch (lower.unicode()) {
        case 'd':
            out += n == 1   ? QString::number(d.day())
                   : n == 2 ? pad(d.day(), 2)
                   : n == 3 ? locale.dayName(d.dayOfWeek(), QLocale::ShortFormat)
                   : n == 4 ? locale.dayName(d.dayOfWeek(), QLocale::LongFormat)
                   : n == 5 ? shortDate(d, locale)
                            : longDate(d, locale);
            break;
        case 'm':
            if (afterHour || nextLetterRun(i + 1) == u's')
                out += n == 1 ? QString::number(t.minute()) : pad(t.minute(), 2);
            else
                out += n == 1   ? QString::number(d.month())
                       : n == 2 ? pad(d.month(), 2)
                       : n == 3 ? locale.monthName(d.month(), QLocale::ShortFormat)
                                : locale.monthName(d.month(), QLocale::LongFormat);
            break;
        case 'y':
            out += n == 1   ? QString::number(d.dayOfYear())
                   : n == 2 ? pad(d.year() % 100, 2)
                            : QString::number(d.year());
            break;
        case 'h': {
            int hour = t.hour();
            if (twelveHour)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += n == 1 ? QString::number(hour) : pad(hour, 2);
            isHour = true;
            break;
        }
        case 'n':
            out += n == 1 ? QString::number(t.minute()) : pad(t.minute(), 2);
            break;
        case 's':
            out += n == 1 ? QString::number(t.second()) : pad(t.second(), 2);
            break;
        default:
            break;
        }
        afterHour = isHour;
    }
    return out;
}

QString general(const QVariant& v, const QLocale& locale) {
    return format::generalText(v, locale);
}

QString namedFormat(const QString& format) {
    static const QList<std::pair<QString, QString>> names = {
        {QStringLiteral("currency"), QStringLiteral("$#,##0.00")},
        {QStringLiteral("fixed"), QStringLiteral("0.00")},
        {QStringLiteral("standard"), QStringLiteral("#,##0.00")},
        {QStringLiteral("percent"), QStringLiteral("0.00%")},
        {QStringLiteral("short time"), QStringLiteral("hh:nn")},
        {QStringLiteral("medium time"), QStringLiteral("hh:nn AM/PM")},
    };
    for (const auto& [name, pattern] : names) {
        if (format.compare(name, Qt::CaseInsensitive) == 0)
            return pattern;
    }
    return format;
}

} // namespace

QString longDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, QLocale::LongFormat);
}

QString longTime(const QTime& time, const QLocale& locale) {
    return format::longTime(time, locale);
}

QString shortDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, format::shortDateFormat(locale));
}

QString formatValue(const QVariant& value, const QString& formatText, const QLocale& locale) {
    if (value.isNull() || !value.isValid())
        return QString();
    const QString format = namedFormat(formatText.trimmed());
    if (format.isEmpty() ||
        format.compare(QStringLiteral("General Number"), Qt::CaseInsensitive) == 0)
        return general(value, locale);
    if (format.compare(QStringLiteral("Long Date"), Qt::CaseInsensitive) == 0 ||
        format.compare(QStringLiteral("Short Date"), Qt::CaseInsensitive) == 0 ||
        format.compare(QStringLiteral("Long Time"), Qt::CaseInsensitive) == 0) {
        const auto dt = dateTimeOf(value);
        if (!dt)
            return general(value, locale);
        if (format.startsWith(u'L') || format.startsWith(u'l')) {
            return format.endsWith(QStringLiteral("Date"), Qt::CaseInsensitive)
                       ? longDate(dt->date(), locale)
                       : longTime(dt->time(), locale);
        }
        return shortDate(dt->date(), locale);
    }
    const QStringList sections = format.split(u';');
    const NumberPattern positive = parseNumberPattern(sections.front());
    if (positive.valid) {
        const auto number = format::isNumber(value) || value.typeId() == QMetaType::QString
                                ? numberOf(value)
                                : std::nullopt;
        if (!number || !std::isfinite(*number))
            return general(value, locale);
        bool zero = false;
        if (*number < 0 && sections.size() > 1 && !sections.at(1).isEmpty())
            return formatNumber(-*number, parseNumberPattern(sections.at(1)), &zero);
        const QString text = formatNumber(std::abs(*number), positive, &zero);
        return *number < 0 && !zero ? u'-' + text : text;
    }
    if (const auto dt = dateTimeOf(value))
        return formatDate(*dt, format, locale);
    return general(value, locale);
}

} // namespace quarvel::reports
