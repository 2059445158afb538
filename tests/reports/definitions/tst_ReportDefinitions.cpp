// The five reports laid out on the sample database and on small hand-made databases: what the
// pages say, page numbering, totals and the printed purchase order.

#include "DbTool.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "reports/DataEnvironment.h"
#include "reports/DataReportInitialize.h"
#include "reports/DataReports.h"
#include "reports/engine/ReportEngine.h"
#include "shell/Globals.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quarvel;
using namespace quarvel::reports;

namespace {

LayoutOptions options() {
    LayoutOptions o;
    o.now = QDateTime(QDate(2025, 1, 1), QTime(13, 2, 3));
    o.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return o;
}

// DataReport<number> initialised and laid out on the database QUARVEL_DATABASE names.
ReportDocument layout(int number) {
    ReportDefinition report = dataReport(number);
    DataEnvironment de1(OpenConnection());
    const ReportData data = de1.load(dataMemberOf(number), dataFieldsOf(report));
    DataReport_Initialize(number, report, 1);
    return layoutReport(report, data, options());
}

QStringList textsOf(const ReportDocument& doc, const QString& name) {
    QStringList texts;
    for (const LaidOutPage& page : doc.pages) {
        for (const LaidOutItem* item : page.find(name))
            texts << item->text();
    }
    return texts;
}

double amount(QString text) {
    return text.remove(u'$').remove(u' ').toDouble();
}

} // namespace

class tst_ReportDefinitions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sampleReports();
    void costComparisonFigures();
    void longReportPaging();
    void purchaseOrder();

private:
    void useDatabase(const QString& path) { qputenv("QUARVEL_DATABASE", path.toUtf8()); }

    QTemporaryDir m_dir;
    std::unique_ptr<TempDatabase> m_sample;
};

void tst_ReportDefinitions::initTestCase() {
    // No print server: the orientation calls of the initialise handlers do nothing.
    qputenv("CUPS_SERVER", m_dir.filePath("no-cups.sock").toUtf8());
    m_sample = std::make_unique<TempDatabase>(TempDatabase::Content::Nothing);
    dbtool::createDatabase(m_sample->path(), true, false);
}

