// A report's input: the tables and their relation, the shape commands they are read with, and
// the formats their values print in.

#include "reports/engine/ReportData.h"
#include "reports/engine/ReportError.h"
#include "reports/engine/ReportFormat.h"
#include "reports/engine/ShapeCommand.h"

#include <QTest>

using namespace quarvel::reports;

class tst_ReportData : public QObject {
    Q_OBJECT

private slots:
    void columnLookup();
    void relation();
    void faults();
    void shapedCommands();
    void malformedCommands_data();
    void malformedCommands();
    void formats_data();
    void formats();
    void longForms();
};

void tst_ReportData::columnLookup() {
    ReportTable t({"Total Units", "PurchaseOrderID", "Inventory Transactions.ProductID",
                   "Inventory Transactions.UnitPrice"});
    t.addRow({5, 12, 3, 2.5});
    QCOMPARE(t.value(0, "total units").toInt(), 5);
    QCOMPARE(t.value(0, "qryRep5B.PurchaseOrderID").toInt(), 12);
    QCOMPARE(t.value(0, "Inventory Transactions.ProductID").toInt(), 3);
    QCOMPARE(t.value(0, "UnitPrice").toDouble(), 2.5);
    QCOMPARE(t.columnIndex("Units"), -1);
    QCOMPARE(t.columnIndex("Other.Total"), -1);
}

void tst_ReportData::relation() {
    ReportTable master({"ProductID", "ProductName"});
    master.addRow({1, "Apples"});
    master.addRow({2, "Bananas"});
    master.addRow({QVariant(), "Nothing"});
    master.addRow({3.0, "Cherries"});
    ReportTable child({"qryRep1B.ProductID", "SupplierName"});
    child.addRow({3, "C"});
    child.addRow({"1", "A1"});
    child.addRow({QVariant(), "orphan"});
    child.addRow({1.0, "A2"});
    child.addRow({9, "none"});
    const ReportData data = ReportData::shaped(master, child, "ProductID", "qryRep1B.ProductID");
    QCOMPARE(data.childRows(0), (std::vector<int>{1, 3})); // numbers compare as numbers
    QCOMPARE(data.childRows(1), std::vector<int>{});
    QCOMPARE(data.childRows(2), std::vector<int>{}); // null matches nothing
    QCOMPARE(data.childRows(3), std::vector<int>{0});

    ReportTable names({"Name"});
    names.addRow({"acme"});
    ReportTable lines({"Name", "X"});
    lines.addRow({"ACME", 1});
    lines.addRow({"acme2", 2});
    QCOMPARE(ReportData::shaped(names, lines, "Name", "Name").childRows(0), std::vector<int>{0});
    QVERIFY(ReportData::flat(master).childRows(0).empty());
}

void tst_ReportData::faults() {
    ReportTable t({"A", "B"});
    QVERIFY_THROWS_EXCEPTION(ReportError, t.addRow({1}));
    t.addRow({1, 2});
    QVERIFY_THROWS_EXCEPTION(ReportError, t.value(0, "C"));
    QVERIFY_THROWS_EXCEPTION(ReportError, ReportData::shaped(t, t, "A", "Missing"));
    QVERIFY_THROWS_EXCEPTION(ReportError, ReportData::flat(t).child());
}

void tst_ReportData::shapedCommands() {
    const QString text = "SHAPE {SELECT * FROM `qryRep5A`}  AS cm5 APPEND ({SELECT * FROM "
                         "`qryRep5B`}  AS cm5B RELATE 'PurchaseOrderID' TO "
                         "'qryRep5B.PurchaseOrderID') AS cm5B";
    const ShapeCommand c = ShapeCommand::parse(text);
    QVERIFY(c.hasChild());
    QCOMPARE(c.masterSql, QStringLiteral("SELECT * FROM [qryRep5A]"));
    QCOMPARE(c.childSql, QStringLiteral("SELECT * FROM [qryRep5B]"));
    QCOMPARE(c.masterField, QStringLiteral("PurchaseOrderID"));
    QCOMPARE(c.childField, QStringLiteral("qryRep5B.PurchaseOrderID"));
    // Keywords in any case and any spacing read the same.
    const ShapeCommand loose = ShapeCommand::parse(text.toLower().replace("  ", "\n\t "));
    QCOMPARE(loose.childField, c.childField.toLower());
    QCOMPARE(loose.masterSql.toLower(), c.masterSql.toLower());

    // A saved query's name alone, with or without accents.
    const ShapeCommand saved = ShapeCommand::parse("`qryRep3A`");
    QVERIFY(!saved.hasChild());
    QCOMPARE(saved.masterSql, QStringLiteral("SELECT * FROM [qryRep3A]"));
    QCOMPARE(ShapeCommand::parse(" qryRep3A ").masterSql, saved.masterSql);
    QCOMPARE(ShapeCommand::parse("`Order Lines`").masterSql,
             QStringLiteral("SELECT * FROM [Order Lines]"));
    // Accents inside string literals are data, not names.
    QCOMPARE(ShapeCommand::quoteNames("SELECT '`a`' FROM `t`"),
             QStringLiteral("SELECT '`a`' FROM [t]"));
}

