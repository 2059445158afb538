#include "OrdersFixture.h"
#include "orders/PauseWindow.h"

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
        f.click("PushButton2");
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY(f.boxes[0].text.contains("Form8.PushButton2_Click at line 104"));
        QCOMPARE(f.scalar("SELECT PurchaseOrderID FROM [Inventory Transactions] WHERE"
                          " TransactionID = 5 AND TransactionDate IS NULL"),
                 QVariant(3));
    }

    // Choosing the line's own product changes nothing; another is written and the grid,
    // read again, stays on the same line with its price.
    void choosingAProductWritesItAndKeepsTheRow() {
        OrdersFixture f;
        f.chooseProduct(f.rowOfLine(1), "Hammer");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(f.pauses, 0); // no reload under the pause window

        f.chooseProduct(f.rowOfLine(1), "Brush");
        QTRY_COMPARE(f.pauses, 1);
        QCOMPARE(f.scalar("SELECT ProductID FROM [Inventory Transactions] WHERE"
                          " TransactionID = 1"),
                 QVariant(3));
        QCOMPARE(f.grid()->currentIndex().row(), f.rowOfLine(1));
        QCOMPARE(f.grid()->currentColumn(), f.grid()->columnOf("ProductName"));
        QCOMPARE(f.cell(1, "ProductName"), QStringLiteral("Brush"));
        QCOMPARE(f.cell(1, "UnitPrice"), QStringLiteral("2.5"));
        QVERIFY(f.boxes.isEmpty());
    }

    // Save Transaction writes the lines and shows their subtotals; a row begun in the grid
    // gets the order and today's date.
    void saveTransactionWritesTheLinesAndShowsTheSubtotals() {
        OrdersFixture f;
        f.typeInCell(f.rowOfLine(2), "UnitsOrdered", "3");
        f.typeInCell(f.rowOfLine(2), "UnitPrice", "2.5");
        f.click("PushButton8");
        QCOMPARE(f.texts(), QStringList{"01/15/2021 - 1\n  saved."});
        QCOMPARE(f.cell(2, "Subtotal"), QStringLiteral("7.5"));

        f.typeInCell(f.rowOfLine(2), "UnitPrice", "");
        f.typeInCell(f.grid()->newRow(), "UnitsOrdered", "6");
        f.click("PushButton8");
        QCOMPARE(f.cell(2, "Subtotal"), QString());
        QCOMPARE(f.scalar("SELECT count(*) FROM [Inventory Transactions] WHERE"
                          " TransactionID = 2 AND UnitPrice IS NULL")
                     .toInt(),
                 1);
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
        QCOMPARE(f.grid()->model()->rowCount(), 2); // the line left, and the new row
        QCOMPARE(f.scalar("SELECT count(*) FROM [Inventory Transactions] WHERE"
                          " TransactionID = 2"),
                 QVariant(0));
    }

    void thePauseWindowClosesItself() {
        orders::PauseWindow pause;
        pause.Form_Load();
        pause.show();
        QTRY_VERIFY(!pause.isVisible());
    }
};

QTEST_MAIN(tst_OrderLines)
#include "tst_orderlines.moc"
