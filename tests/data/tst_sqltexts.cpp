// Texts in and out of the database: command texts in the engine's dialect, typed text as the
// value bound for a column and shown again, phone numbers in their mask.
#include "Failure.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/FieldValue.h"
#include "data/JetSql.h"
#include "data/PhoneNumber.h"
#include "data/Recordset.h"

#include <QTranslator>
#include <QtTest>

using namespace quarvel;

Q_DECLARE_METATYPE(FieldKind)
Q_DECLARE_METATYPE(JetTarget)

class SqlTextsTest : public QObject {
    Q_OBJECT

    static QVariant n(qlonglong v) { return v; }
    static QVariant d(double v) { return v; }
    static QVariant date(int y, int m, int day) { return QDate(y, m, day); }
    static QVariant text(const char* s) { return QString::fromUtf8(s); }

private slots:
    // The data layer's messages go through its translations: with a German one loaded, a
    // refusal reads in German, whole, with its places filled.
    void messagesAreTranslated() {
#ifndef QUARVEL_TEST_TRANSLATION
        QSKIP("lrelease (qt6-l10n-tools) is missing");
#else
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(QUARVEL_TEST_TRANSLATION)));
        QCoreApplication::installTranslator(&german);
        auto remove = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });
        const QString message =
            errorOf([] { FieldValue::toStorage("soon", FieldKind::Date, "OrderDate"); });
        QCOMPARE(message, QString::fromUtf8("Der Wert 'soon' des Feldes 'OrderDate' ist kein "
                                            "g\xc3\xbcltiges Datum."));
#endif
    }

    void cleanup() {
        QLocale::setDefault(QLocale::c());
    }

    void translation_data() {
        QTest::addColumn<JetTarget>("target");
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("translated");
        auto row = [](const char* name, JetTarget target, const char* jet, const char* translated) {
            QTest::newRow(name) << target << QString(jet) << QString(translated);
        };
        const JetTarget sqlite = JetTarget::Sqlite, postgres = JetTarget::Postgres;
        row("literals untouched", sqlite, "SELECT 'it''s [x] & \"y\"', \"a'b\"",
            "SELECT 'it''s [x] & \"y\"', 'a''b'");
        row("right join with all columns", sqlite, "SELECT * FROM A RIGHT JOIN B ON A.k = B.k",
            "SELECT * FROM A RIGHT JOIN B ON A.k = B.k");
        row("word containing the keyword", sqlite, "SELECT DISTINCTROWS FROM t",
            "SELECT DISTINCTROWS FROM t");
        row("distinct rows of one table", sqlite,
            "SELECT DISTINCTROW Categories.* FROM Categories ORDER BY Categories.CategoryID;",
            "SELECT Categories.* FROM Categories ORDER BY Categories.CategoryID;");
        row("functions, numbers and a table's column list", postgres,
            "INSERT INTO Products (ProductName) SELECT max(x) * 2.5 FROM `qryRep1A` Where "
            "ProductID=1",
            "INSERT INTO \"Products\" (\"ProductName\") SELECT max(\"x\") * 2.5 FROM "
            "\"qryRep1A\" Where \"ProductID\"=1");
        row("recursive common table", postgres,
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT i FROM n",
            "WITH RECURSIVE n(\"i\") AS (SELECT 1 UNION ALL SELECT \"i\" + 1 FROM \"n\") "
            "SELECT \"i\" FROM \"n\"");
    }
    void translation() {
        QFETCH(JetTarget, target);
        QFETCH(QString, jet);
        QFETCH(QString, translated);
        QCOMPARE(TranslateJetSql(jet, target), translated);
    }

    void employeeNamesSortAndKeepTheirCommaWithoutAFirstName() {
        TempDatabase db;
        db.exec("INSERT INTO Employees (FirstName, LastName) VALUES ('Ode', NULL), ('Ann', 'Lee'), "
                "(NULL, 'Ode')");
        Recordset rs;
        rs.Open("SELECT [EmployeeID], [LastName] & \", \" & [FirstName] as EmployeeName FROM "
                "Employees ORDER BY [LastName] & \", \" & [FirstName];",
                Connection::open(db.connectionString()));
        QStringList names;
        for (; !rs.isEOF(); rs.MoveNext())
            names << rs.Fields("EmployeeName").toString();
        QCOMPARE(names, QStringList({", Ode", "Lee, Ann", "Ode, "}));
    }

    // What a user types into a bound box becomes the value bound for the database, and what
    // the database gives back is what the box shows; anything that is not of the column's kind
    // is refused with the field's name, before the database sees it.
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
            const QString refusal =
                errorOf([&] { FieldValue::toStorage(value, kind, "ReorderLevel"); });
            QVERIFY2(refusal.contains(u"'ReorderLevel'"), qPrintable(refusal));
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
    void phoneMask_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        auto row = [](const char* name, const QString& in, const QString& out) {
            QTest::newRow(name) << in << out;
        };
        row("trailing blank", "(555) 123-4567 ", "(555) 123-4567");
        row("nine digits", "123456789", "( 12) 345-6789");
        row("extension", "555-123-4567 x89", "(555) 345-6789");
        row("no digits", "n/a", "(   )    -    ");
        row("other digits", "\u0665\u0665\u0665", "(   )    -    ");
    }
    void phoneMask() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(FormatPhoneNumber(in), out);
    }
};

QTEST_GUILESS_MAIN(SqlTextsTest)
#include "tst_sqltexts.moc"
