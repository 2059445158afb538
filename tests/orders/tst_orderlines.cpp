#include "OrdersFixture.h"
#include "app/ProductsWindow.h"
#include "app/TaskMenu.h"
#include "controls/BoundTextBox.h"
#include "orders/PauseWindow.h"
#include "products/ProductEditor.h"

#include <QSignalSpy>
#include <QTimer>

using namespace quarvel;

class tst_OrderLines : public QObject {
    Q_OBJECT

private slots:
    void addNewTransactionDatesTheLineWithTheOrderDate() {
        OrdersFixture f;
        f.click("PushButton2");
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(f.lineRecordset().RecordCount(), 3);
        QCOMPARE(f.scalar("SELECT TransactionDate || '/' || PurchaseOrderID FROM [Inventory"
                          " Transactions] WHERE TransactionID = 4 AND"
                          " coalesce(ProductID, UnitsOrdered, UnitPrice) IS NULL"),
                 QVariant("2021-01-15/1"));

        // A new order has no date yet: that is reported and the line has none.
        f.click("PushButton4");
        QCOMPARE(f.heading(), QStringLiteral("Purchase Order Number: 0"));
        QCOMPARE(f.lineRecordset().RecordCount(), 0);
        f.click("PushButton2");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].title, QStringLiteral("Application Error"));
        QVERIFY(f.boxes[0].text.contains("Form8.PushButton2_Click at line 104"));
        QCOMPARE(f.scalar("SELECT PurchaseOrderID FROM [Inventory Transactions] WHERE"
                          " TransactionID = 5 AND TransactionDate IS NULL"),
                 QVariant(3));
    }

    void choosingAProductWritesItAndReloadsOnTheSameRow() {
        OrdersFixture f;
        const int row = f.rowOfLine(1);
        QSignalSpy reloads(f.grid()->model(), &QAbstractItemModel::modelReset);
        f.chooseProduct(row, "Hammer"); // the line's own product
        QCoreApplication::sendPostedEvents();
        QCOMPARE(f.pauses, 0);
        QCOMPARE(reloads.count(), 0);

        f.chooseProduct(row, "Brush");
        QTRY_COMPARE(f.pauses, 1);
        QVERIFY(reloads.count() > 0);
        QCOMPARE(f.scalar("SELECT ProductID FROM [Inventory Transactions] WHERE"
                          " TransactionID = 1"),
                 QVariant(3));
        QCOMPARE(f.lineRecordset().Fields("TransactionID"), QVariant(1));
        QCOMPARE(f.grid()->currentIndex().row(), f.rowOfLine(1));
        QCOMPARE(f.grid()->currentColumn(), f.grid()->columnOf("ProductName"));
        QCOMPARE(f.cell(f.rowOfLine(1), "ProductName"), QStringLiteral("Brush"));
        QCOMPARE(f.cell(f.rowOfLine(1), "UnitPrice"), QStringLiteral("2.5"));
        QVERIFY(f.boxes.isEmpty());
    }

    void saveTransactionShowsTheSubtotals() {
        OrdersFixture f;
        const int saws = f.rowOfLine(2);
        f.typeInCell(saws, "UnitsOrdered", "3");
        f.typeInCell(saws, "UnitPrice", "2.5");
        f.click("PushButton8");
        QCOMPARE(f.texts(), QStringList{"01/15/2021 - 1\n  saved."});
        QCOMPARE(f.cell(f.rowOfLine(2), "Subtotal"), QStringLiteral("7.5"));
        QCOMPARE(f.lineRecordset().Fields("TransactionID"), QVariant(2));

        f.typeInCell(f.rowOfLine(2), "UnitPrice", "");
        f.click("PushButton8");
        QCOMPARE(f.cell(f.rowOfLine(2), "Subtotal"), QString());
        QCOMPARE(f.scalar("SELECT UnitPrice FROM [Inventory Transactions] WHERE"
                          " TransactionID = 2"),
                 QVariant());
    }

    void aRowBegunInTheGridGetsTheOrderAndToday() {
        OrdersFixture f;
        f.typeInCell(f.grid()->newRow(), "UnitsOrdered", "6");
        f.click("PushButton8");
        QCOMPARE(f.scalar("SELECT TransactionDate || '/' || PurchaseOrderID || '/' ||"
                          " UnitsOrdered FROM [Inventory Transactions] WHERE TransactionID = 4"),
                 QVariant("2022-02-03/1/6"));
    }

    void deletingALineAsksWithNoAsTheDefault() {
        OrdersFixture f;
        f.grid()->setCurrentIndex(f.grid()->model()->index(f.rowOfLine(2), 3));
        f.click("PushButton1");
        QCOMPARE(f.texts(), QStringList{"Do you really want to delete this transaction record "
                                        "?\nFor: 01/15/2021"});
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.lineRecordset().RecordCount(), 2);
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton1");
        QCOMPARE(f.lineRecordset().RecordCount(), 1);
        QCOMPARE(f.scalar("SELECT count(*) FROM [Inventory Transactions] WHERE"
                          " TransactionID = 2"),
                 QVariant(0));
    }

    void thePauseWindowClosesItself() {
        orders::PauseWindow pause;
        pause.Form_Load();
        pause.show();
        QVERIFY(pause.windowFlags() & Qt::FramelessWindowHint);
        QTRY_VERIFY(!pause.isVisible());
    }

    // The task menu's "Browse Purchase Orders": a line entered in the window shows in the
    // Products window's grid and Units on Order once the window closes.
    void theProductsWindowFollowsTheUnitsOrdered() {
        TempDatabase db;
        fillOrders(db);
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        QTemporaryDir folder;
        BoxRecorder boxes; // the closing question answered with its default, Yes
        ProductsWindow products(folder.path());
        products.Form_Load();
        products.show();
        WindowTable::registerWindow("Form9", [](QWidget*) {});
        QCOMPARE(products.editor()->box(0)->text(), QStringLiteral("Hammer"));
        QCOMPARE(products.editor()->box(7)->text(), QStringLiteral("3"));
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<PurchaseOrdersWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            auto* grid = window->lines()->grid();
            const int row = grid->newRow();
            QVERIFY(grid->model()->setData(grid->model()->index(row, grid->columnOf("ProductName")),
                                           1));
            QVERIFY(grid->model()->setData(
                grid->model()->index(row, grid->columnOf("UnitsOrdered")), "10"));
            window->close();
            driven = true;
        });
        QTest::mouseClick(products.taskMenu()->entry(1), Qt::LeftButton);
        QVERIFY(driven);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(products.editor()->box(7)->text(), QStringLiteral("13"));
        QCOMPARE(rsTransactions->RecordCount(), 3);
        WindowTable::clear();
    }
};

QTEST_MAIN(tst_OrderLines)
#include "tst_orderlines.moc"
