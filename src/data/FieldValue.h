#pragma once

#include <QString>
#include <QVariant>

namespace quarvel {

// What a column holds, from its declared type in the schema.
enum class FieldKind { Text, Integer, Number, Currency, Date, Computed };

FieldKind fieldKindFromDeclType(const QString& declType, bool hasOrigin);

// The most characters a text column takes: the size in its declared type, "TEXT(255)", or
// 65,535 (the size of the program's long text) when the declaration gives none.
int textSizeFromDeclType(const QString& declType);

// The range of the program's number columns: that of a long integer.
inline constexpr qint64 smallestNumber = -2147483648LL;
inline constexpr qint64 largestNumber = 2147483647LL;

// The range of the program's currency columns: that of the Currency type of desktop
// databases, which the server's numeric(19,4) and the sums of the saved queries hold.
inline constexpr double largestCurrency = 922337203685477.5807;

// The number of characters of a text as the engines count them (code points): a character
// outside the Basic Multilingual Plane (an emoji) is one, not two UTF-16 units.
int characterCount(const QString& text);

// Conversions between the values the engine stores and the values the program handles:
//   dates       TEXT 'YYYY-MM-DD'       <-> QDate
//   currency    number, at most 4 decimals <-> double rounded to 4 decimals
//   numbers     integer or real          <-> qlonglong or double, within the long-integer
//                                             range (smallestNumber..largestNumber)
//   text        TEXT                     <-> QString (Null stays distinct from "")
namespace FieldValue {

// A stored value as the program sees it. Computed doubles lose floating-point noise
// (15 significant digits), so 3 * 0.1 reads as 0.3.
QVariant fromStorage(const QVariant& raw, FieldKind kind);

// A value given by the program or typed by a user, converted to the column's kind where it
// can be: "12/31/2021" or a QDate for a date, "2.5" or "$2.50" for currency, "" for Null in a
// non-text column. Numbers are read as the user's locale (QLocale()) writes them, digit
// grouping included ("1,234"; "1,2,3" is no number), or in the plain form "2.5". A text that
// does not convert is kept as it is; toStorage() refuses it.
QVariant fromUser(const QVariant& value, FieldKind kind);

// The value to bind for a write. Throws DatabaseError naming the field when the value is not
// one of the column's kind, a number outside the long-integer range, a currency amount that
// is not finite or lies outside the currency range, or a text with a NUL character (which a
// server database cannot store).
QVariant toStorage(const QVariant& value, FieldKind kind, const QString& fieldName);

// Equality as the database would see it: Null equals only Null; numbers compare by value.
bool same(const QVariant& a, const QVariant& b);

} // namespace FieldValue
} // namespace quarvel
