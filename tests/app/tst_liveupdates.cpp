// Another program's saves show in the open windows as they happen, on the engine under test: a
// real second program (quarvel-test-saver) saves through the data layer while the windows are
// open here, and the windows follow the program-wide change feed as the program's own do.
#include "../products/ProductsFixture.h"
#include "../tools/RunTool.h"
#include "SaverProcess.h"
#include "data/ProgramUser.h"
#include "find/FindModel.h"
#include "find/FindProductWindow.h"
#include "orders/OrderLines.h"
#include "orders/PurchaseOrdersWindow.h"
#include "reference/CategoriesWindow.h"
#include "reference/SuppliersWindow.h"
#include "reorder/ReorderModel.h"
#include "reorder/ReorderWindow.h"
#include "shell/ChangeFeed.h"
#include "shell/ChangeNotice.h"

#include <QTimer>

using quarvel::shell::ChangeFeed;
using quarvel::shell::ChangeNotice;

namespace {

// A database of the latest schema version with the Products fixture's rows and a supplier,
// watched by the program's change feed, and a second program saving on it.
struct LiveDatabase {
    LiveDatabase() {
        if (db.isPostgres())
            db.execNative("SELECT 1"); // upgraded: never handed to another test
        upgraded = runTool({"upgrade", db.path()}).exitCode == 0;
        db.exec("INSERT INTO Categories (CategoryName) VALUES ('Tools'), ('Paint');"
                "INSERT INTO Products (ProductName, CategoryID, ReorderLevel, LeadTime) VALUES "
                "('Hammer', 1, 5, '2 days'), ('Saw', 1, 3, '1 week'), ('Brush', 2, 10, NULL);"
                "INSERT INTO [Inventory Transactions] (ProductID, TransactionDate,"
                " TransactionDescription, UnitsOrdered, UnitsReceived, UnitsSold) VALUES"
                " (1, '2021-03-04', 'First delivery', 10, 8, 2),"
                " (1, '2021-04-01', NULL, NULL, NULL, 1),"
                " (2, '2021-05-05', 'Order', 4, NULL, NULL);"
                "INSERT INTO Suppliers (SupplierName, City) VALUES ('Acme', 'Springfield');");
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        feed = ChangeFeed::start(db.path());
        saver = startSaver(db.path());
        ready = replyOf(*saver) == QLatin1String("ready");
    }
    ~LiveDatabase() { ChangeFeed::stop(); }

    // The other program runs `sql`; true when it says it did.
    bool otherRuns(const QString& sql) const {
        saver->write(("exec " + sql + "\n").toUtf8());
        return replyOf(*saver) == QLatin1String("done");
    }

    TempDatabase db;
    bool upgraded = false;
    ChangeFeed* feed = nullptr;
    Saver saver;
    bool ready = false;
};

ChangeNotice* noticeOf(const QWidget& window) {
    return window.findChild<ChangeNotice*>(QStringLiteral("ChangeNotice"));
}

quarvel::controls::BoundTextBox* boxOf(const QWidget& window, const QString& field) {
    for (auto* box : window.findChildren<quarvel::controls::BoundTextBox*>())
        if (box->dataField() == field)
            return box;
    return nullptr;
}

} // namespace

class TestLiveUpdates : public QObject {
    Q_OBJECT

private slots:
    // The product's fields, title, transactions and figures follow, row by row, and the
    // transaction the user is on stays current.
    void theProductsWindowShowsAnotherProgramsSaves() {
        LiveDatabase live;
        QVERIFY(live.upgraded && live.ready && live.feed->isWatching());
        ProductsFixture f(false, live.db.path());
        QCOMPARE(f.title(), QString("Hammer"));
        QVERIFY(!noticeOf(*f.window) || !noticeOf(*f.window)->isVisible());
        quarvel::Recordset* rows = f.session().rsTransactions.get();
        rows->MoveTo(1);

        QVERIFY(
            live.otherRuns("UPDATE Products SET ProductName = 'Claw Hammer' WHERE ProductID = 1"));
        QTRY_COMPARE(f.title(), QString("Claw Hammer"));
        QCOMPARE(boxOf(*f.window, "ProductName")->text(), QString("Claw Hammer"));

        QVERIFY(live.otherRuns("INSERT INTO [Inventory Transactions] (ProductID, TransactionDate, "
                               "UnitsReceived) VALUES (1, '2022-01-01', 7)"));
        QTRY_COMPARE(f.session().rsTransactions->RecordCount(), 3);
        QCOMPARE(f.session().rsTransactions.get(), rows); // the row was added, not all re-read
        QCOMPARE(rows->AbsolutePosition(), 1);
        QTRY_COMPARE(f.editor()->box(3)->property("text").toString(), QString("12"));

        QVERIFY(live.otherRuns("DELETE FROM [Inventory Transactions] WHERE TransactionID = 1"));
        QTRY_COMPARE(rows->RecordCount(), 2);
        QCOMPARE(rows->Fields("TransactionID").toInt(), 2);
        QTRY_COMPARE(f.editor()->box(3)->property("text").toString(), QString("6"));
        // Another product's transaction is none of this window's business.
        QVERIFY(live.otherRuns("UPDATE [Inventory Transactions] SET UnitsOrdered = 9 WHERE "
                               "TransactionID = 3"));
        QVERIFY(live.otherRuns("UPDATE Products SET ReorderLevel = 4 WHERE ProductID = 1"));
        QTRY_COMPARE(boxOf(*f.window, "ReorderLevel")->text(), QString("4"));
        QCOMPARE(rows->RecordCount(), 2);
        QVERIFY(f.boxes.isEmpty());
    }

