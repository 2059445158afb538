// The saved queries (views) of db/schema.sql on a small data set whose figures are worked
// out by hand below, and the foreign keys' refusal to delete a referenced row.
#include "QueryRows.h"
#include "TempDatabase.h"

#include <QTest>

namespace {

// Products: 1 Alpha (many transactions, most counts empty), 2 Beta (none), 3 Gamma (order
// lines of 0.10 and 0.20), 4 Delta (one transaction with every count empty).
// Orders: 1 Acme (Ann Lee, Truck), 2 Bolt (no first name, no shipping), 3 without supplier.
//
// Alpha: received 10 + 2 = 12, sold 4, shrinkage 1  -> on hand 7
//        ordered 10 + 3 + 7 + 1 = 21, received 12   -> on order 9
// Gamma: ordered 1 + 1 + 1 + 2 + 1 + 4 = 10         -> on hand 0, on order 10
// Order 1 total: 3 x 2.50 + 3 x 0.10 + 2 x 1.25 = 7.5 + 0.3 + 2.5 = 10.3
const char* const kData = R"sql(
INSERT INTO Categories (CategoryName) VALUES ('Tools');
INSERT INTO Products (ProductName, CategoryID, ReorderLevel, LeadTime) VALUES
    ('Alpha', 1, 5, '2 weeks'), ('Beta', 1, 3, NULL), ('Gamma', 1, NULL, '1 week'),
    ('Delta', NULL, 0, NULL);
INSERT INTO Suppliers (SupplierName, ContactName, Address, City, StateOrProvince, PostalCode,
                       Country) VALUES
    ('Acme', 'Jo Smith', '1 Main St', 'Springfield', 'IL', '62701', 'USA'),
    ('Bolt', NULL, NULL, NULL, 'OR', NULL, NULL);
INSERT INTO Employees (FirstName, LastName) VALUES ('Ann', 'Lee'), (NULL, 'Solo');
INSERT INTO [Shipping Methods] (ShippingMethod) VALUES ('Truck');
INSERT INTO [Purchase Orders] (SupplierID, EmployeeID, ShippingMethodID, OrderDate,
                               DateRequired, DatePromised, PurchaseOrderDescription) VALUES
    (1, 1, 1, '2021-01-01', '2021-01-15', '2021-01-10', 'Spring order'),
    (2, 2, NULL, '2021-07-01', NULL, NULL, NULL),
    (NULL, NULL, NULL, '2021-08-01', NULL, NULL, NULL);
INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, TransactionDate,
    UnitsOrdered, UnitsReceived, UnitsSold, UnitsShrinkage, UnitPrice) VALUES
    (1, NULL, '2020-12-31', 10, 10, NULL, NULL, NULL),
    (1, 1, '2021-01-01', 3, NULL, NULL, NULL, 2.5),
    (1, NULL, '2021-03-01', NULL, NULL, 4, NULL, NULL),
    (1, NULL, '2021-03-02', NULL, NULL, NULL, 1, NULL),
    (1, NULL, '2021-05-01', NULL, 2, NULL, NULL, NULL),
    (1, 2, '2022-01-01', 7, NULL, NULL, NULL, 3),
    (1, 2, '2020-12-31', 1, NULL, NULL, NULL, 3),
    (3, 1, '2021-01-01', 1, NULL, NULL, NULL, 0.1),
    (3, 1, '2021-06-15', 1, NULL, NULL, NULL, 0.1),
    (3, 1, '2021-12-31', 1, NULL, NULL, NULL, 0.1),
    (NULL, 1, '2021-02-01', 2, NULL, NULL, NULL, 1.25),
    (3, 2, '2021-07-01', 2, NULL, NULL, NULL, 0.2),
    (3, 2, '2021-07-02', 1, NULL, NULL, NULL, 0.1),
    (3, 3, '2021-08-01', 4, NULL, NULL, NULL, 0.3),
    (4, NULL, '2021-09-01', NULL, NULL, NULL, NULL, NULL);
UPDATE [My Company Information] SET CompanyName = 'Test Company', Address = '9 High St',
    City = 'Portland', Country = 'USA', BeginDate = '2021-01-01', EndDate = '2021-12-31',
    PurchaseOrderID = 1;
)sql";

// Rows keyed by "a/b" from two columns, for order-independent comparisons.
QMap<QString, QVariantMap> byKey(const QList<QVariantMap>& rows, const QString& a,
                                 const QString& b) {
    QMap<QString, QVariantMap> map;
    for (const QVariantMap& row : rows)
        map.insert(row.value(a).toString() + QLatin1Char('/') + row.value(b).toString(), row);
    return map;
}

} // namespace