void tst_ReportData::malformedCommands_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("unclosed brace") << "SHAPE {SELECT * FROM `qryRep1A`  AS cm1";
    QTest::newRow("no APPEND") << "SHAPE {SELECT 1} AS cm1 ({SELECT 2} AS c RELATE 'a' TO 'b')";
    QTest::newRow("unclosed field")
        << "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a TO 'b) AS c";
    QTest::newRow("missing close paren")
        << "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a' TO 'b' AS c";
    QTest::newRow("trailing text")
        << "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a' TO 'b') AS c extra";
    QTest::newRow("unclosed accent") << "`qryRep3A";
    QTest::newRow("two names") << "qryRep3A qryRep4A";
}

void tst_ReportData::malformedCommands() {
    QFETCH(QString, text);
    try {
        ShapeCommand::parse(text);
        QFAIL("no error for a malformed command");
    } catch (const ReportError& e) {
        QVERIFY(!e.message().isEmpty());
    }
}

void tst_ReportData::formats_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const QVariant& value, const char* format,
                        const char* expected) {
        QTest::newRow(name) << value << QString(format) << QString(expected);
    };
    const char* price = "$##0.00";
    row("12.5", 12.5, price, "$12.50");
    row("negative", -3, price, "-$3.00");
    row("negative rounding to zero", -0.001, price, "$0.00");
    row("half up on decimal digits", 2.675, price, "$2.68");
    row("sum noise", 0.1 + 0.2, price, "$0.30");
    row("carry", 9.999, price, "$10.00");
    row("number as text", "12.5", price, "$12.50");
    row("text stays text", "n/a", price, "n/a");
    row("null", QVariant(), price, "");
    row("blank groups thousands", 12345.5, "$# ##0.00", "$12 345.50");
    row("blank carry into group", 999.999, "$# ##0.00", "$1 000.00");
    row("comma", 1234567.891, "#,##0.00", "1,234,567.89");
    row("negative section", -3, "0.00;(0.00)", "(3.00)");
    row("percent", 0.125, "Percent", "12.50%");
    row("date", QDate(2021, 1, 5), "mm/dd/yyyy", "01/05/2021");
    row("stored date and time", "2021-12-31 08:05:00", "mm/dd/yyyy", "12/31/2021");
    row("minutes after hours", QDateTime(QDate(2021, 3, 4), QTime(15, 7)), "h:mm AM/PM", "3:07 PM");
    row("names", QDate(2021, 3, 4), "dddd d mmmm yy", "Thursday 4 March 21");
    // General form.
    row("general noise", 0.1 + 0.2, "", "0.3");
    row("general whole double", 3.0, "", "3");
    row("general date", QDate(2025, 1, 15), "", "1/15/2025");
    row("general stored date", "2025-01-15", "", "1/15/2025");
    row("general text", "Apples 12%", "", "Apples 12%");
}

void tst_ReportData::formats() {
    QFETCH(QVariant, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(formatValue(value, format, QLocale(QLocale::English, QLocale::UnitedStates)),
             expected);
}

void tst_ReportData::longForms() {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDateTime at(QDate(2025, 1, 15), QTime(13, 2, 3));
    QCOMPARE(formatValue(at, "Long Date", us), QStringLiteral("Wednesday, January 15, 2025"));
    QCOMPARE(formatValue(at, "Long Time", us), QStringLiteral("1:02:03 PM"));
    // Another locale gives its own long forms.
    const QLocale de(QLocale::German, QLocale::Germany);
    QCOMPARE(longDate(at.date(), de), QStringLiteral("Mittwoch, 15. Januar 2025"));
    QCOMPARE(longTime(at.time(), de), QStringLiteral("13:02:03"));
}

QTEST_MAIN(tst_ReportData)
#include "tst_ReportData.moc"