    // What the user is typing stays; the window says who changed the record and when, and the
    // save goes through the choice between the two.
    void anEditInProgressIsHeldAndItsSaveAsksFirst() {
        LiveDatabase live;
        QVERIFY(live.upgraded && live.ready);
        ProductsFixture f(false, live.db.path());
        auto* reorder = f.retype(1, "12");
        QVERIFY(live.otherRuns("UPDATE Products SET ReorderLevel = 7, ProductName = 'Big "
                               "Hammer' WHERE ProductID = 1"));
        QTRY_VERIFY(noticeOf(*f.window) && noticeOf(*f.window)->isVisible());
        const QString notice = noticeOf(*f.window)->text();
        // Who: the login name on a file, the server's user on a server.
        const QString who =
            live.db.isPostgres() ? QUrl(live.db.path()).userName() : quarvel::loginName();
        QVERIFY2(notice.startsWith("Changed by " + who + " at "), qPrintable(notice));
        QCOMPARE(noticeOf(*f.window)->accessibleName(), notice);
        QCOMPARE(reorder->text(), QString("12"));
        QCOMPARE(f.title(), QString("Hammer"));

        f.answerNext(QMessageBox::Yes); // write mine over theirs
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 2);
        QVERIFY2(f.boxes[0].text.contains("ReorderLevel: stored \"7\", yours \"12\""),
                 qPrintable(f.boxes[0].text));
        QCOMPARE(live.db.scalar("SELECT ReorderLevel FROM Products WHERE ProductID = 1").toInt(),
                 12);
        // Their change to the field the user left alone stays, and now shows.
        QCOMPARE(live.db.scalar("SELECT ProductName FROM Products WHERE ProductID = 1").toString(),
                 QString("Big Hammer"));
        QCOMPARE(boxOf(*f.window, "ProductName")->text(), QString("Big Hammer"));
        QTRY_VERIFY(!noticeOf(*f.window)->isVisible());
    }

    // The order and its lines, with the product's name and the subtotal a line shows.
    void theOrderWindowShowsAnotherProgramsLines() {
        LiveDatabase live;
        QVERIFY(live.upgraded && live.ready);
        live.db.exec("INSERT INTO [Purchase Orders] (PurchaseOrderNumber, SupplierID) VALUES "
                     "(1001, 1), (1002, 1);"
                     "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, "
                     "UnitsOrdered, UnitPrice) VALUES (1, 1, 3, 2.5)");
        BoxRecorder boxes;
        quarvel::shell::Session session;
        quarvel::orders::PurchaseOrdersWindow window(session);
        window.Form_Load();
        QVERIFY(driver::show(window));
        quarvel::Recordset* lines = window.lines()->lines().get();
        QCOMPARE(lines->RecordCount(), 1);

        QVERIFY(live.otherRuns("INSERT INTO [Inventory Transactions] (ProductID, "
                               "PurchaseOrderID, UnitsOrdered, UnitPrice) VALUES (2, 1, 4, 1.5)"));
        QTRY_COMPARE(lines->RecordCount(), 2);
        QCOMPARE(driver::cellText(window.lines()->grid(), 1, "ProductName"), QString("Saw"));
        QCOMPARE(lines->value(1, lines->fieldIndex("Subtotal")).toDouble(), 6.0);
        QVERIFY(live.otherRuns("UPDATE [Inventory Transactions] SET PurchaseOrderID = 2 WHERE "
                               "TransactionID = 4"));
        QTRY_COMPARE(lines->RecordCount(), 1);
        QCOMPARE(window.lines()->lines().get(), lines); // the rows changed, not all re-read
        QVERIFY(live.otherRuns("UPDATE [Purchase Orders] SET PurchaseOrderNumber = 1009 WHERE "
                               "PurchaseOrderID = 1"));
        QTRY_COMPARE(boxOf(window, "PurchaseOrderNumber")->text(), QString("1009"));
        QCOMPARE(window.heading()->text(), QString("Purchase Order Number: 1009"));
        QVERIFY(boxes.boxes.isEmpty());
    }

    // A record window, a grid of rows, the reorder list and the find list follow too.
    void referenceWindowsAndTheFindListFollow() {
        LiveDatabase live;
        QVERIFY(live.upgraded && live.ready);
        BoxRecorder boxes;
        {
            quarvel::reference::SuppliersWindow suppliers;
            suppliers.Form_Load();
            QVERIFY(driver::show(suppliers));
            live.saver->write("update\n");
            const QString city = replyOf(*live.saver).section(u' ', 1);
            QVERIFY(city.startsWith("City-"));
            QTRY_COMPARE(boxOf(suppliers, "City")->text(), city);
        }
        {
            // The categories are the Products window's, shown in a window of their own.
            ProductsFixture f(false, live.db.path());
            quarvel::shell::Session& session = f.session();
            quarvel::reference::CategoriesWindow categories(session);
            categories.Form_Load();
            QVERIFY(driver::show(categories));
            live.saver->write("insert\n");
            QVERIFY(replyOf(*live.saver).startsWith("saved "));
            QTRY_COMPARE(session.rsCategories->RecordCount(), 3);
            QVERIFY(live.otherRuns("UPDATE Categories SET CategoryName = 'Hand Tools' WHERE "
                                   "CategoryID = 1"));
            QTRY_COMPARE(session.rsCategories->value(0, 1).toString(), QString("Hand Tools"));
        }
        {
            // Brush (no stock, reorder level 10) is the one product to order; the user's
            // choices in its row stay while its figures follow.
            quarvel::shell::Session session;
            quarvel::reorder::ReorderWindow reorder(session);
            reorder.Form_Load();
            QVERIFY(driver::show(reorder));
            QCOMPARE(reorder.model()->rowCount(), 1);
            const QModelIndex quantity =
                reorder.model()->index(0, quarvel::reorder::ReorderModel::Quantity);
            QVERIFY(reorder.model()->setData(quantity, 25));
            QVERIFY(live.otherRuns("INSERT INTO [Inventory Transactions] (ProductID, "
                                   "UnitsReceived) VALUES (3, 4)"));
            QTRY_COMPARE(
                quantity.siblingAtColumn(quarvel::reorder::ReorderModel::OnHand).data().toString(),
                QString("4"));
            QCOMPARE(quantity.data().toString(), QString("25"));
        }
        {
            quarvel::shell::Session session;
            quarvel::FindProductWindow find(session);
            find.Form_Load();
            QVERIFY(driver::show(find));
            QTRY_COMPARE(find.model()->rowCount(), 3);
            QVERIFY(
                live.otherRuns("UPDATE Products SET ProductName = 'Anvil' WHERE ProductID = 2"));
            QTRY_VERIFY(
                find.model()->match(find.model()->index(0, 0), Qt::DisplayRole, "Anvil").size() ==
                1);
            QVERIFY(live.otherRuns("INSERT INTO [Inventory Transactions] (ProductID, "
                                   "UnitsReceived) VALUES (2, 5)"));
            const auto onHandOfAnvil = [&] {
                const QModelIndex name =
                    find.model()
                        ->match(find.model()->index(0, 0), Qt::DisplayRole, "Anvil")
                        .value(0);
                return name.siblingAtColumn(quarvel::FindModel::OnHand).data().toString();
            };
            QTRY_COMPARE(onHandOfAnvil(), QString("5"));
            QVERIFY(live.otherRuns("INSERT INTO Products (ProductName) VALUES ('Chisel')"));
            QTRY_COMPARE(find.model()->rowCount(), 4);
            QCOMPARE(find.model()->index(3, 0).data().toString(), QString("Chisel"));
            QVERIFY(live.otherRuns("DELETE FROM Products WHERE ProductName = 'Chisel'"));
            QTRY_COMPARE(find.model()->rowCount(), 3);
        }
        QVERIFY(boxes.boxes.isEmpty());
    }

    // An older database is not watched and says once how to be.
    void anOlderDatabaseSaysHowToGetLiveUpdates() {
        TempDatabase db;
        ChangeFeed::start(db.path());
        QVERIFY(ChangeFeed::instance()->needsUpgrade());
        ProductsFixture f(false, db.path());
        QVERIFY(noticeOf(*f.window) && noticeOf(*f.window)->isVisible());
        QVERIFY(noticeOf(*f.window)->text().contains("quarvel-db upgrade"));
        ChangeFeed::stop();
    }
};

QTEST_MAIN(TestLiveUpdates)
#include "tst_liveupdates.moc"