class TestDbViews : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_db = std::make_unique<TempDatabase>();
        m_db->exec(QString::fromUtf8(kData));
    }
    void cleanup() { m_db.reset(); }

    void stockFiguresCountEmptyCountsAsZero() {
        const auto rows =
            databaseRows(m_db->connectionString(), "SELECT * FROM qryProducts ORDER BY ProductID");
        QCOMPARE(rows.size(), 4);
        const QList<QPair<int, int>> expected = {{7, 9}, {0, 0}, {0, 10}, {0, 0}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(rows[i].value("UnitsOnHand").toLongLong(), expected[i].first);
            QCOMPARE(rows[i].value("UnitsOnOrder").toLongLong(), expected[i].second);
            QVERIFY(!rows[i].value("UnitsOnHand").isNull());
        }

        const auto summary = byKey(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep3A"),
                                   "ProductName", "LeadTime");
        QCOMPARE(summary.size(), 4);
        QCOMPARE(summary["Alpha/2 weeks"].value("Units in Stock").toLongLong(), 7);
        QCOMPARE(summary["Alpha/2 weeks"].value("Units on Order").toLongLong(), 9);
        QCOMPARE(summary["Alpha/2 weeks"].value("ReorderLevel").toLongLong(), 5);
        QCOMPARE(summary["Beta/"].value("Units in Stock").toLongLong(), 0);
    }

    void costComparisonTotalsAgree() {
        const auto master = databaseRows(m_db->connectionString(), "SELECT * FROM qryRep1A");
        QCOMPARE(master.size(), 4);
        const auto detail = byKey(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep1B"),
                                  "ProductID", "SupplierName");
        QCOMPARE(detail.size(), 5);
        QCOMPARE(detail["1/Acme"].value("Total Units").toLongLong(), 3);
        QCOMPARE(detail["1/Acme"].value("Avg Unit Price").toDouble(), 2.5);
        QCOMPARE(detail["1/Bolt"].value("Total Units").toLongLong(), 8);
        QCOMPARE(detail["3/Acme"].value("Total Units").toLongLong(), 3);
        // avg(0.2, 0.1) is 0.15000000000000002 in binary; the view rounds it to 0.15.
        QVERIFY(detail["3/Bolt"].value("Avg Unit Price").toDouble() == 0.15);
        QVERIFY(detail["3/Acme"].value("Avg Unit Price").toDouble() == 0.1);
        // The order without a supplier still counts, under an empty supplier name.
        QCOMPARE(detail["3/"].value("Total Units").toLongLong(), 4);

        QMap<qlonglong, qlonglong> sums;
        for (const QVariantMap& row : detail)
            sums[row.value("ProductID").toLongLong()] += row.value("Total Units").toLongLong();
        for (const QVariantMap& row : master)
            QCOMPARE(row.value("Total Units").toLongLong(),
                     sums.value(row.value("ProductID").toLongLong()));
        QCOMPARE(sums.value(1), 11);
        QCOMPARE(sums.value(3), 10);
    }

    void purchasesBySupplierKeepToThePeriodInclusive() {
        QCOMPARE(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep2A").size(), 2);
        auto detail = byKey(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep2B"),
                            "SupplierID", "ProductName");
        // Alpha on 2021-01-01 (first day) is in; Bolt's Alpha lines (2020-12-31, 2022-01-01) not.
        QCOMPARE(detail.keys(), QStringList({"1/", "1/Alpha", "1/Gamma", "2/Gamma"}));
        QCOMPARE(detail["1/Alpha"].value("Total Units").toLongLong(), 3);
        QCOMPARE(detail["1/Gamma"].value("Total Units").toLongLong(), 3); // includes 2021-12-31
        QVERIFY(detail["2/Gamma"].value("Avg Unit Price").toDouble() == 0.15);

        m_db->exec("UPDATE [My Company Information] SET BeginDate = '2021-01-02', "
                   "EndDate = '2021-12-30'");
        detail = byKey(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep2B"),
                       "SupplierID", "ProductName");
        QVERIFY(!detail.contains("1/Alpha"));
        QCOMPARE(detail["1/Gamma"].value("Total Units").toLongLong(), 1);

        m_db->exec("UPDATE [My Company Information] SET BeginDate = NULL");
        QCOMPARE(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep2B").size(), 0);
    }

    void transactionDetailIsOrderedByDate() {
        const auto rows =
            databaseRows(m_db->connectionString(), "SELECT * FROM qryRep4B WHERE ProductID = 1");
        QStringList dates;
        for (const QVariantMap& row : rows)
            dates.append(row.value("TransactionDate").toString());
        QCOMPARE(dates, QStringList({"2020-12-31", "2020-12-31", "2021-01-01", "2021-03-01",
                                     "2021-03-02", "2021-05-01", "2022-01-01"}));
        QCOMPARE(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep4B").size(), 15);
        QCOMPARE(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep4A").size(), 4);
    }

    void printedOrderHeaderIsTheCompanyRowsOrder() {
        auto rows = databaseRows(m_db->connectionString(), "SELECT * FROM qryRep5A");
        QCOMPARE(rows.size(), 1);
        QVariantMap row = rows[0];
        QCOMPARE(row.value("PurchaseOrderID").toLongLong(), 1);
        QCOMPARE(row.value("Employee").toString(), QString("Ann Lee"));
        QCOMPARE(row.value("ShippingMethod").toString(), QString("Truck"));
        QCOMPARE(row.value("Address1").toString(), QString("1 Main St"));
        QCOMPARE(row.value("Adress2").toString(), QString("Springfield, IL 62701"));
        QCOMPARE(row.value("Country1").toString(), QString("USA"));
        QCOMPARE(row.value("Address").toString(), QString("9 High St"));
        QCOMPARE(row.value("City").toString(), QString("Portland"));
        QVERIFY(row.value("OrderTotal").toDouble() == 10.3);

        // Missing parts of the employee's name and of the address line leave no separators.
        m_db->exec("UPDATE [My Company Information] SET PurchaseOrderID = 2");
        row = databaseRows(m_db->connectionString(), "SELECT * FROM qryRep5A").value(0);
        QCOMPARE(row.value("Employee").toString(), QString("Solo"));
        QCOMPARE(row.value("Adress2").toString(), QString("OR"));
        QVERIFY(row.value("ShippingMethod").isNull());

        m_db->exec("UPDATE [My Company Information] SET PurchaseOrderID = 3");
        rows = databaseRows(m_db->connectionString(), "SELECT * FROM qryRep5A");
        QCOMPARE(rows.size(), 1);
        QVERIFY(rows[0].value("SupplierName").isNull());
        QVERIFY(rows[0].value("Employee").isNull());
        QVERIFY(rows[0].value("Adress2").isNull());

        m_db->exec("UPDATE [My Company Information] SET PurchaseOrderID = 99");
        QCOMPARE(databaseRows(m_db->connectionString(), "SELECT * FROM qryRep5A").size(), 0);
    }

    void printedOrderLinesHaveTheLiteralColumnNames() {
        QStringList columns;
        const auto rows =
            databaseRows(m_db->connectionString(), "SELECT * FROM qryRep5B", &columns);
        for (const char* name :
             {"qryRep5B.PurchaseOrderID", "Inventory Transactions.ProductID", "ProductName",
              "UnitsOrdered", "Inventory Transactions.UnitPrice", "Subtotal"})
            QVERIFY2(columns.contains(QString::fromLatin1(name)), name);
        QCOMPARE(rows.size(), 5);
        QList<double> subtotals;
        for (const QVariantMap& row : rows) {
            QCOMPARE(row.value("qryRep5B.PurchaseOrderID").toLongLong(), 1);
            subtotals.append(row.value("Subtotal").toDouble());
        }
        QVERIFY(subtotals.contains(7.5));
        QCOMPARE(subtotals.count(0.1), 3);
        // The line without a product is listed, with an empty name.
        const auto orphan =
            databaseRows(m_db->connectionString(), "SELECT * FROM qryRep5B WHERE "
                                                   "[Inventory Transactions.ProductID] IS NULL");
        QCOMPARE(orphan.size(), 1);
        QVERIFY(orphan[0].value("ProductName").isNull());
        QCOMPARE(orphan[0].value("Subtotal").toDouble(), 2.5);
        // Three binary 0.1s summed drift; the view's rounded sum does not.
        QVERIFY(m_db->scalar("SELECT round(sum(Subtotal), 4) FROM qryRep5B WHERE "
                             "[Inventory Transactions.ProductID] = 3")
                    .toDouble() == 0.3);
    }

    void referencedRowsCannotBeDeleted() {
        // The windows' tests delete referenced rows of the other tables.
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            m_db->exec("DELETE FROM [Shipping Methods] WHERE ShippingMethodID = 1"));
        m_db->exec("DELETE FROM Products WHERE ProductID = 2");
        QCOMPARE(m_db->scalar("SELECT count(*) FROM Products").toLongLong(), 3);
    }

private:
    std::unique_ptr<TempDatabase> m_db;
};

QTEST_GUILESS_MAIN(TestDbViews)
#include "tst_dbviews.moc"
