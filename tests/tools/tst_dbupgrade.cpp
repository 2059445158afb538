// quarvel-db upgrade and the schema version, run as a user runs them on a database made by the
// first version (a file or, as tst_dbupgrade_postgres, a server database): the program's data
// stays, a connection open beside the upgrade goes on working, a failed upgrade changes
// nothing, and check knows each version.
#include "RunTool.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/Recordset.h"

#include <QTest>

using namespace quarvel;

class TestDbUpgrade : public QObject {
    Q_OBJECT

    // A statement of the engine's own dialect on db (which is then never used again).
    static void native(const TempDatabase& db, const QString& sqlite, const QString& postgres) {
        if (db.isPostgres())
            db.execNative(postgres);
        else
            db.exec(sqlite);
    }

    static int tables(const TempDatabase& db, const char* name) {
        return db
            .scalar(db.isPostgres()
                        ? QString("SELECT count(*) FROM pg_tables WHERE tablename = '%1'").arg(name)
                        : QString("SELECT count(*) FROM sqlite_schema WHERE name = '%1'").arg(name))
            .toInt();
    }

private slots:
    void aFirstVersionDatabaseIsUpgradedWithItsDataAndAProgramBeside() {
        TempDatabase db;
        native(db, "SELECT 1", "SELECT 1"); // the database is not handed to another test
        db.exec("INSERT INTO Products (ProductName) VALUES ('Hammer');"
                "INSERT INTO [Inventory Transactions] (ProductID, TransactionDate, UnitsSold) "
                "VALUES (1, '2021-03-04', 2)");

        // Complete as it is; check names the version and what an upgrade adds, once.
        const Run before = runTool({"check", db.path()});
        QVERIFY2(before.exitCode == 0, qPrintable(before.out + before.err));
        QVERIFY2(before.out.contains("schema version 1; quarvel-db upgrade adds"),
                 qPrintable(before.out));

        // The program has the database open while the upgrade runs.
        Recordset products;
        products.Open("Select * from Products", Connection::open(db.connectionString()));
        products.setField("ProductName", "Claw Hammer");

        const Run upgrade = runTool({"upgrade", db.path()});
        QVERIFY2(upgrade.exitCode == 0, qPrintable(upgrade.out + upgrade.err));
        QVERIFY2(upgrade.out.contains("from schema version 1 to 3"), qPrintable(upgrade.out));

        products.Update();
        QCOMPARE(db.scalar("SELECT ProductName FROM Products").toString(), QString("Claw Hammer"));
        QCOMPARE(db.scalar("SELECT sum(UnitsSold) FROM [Inventory Transactions]").toInt(), 2);
        db.exec("INSERT INTO [Stock Counts] (StartedOn) VALUES ('2022-02-03');"
                "INSERT INTO [Stock Count Lines] (StockCountID, ProductID, Expected) "
                "VALUES (1, 1, -2)");
        QCOMPARE(db.scalar("SELECT count(*) FROM [Stock Count Lines]").toInt(), 1);

        const Run after = runTool({"check", db.path()});
        QVERIFY2(after.exitCode == 0 && after.out.contains("schema version 3\n"),
                 qPrintable(after.out + after.err));
        const Run again = runTool({"upgrade", db.path()});
        QVERIFY2(again.exitCode == 0 && again.out.contains("already at schema version 3"),
                 qPrintable(again.out));

        // A version from a newer program is neither upgraded nor called complete.
        db.exec("UPDATE [Schema Version] SET Version = 4");
        const Run newer = runTool({"upgrade", db.path()});
        QVERIFY2(newer.exitCode == 1 && newer.err.contains("made by a newer Quarvel"),
                 qPrintable(newer.err));
        QCOMPARE(runTool({"check", db.path()}).exitCode, 1);
    }

