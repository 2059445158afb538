#include "Failure.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/ProcedureScope.h"
#include "data/Recordset.h"
#include "data/Transaction.h"

#include <QtTest>

using namespace quarvel;

class RecordsetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> db;

    QString stored(const QString& sql) { return db->scalar(sql).toString(); }
    // What the database holds for the first product.
    QString hammer(const QString& expression) {
        return stored("SELECT " + expression + " FROM Products WHERE ProductID = 1");
    }

    std::unique_ptr<Recordset> open(const QString& sql) {
        auto rs = std::make_unique<Recordset>();
        rs->Open(sql, Connection::open(db->connectionString()));
        return rs;
    }

private slots:
    void init() {
        db = std::make_unique<TempDatabase>();
        db->exec("INSERT INTO Categories (CategoryName) VALUES ('Tools'), ('Paint');"
                 "INSERT INTO Products (ProductName, CategoryID, ReorderLevel, LeadTime) VALUES "
                 "('Hammer', 1, 5, '2 days'), ('Brush', 2, NULL, ''), ('Saw', 1, 2, NULL);"
                 "INSERT INTO Suppliers (SupplierName) VALUES ('Acme');"
                 "INSERT INTO [Purchase Orders] (PurchaseOrderNumber, SupplierID) VALUES (7, 1);"
                 "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, "
                 "TransactionDate, UnitsOrdered, UnitPrice) VALUES (1, 1, '2021-03-04', 3, 2.5);");
    }

    void cursorWalksBothWays() {
        auto rs = open("Select * from Products");
        QCOMPARE(rs->RecordCount(), 3);
        QVERIFY(!rs->isBOF() && !rs->isEOF());
        QCOMPARE(rs->Fields("productname").toString(), QString("Hammer"));
        rs->MoveLast();
        QCOMPARE(rs->Fields("ProductName").toString(), QString("Saw"));
        rs->MoveNext();
        QVERIFY(rs->isEOF());
        QVERIFY(!errorOf([&] { rs->Fields(0); }).isEmpty());
        rs->MovePrevious();
        rs->MovePrevious();
        QCOMPARE(rs->Fields("ProductName").toString(), QString("Brush"));
        // Null and the empty text stay apart.
        QVERIFY(rs->Fields("ReorderLevel").isNull());
        QVERIFY(!rs->Fields("LeadTime").isNull());
        QCOMPARE(rs->Fields("LeadTime").toString(), QString());
        QVERIFY(!errorOf([&] { rs->Fields("NoSuchField"); }).isEmpty());

        auto empty = open("Select * from Employees");
        QVERIFY(empty->isBOF() && empty->isEOF());
        QVERIFY(!errorOf([&] { empty->MoveFirst(); }).isEmpty());
    }

    void editsAreWrittenOnceAndOnlyWhenChanged() {
        auto rs = open("Select * from Products");
        rs->setField("ProductName", "Hammer");
        QCOMPARE(rs->EditMode(), int(Recordset::adEditNone));
        // Another program changes the row; an Update with nothing to write must not notice.
        db->exec("UPDATE Products SET LeadTime = '3 days' WHERE ProductID = 1");
        rs->Update();
        rs->setField("ReorderLevel", "12");
        // Moving off the row writes it; the other program's change is kept.
        rs->MoveNext();
        QCOMPARE(hammer("ReorderLevel"), QString("12"));
        QCOMPARE(hammer("LeadTime"), QString("3 days"));
        // An empty box clears a number to Null; text keeps the empty text.
        rs->setField("ReorderLevel", "");
        rs->setField("LeadTime", "");
        rs->Update();
        QVERIFY(db->scalar("SELECT ReorderLevel FROM Products WHERE ProductID = 2").isNull());
        const QVariant leadTime = db->scalar("SELECT LeadTime FROM Products WHERE ProductID = 2");
        QVERIFY(!leadTime.isNull() && leadTime.toString().isEmpty());
    }

    void refusedValuesNameTheField() {
        auto rs = open("Select * from Products");
        rs->setField("ReorderLevel", "lots");
        const QString message = errorOf([&] { rs->Update(); });
        QVERIFY2(message.contains("ReorderLevel") && message.contains("lots"), qPrintable(message));
        QCOMPARE(hammer("ReorderLevel"), QString("5"));
        // The edit is kept, and a move does not lose it silently.
        QCOMPARE(rs->EditMode(), int(Recordset::adEditInProgress));
        QVERIFY(!errorOf([&] { rs->MoveNext(); }).isEmpty());
        QCOMPARE(rs->AbsolutePosition(), 0);

        auto lines = open("Select * from [Inventory Transactions]");
        lines->setField("TransactionDate", "02/30/2021");
        QVERIFY(errorOf([&] { lines->Update(); }).contains("TransactionDate"));
        lines->setField("TransactionDate", "12/31/2021");
        lines->setField("ProductID", 99);
        const QString missing = errorOf([&] { lines->Update(); });
        QVERIFY2(missing.contains("ProductID") && missing.contains("Products"),
                 qPrintable(missing));
        QCOMPARE(stored("SELECT TransactionDate FROM [Inventory Transactions]"), "2021-03-04");
    }

    void writesBetweenTwoConnectionsAreOptimistic() {
        auto mine = open("Select * from Products");
        auto theirs = open("Select * from Products");
        mine->setField("ReorderLevel", "12");
        theirs->setField("ReorderLevel", "7");
        theirs->setField("LeadTime", "3 days");
        theirs->Update();
        QCOMPARE(failureOf([&] { mine->Update(); }).kind(), DatabaseError::Kind::Conflict);
        QCOMPARE(hammer("ReorderLevel"), "7");
        // Reading the stored values keeps what was typed, to be saved over them knowingly.
        mine->Resync();
        mine->Update();
        QCOMPARE(hammer("ReorderLevel || ' ' || LeadTime"), "12 3 days");
        // A change to another column than theirs goes through and reads their change back.
        theirs->setField("ProductName", "Claw Hammer");
        theirs->Update();
        mine->setField("LeadTime", "1 week");
        mine->Update();
        QCOMPARE(mine->Fields("ProductName").toString(), QString("Claw Hammer"));

        theirs->MoveLast();
        theirs->Delete();
        mine->MoveLast();
        mine->setField("ProductName", "Hacksaw");
        QVERIFY(errorOf([&] { mine->Update(); }).contains("deleted"));
        mine->CancelUpdate();
        QVERIFY(!errorOf([&] { mine->Delete(); }).isEmpty());
        // Read again, the result holds what the other connection wrote.
        mine->Requery();
        QCOMPARE(mine->RecordCount(), 2);
    }

    void transactionsBelongToTheirConnection() {
        auto connection = Connection::open(db->connectionString());
        Recordset mine;
        mine.Open("Select * from Categories", connection);
        auto theirs = open("Select * from Categories");
        auto write = [&](const char* name) {
            mine.setField("CategoryName", name);
            mine.Update();
        };
        {
            Transaction transaction(connection);
            QVERIFY(!errorOf([&] { connection->BeginTrans(); }).isEmpty());
            write("Hand tools");
            // No other connection, whether opened before or during the transaction, sees it.
            theirs->Requery();
            QCOMPARE(theirs->Fields("CategoryName").toString(), QString("Tools"));
            QCOMPARE(open("Select * from Categories")->Fields("CategoryName").toString(),
                     QString("Tools"));
        }
        mine.Requery();
        QCOMPARE(mine.Fields("CategoryName").toString(), QString("Tools"));
        {
            Transaction transaction(connection);
            write("Hand tools");
            transaction.commit();
        }
        theirs->Requery();
        QCOMPARE(theirs->Fields("CategoryName").toString(), QString("Hand tools"));
    }

    void aFailedAddNewWritesIntoNoOtherRow() {
        auto rs = open("Select * from Products");
        rs->setField("ReorderLevel", "a dozen");
        {
            ProcedureScope procedure;
            QVERIFY(!errorOf([&] { rs->AddNew(); }).isEmpty());
            // What the procedure meant for the new row does not land in the row shown.
            const QString refused = errorOf([&] { rs->setField("ProductName", "New Product"); });
            QVERIFY2(refused.contains("ProductName"), qPrintable(refused));
            QCOMPARE(failureOf([&] { rs->Update(); }).kind(), DatabaseError::Kind::NotAdded);
            QCOMPARE(rs->Fields("ProductName").toString(), QString("Hammer"));
            QCOMPARE(rs->Fields("ReorderLevel").toString(), QString("a dozen"));
            // An explicit step of the cursor ends the refusal within the procedure too.
            rs->CancelUpdate();
            rs->setField("LeadTime", "3 days");
            rs->Update();
        }
        QCOMPARE(hammer("LeadTime"), QString("3 days"));
        rs->setField("ReorderLevel", "a dozen");
        {
            // In a modal window that a procedure opened, the user's work is no statement of
            // that procedure.
            ProcedureScope opener;
            QEventLoop modal;
            QTimer::singleShot(0, &modal, [&] {
                QVERIFY(!errorOf([&] { rs->AddNew(); }).isEmpty());
                rs->setField("LeadTime", "4 days");
                modal.quit();
            });
            modal.exec();
        }
        // The procedure is over: the user corrects the value and saves it, and nothing else.
        rs->setField("ReorderLevel", "12");
        rs->Update();
        QCOMPARE(hammer("ProductName || ' ' || ReorderLevel || ' ' || LeadTime"),
                 QString("Hammer 12 4 days"));
        QCOMPARE(db->scalar("SELECT count(*) FROM Products").toInt(), 3);
    }

    // The conversions themselves are FieldValue's (tst_sqltexts); here they go the whole way,
    // through Update into the stored row, up to what each column takes.
    void typedValuesReachTheDatabaseWithinTheirColumnsLimits() {
        auto rs = open("Select * from Products");
        rs->setField("ProductName", QString(255, u'x'));
        rs->setField("ProductDescription", QString(40000, u'n'));
        rs->Update();
        QCOMPARE(hammer("length(ProductName) || ' ' || length(ProductDescription)"),
                 QString("255 40000"));
        auto lines = open("Select * FROM [Inventory Transactions] Where ProductID=1");
        lines->setField("UnitsSold", "2147483647");
        lines->setField("UnitsShrinkage", "-2,147,483,648");
        lines->setField("UnitPrice", "$1,234.56789");
        lines->setField("TransactionDate", "12/31/99");
        lines->Update();
        QCOMPARE(stored("SELECT UnitsSold || ' ' || UnitsShrinkage || ' ' || UnitPrice || ' ' || "
                        "TransactionDate FROM [Inventory Transactions]"),
                 "2147483647 -2147483648 1234.5679 2099-12-31");
        QCOMPARE(lines->Fields("TransactionDate").toDate(), QDate(2099, 12, 31));
        // What neither engine can store as typed is refused by name, and nothing is written:
        // amounts no currency holds, and a NUL character (a server would cut the text there).
        for (const char* price : {"1e308", "-1e308", "9223372036854775808", "inf", "nan"}) {
            lines->setField("UnitPrice", price);
            const QString refused = errorOf([&] { lines->Update(); });
            QVERIFY2(refused.contains("UnitPrice") && refused.contains(price), qPrintable(refused));
            lines->CancelUpdate();
        }
        rs->setField("ProductName", QStringLiteral("Nail") + QChar(0) + QStringLiteral("gun"));
        const QString nul = errorOf([&] { rs->Update(); });
        QVERIFY2(nul.contains("ProductName") && nul.contains("NUL"), qPrintable(nul));
        rs->CancelUpdate();
        QCOMPARE(stored("SELECT UnitPrice || ' ' || length(ProductName) FROM [Inventory "
                        "Transactions], Products WHERE Products.ProductID = 1"),
                 "1234.5679 255");
        // Characters as the engines count them: 255 emoji fit a 255-character field.
        const QString emoji = QString::fromUtf8("\xF0\x9F\x94\xA8");
        rs->setField("ProductName", emoji.repeated(255));
        rs->Update();
        QCOMPARE(hammer("length(ProductName)"), QString("255"));
        QVERIFY(
            errorOf([&] { rs->setField("ProductName", emoji.repeated(256)); }).contains("has 256"));
        // The database refuses longer text, and what the stock figures could not add up.
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 db->exec("UPDATE Products SET ProductName = '" +
                                          QString(256, u'z') + "' WHERE ProductID = 1"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 db->exec("UPDATE [Inventory Transactions] SET UnitsSold = "
                                          "9223372036854775807"));
    }

    void orderLinesWriteOnlyTheirOwnTable() {
        // As the order window reads them: a right join naming its columns, one computed.
        auto rs = open("SELECT [Inventory Transactions].TransactionID, Products.ProductName, "
                       "[Inventory Transactions].[UnitsOrdered]*[Inventory Transactions]."
                       "[UnitPrice] AS Subtotal FROM Products RIGHT JOIN [Inventory Transactions] "
                       "ON Products.ProductID = [Inventory Transactions].ProductID Where "
                       "PurchaseOrderID=1");
        QCOMPARE(rs->UpdatableTable(), QString("Inventory Transactions"));
        QCOMPARE(rs->Fields("ProductName").toString(), QString("Hammer"));
        QCOMPARE(rs->Fields("Subtotal").toDouble(), 7.5);
        QVERIFY(!rs->isFieldUpdatable(rs->fieldIndex("ProductName")));
        QVERIFY(!rs->isFieldUpdatable(rs->fieldIndex("Subtotal")));
        QVERIFY(!errorOf([&] { rs->setField("ProductName", "x"); }).isEmpty());
        // A line whose product is gone from the join's left side is still listed.
        db->exec(
            QString(db->isPostgres() ? "ALTER TABLE [Inventory Transactions] DISABLE TRIGGER "
                                       "ALL;"
                                     : "PRAGMA foreign_keys = OFF;") +
            "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID) VALUES (77, 1)");
        rs->Requery();
        QCOMPARE(rs->RecordCount(), 2);
        rs->MoveLast();
        QVERIFY(rs->Fields("ProductName").isNull());
    }

    void aSavedQueryWritesItsTablesColumns() {
        auto rs = open("Select * FROM [qryProducts] Where ProductID=1");
        QVERIFY(!rs->isFieldUpdatable(rs->fieldIndex("UnitsOnHand")));
        QCOMPARE(rs->fieldKind(rs->fieldIndex("ReorderLevel")), FieldKind::Number);
        rs->setField("ReorderLevel", 9);
        rs->Update();
        QCOMPARE(hammer("ReorderLevel"), QString("9"));
    }

    void rowsChangedElsewhereAreReadAgainOneByOne() {
        db->exec("INSERT INTO [Purchase Orders] (PurchaseOrderNumber, SupplierID) VALUES (8, 1);"
                 "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, "
                 "UnitsOrdered, UnitPrice) VALUES (2, 1, 1, 4), (3, 1, 2, 1)");
        auto rs = open("SELECT [Inventory Transactions].TransactionID, Products.ProductName, "
                       "[Inventory Transactions].[UnitsOrdered]*[Inventory Transactions]."
                       "[UnitPrice] AS Subtotal FROM Products RIGHT JOIN [Inventory Transactions] "
                       "ON Products.ProductID = [Inventory Transactions].ProductID Where "
                       "PurchaseOrderID=1;");
        QCOMPARE(rs->RecordCount(), 3);
        rs->MoveTo(1);
        QSignalSpy fields(rs.get(), &Recordset::fieldChanged);

        // Joined and computed columns come out as a whole read gives them.
        db->exec("UPDATE [Inventory Transactions] SET UnitPrice = 5, ProductID = 1 "
                 "WHERE TransactionID = 2");
        QCOMPARE(rs->RefreshRow(2), RowRefresh::Refreshed);
        QCOMPARE(rs->Fields("Subtotal").toDouble(), 5.0);
        QCOMPARE(rs->Fields("ProductName").toString(), QString("Hammer"));
        QCOMPARE(fields.size(), 2);
        QCOMPARE(rs->RefreshRow(2), RowRefresh::Unchanged);
        // A row of another order is none of this result's business; one moved in is added at
        // the end, one moved out is removed, and the current row stays current.
        db->exec("INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID) "
                 "VALUES (1, 2)");
        QCOMPARE(rs->RefreshRow(4), RowRefresh::Absent);
        db->exec("UPDATE [Inventory Transactions] SET PurchaseOrderID = 1 WHERE TransactionID = 4");
        QCOMPARE(rs->RefreshRow(4), RowRefresh::Added);
        QCOMPARE(rs->RecordCount(), 4);
        QCOMPARE(rs->value(3, 0).toInt(), 4);
        db->exec("UPDATE [Inventory Transactions] SET PurchaseOrderID = 2 WHERE TransactionID = 1");
        QCOMPARE(rs->RefreshRow(1), RowRefresh::Removed);
        QCOMPARE(rs->AbsolutePosition(), 0);
        QCOMPARE(rs->Fields("TransactionID").toInt(), 2);
        // The current row deleted: the one that followed it becomes current.
        db->exec("DELETE FROM [Inventory Transactions] WHERE TransactionID = 2");
        QCOMPARE(rs->RefreshRow(2), RowRefresh::Removed);
        QCOMPARE(rs->Fields("TransactionID").toInt(), 3);
        QCOMPARE(rs->RecordCount(), 2);
    }

    void aRowBeingEditedIsHeldAndItsWriteMeetsTheChange() {
        auto rs = open("Select * from Suppliers");
        rs->setField("City", "Bonn");
        db->exec("UPDATE Suppliers SET City = 'Köln' WHERE SupplierID = 1");
        QCOMPARE(rs->RefreshRow(1), RowRefresh::Held);
        QCOMPARE(rs->Fields("City").toString(), QString("Bonn"));
        QCOMPARE(failureOf([&] { rs->Update(); }).kind(), DatabaseError::Kind::Conflict);
        rs->CancelUpdate();
        QCOMPARE(rs->RefreshRow(1), RowRefresh::Refreshed);
        QCOMPARE(rs->Fields("City").toString(), QString("Köln"));

        // A result without a key is read again whole, keeping its place.
        auto company = open("Select * from [My Company Information]");
        db->exec("UPDATE [My Company Information] SET City = 'Ulm'");
        QCOMPARE(company->RefreshRow(QVariant()), RowRefresh::Refreshed);
        QCOMPARE(company->Fields("City").toString(), QString("Ulm"));
        QCOMPARE(company->RefreshRow(QVariant()), RowRefresh::Unchanged);
    }
};

QTEST_GUILESS_MAIN(RecordsetTest)
#include "tst_recordset.moc"
