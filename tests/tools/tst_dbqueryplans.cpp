// The query plans behind the per-product and per-order reads: they must go through an index
// (cost in proportion to the product's or order's rows), never scan Inventory Transactions.
// Also: every foreign key column leads an index, so RESTRICT checks on delete do not scan.
#include "QueryRows.h"
#include "TempDatabase.h"

#include <QRegularExpression>
#include <QTest>

class TestDbQueryPlans : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Enough rows that a scan and an index search are told apart by the planner too.
        m_db.exec("INSERT INTO Products (ProductName) VALUES ('A'), ('B'), ('C');"
                  "INSERT INTO Suppliers (SupplierName) VALUES ('S');"
                  "INSERT INTO [Purchase Orders] (SupplierID) VALUES (1), (1);"
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                  " INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, "
                  " TransactionDate, UnitsOrdered, UnitPrice)"
                  " SELECT i % 3 + 1, CASE WHEN i % 10 = 0 THEN i % 2 + 1 END, '2021-05-01', i, 1.5"
                  " FROM n;"
                  "UPDATE [My Company Information] SET PurchaseOrderID = 1;");
    }

    void perProductAndPerOrderReadsUseIndexes_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("index");
        QTest::newRow("qryProducts for one product")
            << "SELECT * FROM qryProducts WHERE ProductID = 2"
            << "ix_InventoryTransactions_Product";
        QTest::newRow("printed order lines") << "SELECT * FROM qryRep5B"
                                             << "ix_InventoryTransactions_PurchaseOrder";
        QTest::newRow("printed order total") << "SELECT OrderTotal FROM qryRep5A"
                                             << "ix_InventoryTransactions_PurchaseOrder";
    }

    void perProductAndPerOrderReadsUseIndexes() {
        QFETCH(QString, sql);
        QFETCH(QString, index);
        QStringList details;
        for (const QVariantMap& row : queryRows(m_db.path(), "EXPLAIN QUERY PLAN " + sql))
            details.append(row.value("detail").toString());
        const QString plan = details.join('\n');
        QVERIFY2(plan.contains(index), qPrintable(plan));
        static const QRegularExpression scan(R"(^SCAN (t|l|Inventory Transactions)\b)",
                                             QRegularExpression::MultilineOption);
        QVERIFY2(!scan.match(plan).hasMatch(), qPrintable(plan));
    }

    void everyForeignKeyLeadsAnIndex() {
        const QString keys = "FROM sqlite_schema t, pragma_foreign_key_list(t.name) fk "
                             "WHERE t.type = 'table'";
        QCOMPARE(queryRows(m_db.path(), "SELECT * " + keys).size(), 6);
        QStringList unindexed;
        for (const QVariantMap& key : queryRows(
                 m_db.path(), "SELECT t.name || '.' || fk.\"from\" AS name " + keys +
                                  " AND NOT EXISTS (SELECT 1 FROM pragma_index_list(t.name) il, "
                                  "pragma_index_info(il.name) c WHERE c.seqno = 0 AND "
                                  "c.name = fk.\"from\")"))
            unindexed << key.value("name").toString();
        QVERIFY2(unindexed.isEmpty(), qPrintable(unindexed.join(", ")));
    }

private:
    TempDatabase m_db;
};

QTEST_GUILESS_MAIN(TestDbQueryPlans)
#include "tst_dbqueryplans.moc"
