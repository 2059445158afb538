// The saved queries (views) of db/schema.sql on a small data set whose figures are worked
// out by hand below.
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/Recordset.h"

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

} // namespace

class TestDbViews : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> m_db;

    // The named columns of each row of a command text as "a|b|c" lines (a Null as NULL),
    // sorted unless the order is the test's.
    QStringList lines(const QString& sql, const QStringList& columns, bool sorted = true) {
        quarvel::Recordset rs;
        rs.Open(sql, quarvel::Connection::open(m_db->connectionString()));
        QStringList result;
        for (; !rs.isEOF(); rs.MoveNext()) {
            QStringList values;
            for (const QString& column : columns)
                values << (rs.Fields(column).isNull() ? "NULL" : rs.Fields(column).toString());
            result << values.join(u'|');
        }
        if (sorted)
            result.sort();
        return result;
    }

private slots:
    void init() {
        m_db = std::make_unique<TempDatabase>();
        m_db->exec(QString::fromUtf8(kData));
    }
    void cleanup() { m_db.reset(); }

    void stockFiguresCountEmptyCountsAsZero() {
        QCOMPARE(lines("SELECT * FROM qryProducts ORDER BY ProductID",
                       {"UnitsOnHand", "UnitsOnOrder"}, false),
                 QStringList({"7|9", "0|0", "0|10", "0|0"}));
        QCOMPARE(lines("SELECT * FROM qryRep3A", {"ProductName", "LeadTime", "ReorderLevel",
                                                  "Units in Stock", "Units on Order"}),
                 QStringList({"Alpha|2 weeks|5|7|9", "Beta|NULL|3|0|0", "Delta|NULL|0|0|0",
                              "Gamma|1 week|NULL|0|10"}));
    }

    void costComparisonTotalsAgree() {
        // Per product: Alpha 3 + 8 = 11 units, Gamma 3 + 3 + 4 = 10, as the detail has them.
        QCOMPARE(lines("SELECT * FROM qryRep1A", {"ProductID", "Total Units"}),
                 QStringList({"1|11", "2|0", "3|10", "4|0"}));
        // avg(0.2, 0.1) is 0.15000000000000002 in binary; the view rounds it to 0.15. The order
        // without a supplier still counts, with no supplier name.
        QCOMPARE(lines("SELECT * FROM qryRep1B",
                       {"ProductID", "SupplierName", "Total Units", "Avg Unit Price"}),
                 QStringList({"1|Acme|3|2.5", "1|Bolt|8|3", "3|Acme|3|0.1", "3|Bolt|3|0.15",
                              "3|NULL|4|0.3"}));
    }

    void purchasesBySupplierKeepToThePeriodInclusive() {
        const QStringList columns = {"SupplierID", "ProductName", "Total Units", "Avg Unit Price"};
        QCOMPARE(lines("SELECT * FROM qryRep2A", {"SupplierName"}), QStringList({"Acme", "Bolt"}));
        // Alpha on 2021-01-01 (first day) is in; Bolt's Alpha lines (2020-12-31, 2022-01-01) not;
        // Gamma's 2021-12-31 (last day) is in.
        QCOMPARE(
            lines("SELECT * FROM qryRep2B", columns),
            QStringList({"1|Alpha|3|2.5", "1|Gamma|3|0.1", "1|NULL|2|1.25", "2|Gamma|3|0.15"}));
        m_db->exec("UPDATE [My Company Information] SET BeginDate = '2021-01-02', "
                   "EndDate = '2021-12-30'");
        QCOMPARE(lines("SELECT * FROM qryRep2B", columns),
                 QStringList({"1|Gamma|1|0.1", "1|NULL|2|1.25", "2|Gamma|3|0.15"}));
        m_db->exec("UPDATE [My Company Information] SET BeginDate = NULL");
        QCOMPARE(lines("SELECT * FROM qryRep2B", columns), QStringList());
    }

    void transactionDetailIsOrderedByDate() {
        QCOMPARE(lines("SELECT * FROM qryRep4B WHERE ProductID = 1", {"TransactionDate"}, false),
                 QStringList({"2020-12-31", "2020-12-31", "2021-01-01", "2021-03-01", "2021-03-02",
                              "2021-05-01", "2022-01-01"}));
        QCOMPARE(lines("SELECT * FROM qryRep4B", {"ProductID"}).size(), 15);
        QCOMPARE(lines("SELECT * FROM qryRep4A", {"ProductID"}).size(), 4);
    }

    void printedOrderHeaderIsTheCompanyRowsOrder() {
        const QString sql = "SELECT * FROM qryRep5A";
        const QStringList columns = {
            "PurchaseOrderID", "SupplierName", "Employee", "ShippingMethod", "Address1",
            "Adress2",         "Country1",     "Address",  "City",           "OrderTotal"};
        QCOMPARE(lines(sql, columns), QStringList({"1|Acme|Ann Lee|Truck|1 Main St|Springfield, IL "
                                                   "62701|USA|9 High St|Portland|10.3"}));
        // Missing parts of the employee's name and of the address line leave no separators.
        m_db->exec("UPDATE [My Company Information] SET PurchaseOrderID = 2");
        QCOMPARE(lines(sql, columns),
                 QStringList({"2|Bolt|Solo|NULL|NULL|OR|NULL|9 High St|Portland|24.5"}));
        m_db->exec("UPDATE [My Company Information] SET PurchaseOrderID = 3");
        QCOMPARE(lines(sql, columns),
                 QStringList({"3|NULL|NULL|NULL|NULL|NULL|NULL|9 High St|Portland|1.2"}));
        m_db->exec("UPDATE [My Company Information] SET PurchaseOrderID = 99");
        QCOMPARE(lines(sql, columns), QStringList());
    }

    void printedOrderLinesHaveTheLiteralColumnNames() {
        // The line without a product is listed, with no product name.
        QCOMPARE(
            lines("SELECT * FROM qryRep5B",
                  {"qryRep5B.PurchaseOrderID", "Inventory Transactions.ProductID", "ProductName",
                   "UnitsOrdered", "Inventory Transactions.UnitPrice", "Subtotal"}),
            QStringList({"1|1|Alpha|3|2.5|7.5", "1|3|Gamma|1|0.1|0.1", "1|3|Gamma|1|0.1|0.1",
                         "1|3|Gamma|1|0.1|0.1", "1|NULL|NULL|2|1.25|2.5"}));
    }
};

QTEST_GUILESS_MAIN(TestDbViews)
#include "tst_dbviews.moc"
