#include "data/FieldValue.h"

#include "data/DatabaseError.h"
#include "data/Tr.h"
#include "data/TypedDate.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <cmath>
#include <optional>

namespace quarvel {

FieldKind fieldKindFromDeclType(const QString& declType, bool hasOrigin) {
    if (!hasOrigin)
        return FieldKind::Computed;
    if (declType == u"CURRENCY" || declType == u"MONEY")
        return FieldKind::Currency;
    if (declType.startsWith(u"DATE"))
        return FieldKind::Date;
    if (declType.contains(u"INT"))
        return FieldKind::Integer;
    if (declType == u"NUMBER" || declType == u"NUMERIC" || declType == u"REAL" ||
        declType.startsWith(u"DOUBLE") || declType == u"FLOAT" || declType.startsWith(u"DECIMAL"))
        return FieldKind::Number;
    return FieldKind::Text;
}

int textSizeFromDeclType(const QString& declType) {
    const int open = declType.indexOf(u'(');
    const int close = declType.indexOf(u')', open + 1);
    if (open >= 0 && close > open) {
        bool ok = false;
        const int size = declType.mid(open + 1, close - open - 1).trimmed().toInt(&ok);
        if (ok && size > 0)
            return size;
    }
    return 65535;
}

int characterCount(const QString& text) {
    int count = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate())
            ++count;
    }
    return count;
}

