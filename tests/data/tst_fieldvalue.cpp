#include "data/DatabaseError.h"
#include "data/FieldValue.h"

#include <QtTest>

using namespace quarvel;

Q_DECLARE_METATYPE(FieldKind)

// What a user types into a bound box becomes the value bound for the database, and what the
// database gives back is what the box shows; anything that is not of the column's kind is
// refused with the field's name, before the database sees it.
class FieldValueTest : public QObject {
    Q_OBJECT

    static QVariant n(qlonglong v) { return v; }
    static QVariant d(double v) { return v; }
    static QVariant date(int y, int m, int day) { return QDate(y, m, day); }
    static QVariant text(const char* s) { return QString::fromUtf8(s); }

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void typedTextIsStoredAndReadBack_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("stored"); // invalid: refused (or Null, for a blank)
        QTest::addColumn<QVariant>("shown");

        auto row = [](const char* name, const char* locale, FieldKind kind, const char* typed,
                      const QVariant& stored, const QVariant& shown) {
            QTest::newRow(name) << QString(locale) << kind << QString::fromUtf8(typed) << stored
                                << shown;
        };
        const QVariant refused;
        row("en whole for integer", "en_US", FieldKind::Integer, "2.5", refused, refused);
        row("de grouped", "de_DE", FieldKind::Integer, "1.234", n(1234), n(1234));
        row("de decimal", "de_DE", FieldKind::Number, "2,5", d(2.5), d(2.5));
        row("de plain form", "de_DE", FieldKind::Number, "0.5", d(0.5), d(0.5));
        row("beyond long range", "en_US", FieldKind::Integer, "2147483648", refused, refused);
        row("misplaced grouping", "en_US", FieldKind::Number, "12,34", refused, refused);
        row("exponent beyond range", "en_US", FieldKind::Number, "1e12", refused, refused);
        row("blank number is Null", "en_US", FieldKind::Number, " ", QVariant(), QVariant());

        row("month/day/year", "en_US", FieldKind::Date, "12/31/2021", text("2021-12-31"),
            date(2021, 12, 31));
        row("de two-digit year", "de_DE", FieldKind::Date, "31.12.21", text("2021-12-31"),
            date(2021, 12, 31));
        row("stored form", "de_DE", FieldKind::Date, "2021-03-04", text("2021-03-04"),
            date(2021, 3, 4));

        row("text as typed", "en_US", FieldKind::Text, " 1,234 ", text(" 1,234 "), text(" 1,234 "));
    }

    void typedTextIsStoredAndReadBack() {
        QFETCH(QString, locale);
        QFETCH(FieldKind, kind);
        QFETCH(QString, typed);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, shown);
        QLocale::setDefault(QLocale(locale));
        const QVariant value = FieldValue::fromUser(typed, kind);
        if (!stored.isValid() && !typed.trimmed().isEmpty()) {
            try {
                FieldValue::toStorage(value, kind, QStringLiteral("ReorderLevel"));
                QFAIL("the value was not refused");
            } catch (const DatabaseError& e) {
                QVERIFY2(e.message().contains(u"'ReorderLevel'"), qPrintable(e.message()));
            }
            return;
        }
        const QVariant bound = FieldValue::toStorage(value, kind, QStringLiteral("ReorderLevel"));
        QVERIFY2(FieldValue::same(bound, stored) && bound.typeId() == stored.typeId(),
                 qPrintable(bound.toString()));
        const QVariant read = FieldValue::fromStorage(bound, kind);
        QVERIFY2(FieldValue::same(read, shown) && read.typeId() == shown.typeId(),
                 qPrintable(read.toString()));
    }

    void computedNumbersLoseFloatingPointNoise() {
        QCOMPARE(FieldValue::fromStorage(0.1 * 3, FieldKind::Computed).toDouble(), 0.3);
        QCOMPARE(FieldValue::fromStorage(2.50000000001, FieldKind::Currency).toDouble(), 2.5);
        // Null stays distinct from an empty text and from 0.
        QVERIFY(!FieldValue::same(QVariant(), QString()));
        QVERIFY(!FieldValue::same(QVariant(), 0));
        QVERIFY(FieldValue::same(qlonglong(2), 2.0));
    }
};

QTEST_GUILESS_MAIN(FieldValueTest)
#include "tst_fieldvalue.moc"
