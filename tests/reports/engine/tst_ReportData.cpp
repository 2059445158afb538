#include "reports/engine/ReportData.h"
#include "reports/engine/ReportError.h"

#include <QTest>

using namespace quarvel::reports;

class tst_ReportData : public QObject {
    Q_OBJECT

private slots:
    void columnLookup();
    void relation();
    void faults();
};

void tst_ReportData::columnLookup() {
    ReportTable t({QStringLiteral("Total Units"), QStringLiteral("PurchaseOrderID"),
                   QStringLiteral("Inventory Transactions.ProductID"),
                   QStringLiteral("Inventory Transactions.UnitPrice")});
    t.addRow({5, 12, 3, 2.5});
    QCOMPARE(t.value(0, QStringLiteral("total units")).toInt(), 5);
    QCOMPARE(t.value(0, QStringLiteral("qryRep5B.PurchaseOrderID")).toInt(), 12);
    QCOMPARE(t.value(0, QStringLiteral("Inventory Transactions.ProductID")).toInt(), 3);
    QCOMPARE(t.value(0, QStringLiteral("UnitPrice")).toDouble(), 2.5);
    QCOMPARE(t.columnIndex(QStringLiteral("Units")), -1);
    QCOMPARE(t.columnIndex(QStringLiteral("Other.Total")), -1);
}

void tst_ReportData::relation() {
    ReportTable master({QStringLiteral("ProductID"), QStringLiteral("ProductName")});
    master.addRow({1, QStringLiteral("Apples")});
    master.addRow({2, QStringLiteral("Bananas")});
    master.addRow({QVariant(), QStringLiteral("Nothing")});
    master.addRow({3.0, QStringLiteral("Cherries")});
    ReportTable child({QStringLiteral("qryRep1B.ProductID"), QStringLiteral("SupplierName")});
    child.addRow({3, QStringLiteral("C")});
    child.addRow({QStringLiteral("1"), QStringLiteral("A1")});
    child.addRow({QVariant(), QStringLiteral("orphan")});
    child.addRow({1.0, QStringLiteral("A2")});
    child.addRow({9, QStringLiteral("none")});
    const ReportData data = ReportData::shaped(master, child, QStringLiteral("ProductID"),
                                               QStringLiteral("qryRep1B.ProductID"));
    QCOMPARE(data.childRows(0), (std::vector<int>{1, 3})); // numbers compare as numbers
    QCOMPARE(data.childRows(1), std::vector<int>{});
    QCOMPARE(data.childRows(2), std::vector<int>{}); // null matches nothing
    QCOMPARE(data.childRows(3), std::vector<int>{0});

    ReportTable names({QStringLiteral("Name")});
    names.addRow({QStringLiteral("acme")});
    ReportTable lines({QStringLiteral("Name"), QStringLiteral("X")});
    lines.addRow({QStringLiteral("ACME"), 1});
    lines.addRow({QStringLiteral("acme2"), 2});
    QCOMPARE(ReportData::shaped(names, lines, QStringLiteral("Name"), QStringLiteral("Name"))
                 .childRows(0),
             std::vector<int>{0});

    const ReportData flat = ReportData::flat(master);
    QVERIFY(!flat.hasChild());
    QVERIFY(flat.childRows(0).empty());
}

void tst_ReportData::faults() {
    ReportTable t({QStringLiteral("A"), QStringLiteral("B")});
    QVERIFY_THROWS_EXCEPTION(ReportError, t.addRow({1}));
    t.addRow({1, 2});
    QVERIFY_THROWS_EXCEPTION(ReportError, t.value(0, QStringLiteral("C")));
    QVERIFY_THROWS_EXCEPTION(
        ReportError, ReportData::shaped(t, t, QStringLiteral("A"), QStringLiteral("Missing")));
    QVERIFY_THROWS_EXCEPTION(ReportError, ReportData::flat(t).child());
}

QTEST_MAIN(tst_ReportData)
#include "tst_ReportData.moc"