namespace FieldValue {

namespace {

// A value as a message shows it: a NUL character, which would end the text in many places,
// is written \0.
QString shown(const QVariant& value) {
    QString text = value.toString();
    text.replace(QChar(0), QStringLiteral("\\0"));
    return text;
}

bool inCurrencyRange(double value) {
    return std::isfinite(value) && std::fabs(value) <= largestCurrency;
}

bool isNumeric(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool isIntegral(const QVariant& v) {
    return isNumeric(v) && v.typeId() != QMetaType::Double && v.typeId() != QMetaType::Float;
}

double roundCurrency(double value) {
    return std::round(value * 10000.0) / 10000.0;
}

double withoutNoise(double value) {
    if (!std::isfinite(value))
        return value;
    return QString::number(value, 'g', 15).toDouble();
}

QDate parseDate(const QString& text) {
    const QString t = text.trimmed();
    static const QString formats[] = {QStringLiteral("yyyy-MM-dd"),
                                      QStringLiteral("yyyy-MM-ddTHH:mm:ss"),
                                      QStringLiteral("yyyy-MM-dd HH:mm:ss")};
    for (const QString& format : formats) {
        const QDate d = QDate::fromString(t, format);
        if (d.isValid())
            return d;
        const QDateTime dt = QDateTime::fromString(t, format);
        if (dt.isValid())
            return dt.date();
    }
    // Month/day/year or the locale's short form, a two-digit year in this century.
    const QDate typed = typedDate(t);
    if (typed.isValid())
        return typed;
    return QLocale().toDate(t, QLocale::LongFormat);
}

// A number typed by a user: as the user's locale writes it (grouping checked), or plain;
// with a leading currency sign.
std::optional<QVariant> parseNumber(const QString& text, bool integral) {
    QString t = text.trimmed();
    if (t.startsWith(u'$'))
        t.remove(0, 1);
    else if (t.startsWith(QStringLiteral("-$")))
        t.remove(1, 1);
    QLocale user;
    user.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    for (const QLocale& locale : {user, plain}) {
        bool ok = false;
        if (integral) {
            const qlonglong n = locale.toLongLong(t, &ok);
            if (ok)
                return QVariant(n);
        }
        const double d = locale.toDouble(t, &ok);
        if (!ok || !std::isfinite(d))
            continue;
        if (integral && d == std::floor(d) && std::fabs(d) < 9.0e15)
            return QVariant(qlonglong(d));
        return QVariant(d);
    }
    return std::nullopt;
}

bool inNumberRange(const QVariant& value) {
    if (isIntegral(value)) {
        const qlonglong n = value.toLongLong();
        return n >= smallestNumber && n <= largestNumber;
    }
    const double d = value.toDouble();
    return d >= double(smallestNumber) && d <= double(largestNumber);
}

} // namespace

QVariant fromStorage(const QVariant& raw, FieldKind kind) {
    if (raw.isNull())
        return QVariant();
    switch (kind) {
    case FieldKind::Date:
        if (raw.typeId() == QMetaType::QString) {
            const QDate d = QDate::fromString(raw.toString(), Qt::ISODate);
            if (d.isValid())
                return d;
        }
        return raw;
    case FieldKind::Currency:
        return raw.typeId() == QMetaType::Double ? QVariant(roundCurrency(raw.toDouble())) : raw;
    case FieldKind::Computed:
        return raw.typeId() == QMetaType::Double ? QVariant(withoutNoise(raw.toDouble())) : raw;
    default:
        return raw;
    }
}

QVariant fromUser(const QVariant& value, FieldKind kind) {
    if (!value.isValid() || value.isNull())
        return QVariant();
    if (kind == FieldKind::Text || kind == FieldKind::Computed)
        return value.typeId() == QMetaType::QString ? value : QVariant(value.toString());

    if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
        return QVariant();

    switch (kind) {
    case FieldKind::Date:
        if (value.typeId() == QMetaType::QDate)
            return value;
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().date();
        if (value.typeId() == QMetaType::QString) {
            const QDate d = parseDate(value.toString());
            if (d.isValid())
                return d;
        }
        return value;
    case FieldKind::Currency:
        // An amount beyond the range stays as given, for toStorage() to refuse by name.
        if (isNumeric(value))
            return inCurrencyRange(value.toDouble()) ? QVariant(roundCurrency(value.toDouble()))
                                                     : value;
        if (value.typeId() == QMetaType::QString) {
            if (auto n = parseNumber(value.toString(), false); n && inCurrencyRange(n->toDouble()))
                return roundCurrency(n->toDouble());
        }
        return value;
    case FieldKind::Integer:
    case FieldKind::Number:
        if (isIntegral(value))
            return value.toLongLong();
        if (isNumeric(value))
            return value.toDouble();
        if (value.typeId() == QMetaType::QString) {
            if (auto n = parseNumber(value.toString(), true))
                return *n;
        }
        return value;
    default:
        return value;
    }
}

QVariant toStorage(const QVariant& value, FieldKind kind, const QString& fieldName) {
    if (!value.isValid() || value.isNull())
        return QVariant();
    // Each refusal is a whole sentence: the value, then the field.
    auto refuse = [&](const QString& sentence) {
        return DatabaseError(sentence.arg(shown(value), fieldName));
    };
    switch (kind) {
    case FieldKind::Date:
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().toString(Qt::ISODate);
        throw refuse(Tr::tr("The value '%1' of the field '%2' is not a valid date."));
    case FieldKind::Currency:
        if (isNumeric(value) && inCurrencyRange(value.toDouble()))
            return roundCurrency(value.toDouble());
        throw refuse(Tr::tr("The value '%1' of the field '%2' is not a currency amount from "
                            "-922,337,203,685,477.5807 to 922,337,203,685,477.5807."));
    case FieldKind::Integer:
        if (isIntegral(value) && inNumberRange(value))
            return value.toLongLong();
        throw refuse(Tr::tr("The value '%1' of the field '%2' is not a whole number from "
                            "-2,147,483,648 to 2,147,483,647."));
    case FieldKind::Number:
        if (isNumeric(value) && inNumberRange(value))
            return value;
        throw refuse(Tr::tr("The value '%1' of the field '%2' is not a number from "
                            "-2,147,483,648 to 2,147,483,647."));
    case FieldKind::Text:
        if (value.toString().contains(QChar(0)))
            throw DatabaseError(Tr::tr("The text of the field '%1' contains a NUL "
                                       "character (\\0), which cannot be stored: "
                                       "nothing was written.")
                                    .arg(fieldName));
        return value;
    default:
        return value;
    }
}

bool same(const QVariant& a, const QVariant& b) {
    const bool aNull = !a.isValid() || a.isNull();
    const bool bNull = !b.isValid() || b.isNull();
    if (aNull || bNull)
        return aNull == bNull;
    if (isNumeric(a) && isNumeric(b)) {
        if (isIntegral(a) && isIntegral(b))
            return a.toLongLong() == b.toLongLong();
        return a.toDouble() == b.toDouble();
    }
    if (a.typeId() != b.typeId())
        return false;
    return a == b;
}

} // namespace FieldValue
} // namespace quarvel