void tst_ReportDefinitions::sampleReports() {
    useDatabase(m_sample->path());
    const QStringList titles = {"Product Cost Comparisons", "Product Purchases by Supplier",
                                "Product Summary", "Product Transaction Detail", "Purchase Order"};
    for (int number = 1; number <= 5; ++number) {
        const ReportDocument doc = layout(number);
        QCOMPARE(doc.title, titles.at(number - 1));
        QCOMPARE(doc.pages.front().find("Label3").at(0)->text(), doc.title);
        QCOMPARE(doc.orientation,
                 number == 3 || number == 4 ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QString pageLabel =
            number == 5 ? QStringLiteral("Label19") : QStringLiteral("Label6");
        const QStringList pages = textsOf(doc, pageLabel);
        QCOMPARE(pages.size(), doc.pageCount());
        QCOMPARE(pages.last(), QStringLiteral("Page %1 of %1").arg(doc.pageCount()));
        // The page footer: today's date and the page number; DataReport2 the page number only.
        QStringList footer;
        for (const LaidOutItem& item : doc.pages.front().items) {
            if (item.section == u"Section3")
                footer << item.text();
        }
        QStringList expectedFooter = {QStringLiteral("Page 1 of %1").arg(doc.pageCount())};
        if (number != 2)
            expectedFooter.prepend(QStringLiteral("Wednesday, January 1, 2025"));
        QCOMPARE(footer, expectedFooter);
    }
}

void tst_ReportDefinitions::costComparisonFigures() {
    TempDatabase db;
    db.exec(QStringLiteral(
        "INSERT INTO Suppliers (SupplierID, SupplierName) VALUES (1, 'Acme'), (2, 'Bolt');"
        "INSERT INTO Products (ProductID, ProductName) VALUES (1, 'Rake'), (2, 'Hoe'),"
        " (3, 'Spade');"
        "INSERT INTO [Purchase Orders] (PurchaseOrderID, SupplierID, PurchaseOrderNumber)"
        " VALUES (1, 1, 1), (2, 2, 2);"
        "INSERT INTO [Inventory Transactions] (TransactionDate, ProductID, PurchaseOrderID,"
        " UnitPrice, UnitsOrdered) VALUES ('2021-03-01', 1, 1, 12.5, 4),"
        " ('2021-03-02', 1, 2, 0, 6), ('2021-03-03', 3, 1, 2.5, 3);"));
    useDatabase(db.path());
    const ReportDocument doc = layout(1);
    QCOMPARE(doc.pageCount(), 1);
    // Hoe has no order lines and still prints its header (and its footer).
    QCOMPARE(textsOf(doc, "txtProductName"), QStringList({"Hoe", "Rake", "Spade"}));
    QCOMPARE(textsOf(doc, "txtProductUnits"), QStringList({"0", "10", "3"}));
    QCOMPARE(textsOf(doc, "txtAvgUnitPrice"), QStringList({"$12.50", "$0.00", "$2.50"}));
    QCOMPARE(textsOf(doc, "Function1"), QStringList{QStringLiteral("13")});
}

void tst_ReportDefinitions::longReportPaging() {
    TempDatabase db;
    QString sql = QStringLiteral("INSERT INTO Products (ProductID, ProductName) VALUES (1, 'Rake'),"
                                 " (2, 'Spade'); INSERT INTO [Inventory Transactions]"
                                 " (TransactionDate, ProductID, UnitsSold) VALUES ");
    const int rows = 100;
    for (int i = 0; i < rows; ++i)
        sql +=
            QStringLiteral("%1('2021-01-01', %2, %3)").arg(i ? "," : "").arg(i < 60 ? 1 : 2).arg(i);
    db.exec(sql);
    useDatabase(db.path());
    const ReportDocument doc = layout(4);
    QVERIFY(doc.pageCount() >= 3);
    QCOMPARE(textsOf(doc, "txtUnitsSold").size(), rows);

    const int bodyBottom = 12240 - 1440 - 675; // letter landscape, one-inch margins
    for (const LaidOutPage& page : doc.pages) {
        QCOMPARE(page.find("Label6").at(0)->text(),
                 QStringLiteral("Page %1 of %2").arg(page.number).arg(doc.pageCount()));
        QCOMPARE(page.find("Label4").size(), size_t(1)); // headings every page
        for (const LaidOutItem& item : page.items) {
            if (item.section == u"cm1B_Detail" || item.section == u"Section1")
                QVERIFY(item.rect.bottom() < bodyBottom);
        }
        // Every page names the product its first row belongs to above that row; a product
        // going on from the page before is marked as continued. No product name ends a page.
        const auto names = page.find("txtProductName");
        const auto units = page.find("txtUnitsSold");
        QVERIFY(!names.empty() && !units.empty());
        QVERIFY(names.front()->rect.y() < units.front()->rect.y());
        QVERIFY(names.back()->rect.y() < units.back()->rect.y());
        const int first = units.front()->text().toInt();
        const QString product = first < 60 ? QStringLiteral("Rake") : QStringLiteral("Spade");
        const bool startsHere = first == 0 || first == 60;
        QCOMPARE(names.front()->text(),
                 startsHere ? product : product + QStringLiteral(" (continued)"));
    }
}

void tst_ReportDefinitions::purchaseOrder() {
    const TempDatabase db(TempDatabase::Content::Nothing);
    dbtool::createDatabase(db.path(), true, false);
    useDatabase(db.path());
    {
        OpenConnection()->Execute(
            QStringLiteral("UPDATE [My Company Information] SET PurchaseOrderID = 12,"
                           " PhoneNumber = '555-123-4567', FaxNumber = '555.123.4568'"));
    }
    const ReportDocument doc = layout(5);
    QCOMPARE(doc.pageCount(), 1);
    const LaidOutPage& page = doc.pages.front();
    QCOMPARE(page.find("lblPhone").at(0)->text(),
             QStringLiteral("Phone: (555) 123-4567  Fax: (555) 123-4568"));
    QCOMPARE(page.find("txtPurchaseOrderID").at(0)->text(), QStringLiteral("12"));
    QCOMPARE(page.find("Label19").at(0)->text(), QStringLiteral("Page 1 of 1"));

    const QStringList units = textsOf(doc, "txtUnitsOrdered");
    const QStringList prices = textsOf(doc, "txtUnitPrice");
    const QStringList subtotals = textsOf(doc, "txtSubtotal");
    QCOMPARE(units.size(), 4);
    int line = -1;
    for (int i = 0; i < units.size(); ++i) {
        if (units[i] == u"3" && prices[i] == u"$2.50")
            line = i;
    }
    QVERIFY2(line >= 0, qPrintable(prices.join(u',')));
    QCOMPARE(subtotals[line], QStringLiteral("$7.50"));
    double total = 0;
    for (const QString& s : subtotals)
        total += amount(s);
    QCOMPARE(amount(page.find("txtOrderTotal").at(0)->text()), total);

    // A long order goes on under its header again, its number marked as continued.
    {
        OpenConnection()->Execute(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40)"
            " INSERT INTO [Inventory Transactions] (TransactionDate, ProductID,"
            " PurchaseOrderID, UnitPrice, UnitsOrdered)"
            " SELECT '2021-01-01', (SELECT MIN(ProductID) FROM Products), 12, 1, i FROM n"));
    }
    const ReportDocument longOrder = layout(5);
    QVERIFY(longOrder.pageCount() >= 2);
    const LaidOutItem* number = longOrder.pages[1].find("txtPurchaseOrderID").at(0);
    QCOMPARE(number->text(), QStringLiteral("12 (continued)"));
    QCOMPARE(textsOf(longOrder, "txtUnitsOrdered").size(), 44);
}

QTEST_MAIN(tst_ReportDefinitions)
#include "tst_ReportDefinitions.moc"