    // The figures kept for each product follow every write of another program (here a plain
    // SQL client): added, changed, moved to another product, deleted, the product deleted.
    void keptStockFiguresFollowEveryWrite() {
        TempDatabase db;
        native(db, "SELECT 1", "SELECT 1");
        db.exec("INSERT INTO Products (ProductName) VALUES ('Hammer'), ('Saw'), ('Brush');"
                "INSERT INTO [Purchase Orders] (PurchaseOrderNumber) VALUES (1);"
                "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, UnitsOrdered, "
                "UnitsReceived) VALUES (1, 1, 10, 4), (1, NULL, NULL, NULL), (2, 1, 3, NULL)");
        QCOMPARE(runTool({"upgrade", db.path()}).exitCode, 0);
        const auto kept = [&] {
            QStringList rows;
            for (int product = 1; product <= 3; ++product)
                rows << QString("%1:%2/%3/%4")
                            .arg(product)
                            .arg(db.scalar(QString("SELECT UnitsOnHand FROM [Product Stock] "
                                                   "WHERE ProductID = %1")
                                               .arg(product))
                                     .toString())
                            .arg(db.scalar(QString("SELECT UnitsOnOrder FROM [Product Stock] "
                                                   "WHERE ProductID = %1")
                                               .arg(product))
                                     .toString())
                            .arg(db.scalar(QString("SELECT LastOrderLineID FROM [Product Stock] "
                                                   "WHERE ProductID = %1")
                                               .arg(product))
                                     .toString());
            return rows.join(' ');
        };
        QCOMPARE(kept(), QString("1:4/6/1 2:0/3/3 3://"));
        db.exec("INSERT INTO [Inventory Transactions] (ProductID, UnitsSold) VALUES (3, 2)");
        db.exec("UPDATE [Inventory Transactions] SET UnitsReceived = 10 WHERE TransactionID = 1");
        QCOMPARE(kept(), QString("1:10/0/1 2:0/3/3 3:-2/0/"));
        // A line moved to another product leaves the first and joins the second.
        db.exec("UPDATE [Inventory Transactions] SET ProductID = 2 WHERE TransactionID = 1");
        QCOMPARE(kept(), QString("1:0/0/ 2:10/3/3 3:-2/0/"));
        // The last order line's order and price follow its price and its order being changed.
        db.exec("INSERT INTO [Purchase Orders] (PurchaseOrderNumber) VALUES (2);"
                "UPDATE [Inventory Transactions] SET UnitPrice = 1.25, PurchaseOrderID = 2 "
                "WHERE TransactionID = 3");
        QCOMPARE(
            db.scalar("SELECT LastUnitPrice FROM [Product Stock] WHERE ProductID = 2").toDouble(),
            1.25);
        QCOMPARE(db.scalar("SELECT LastOrderID FROM [Product Stock] WHERE ProductID = 2").toInt(),
                 2);
        db.exec("DELETE FROM [Inventory Transactions] WHERE TransactionID = 3");
        QCOMPARE(kept(), QString("1:0/0/ 2:10/0/1 3:-2/0/"));
        QCOMPARE(db.scalar("SELECT LastOrderID FROM [Product Stock] WHERE ProductID = 2").toInt(),
                 1);
        QVERIFY(
            db.scalar("SELECT LastUnitPrice FROM [Product Stock] WHERE ProductID = 2").isNull());
        db.exec("DELETE FROM [Inventory Transactions] WHERE ProductID = 1;"
                "DELETE FROM Products WHERE ProductID = 1");
        QCOMPARE(db.scalar("SELECT count(*) FROM [Product Stock] WHERE ProductID = 1").toInt(), 0);
        QCOMPARE(runTool({"check", db.path()}).exitCode, 0);

        // Written behind the triggers' back, the figures no longer agree: check says so.
        db.exec("UPDATE [Product Stock] SET UnitsOnHand = 99 WHERE ProductID = 2");
        const Run check = runTool({"check", db.path()});
        QVERIFY2(check.exitCode == 1 &&
                     check.out.contains("Product Stock disagrees with the transactions of 1"),
                 qPrintable(check.out));
    }

    void aFailedUpgradeChangesNothing() {
        TempDatabase db;
        // An object of the upgrade's last step's name, made by hand: that step fails.
        native(db, "CREATE INDEX ix_InventoryTransactions_Date ON Products (ProductName)",
               "CREATE INDEX \"ix_InventoryTransactions_Date\" ON \"Products\" (\"ProductName\")");
        const Run upgrade = runTool({"upgrade", db.path()});
        QCOMPARE(upgrade.exitCode, 1);
        QVERIFY2(upgrade.err.contains("which is unchanged"), qPrintable(upgrade.err));
        QCOMPARE(tables(db, "Schema Version"), 0);
        QCOMPARE(tables(db, "Stock Counts"), 0);
        const Run check = runTool({"check", db.path()});
        QVERIFY2(check.exitCode == 0 && check.out.contains("schema version 1;"),
                 qPrintable(check.out + check.err));

        // Not a database of this program at all.
        TempDatabase empty(TempDatabase::Content::Nothing);
        native(empty, "SELECT 1", "SELECT 1");
        const Run foreign = runTool({"upgrade", empty.path()});
        QVERIFY2(foreign.exitCode == 1 && foreign.err.contains("no Quarvel database"),
                 qPrintable(foreign.err));
        QCOMPARE(runTool({"upgrade", "--force", db.path()}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestDbUpgrade)
#include "tst_dbupgrade.moc"
