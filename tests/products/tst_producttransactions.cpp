// The product's transactions: the three buttons with their exact texts, edits in the grid
// and the figures that follow them, a new row begun in the grid, and failures.

#include "ProductsFixture.h"
#include "app/TaskMenu.h"
#include "controls/RecordsetModel.h"
#include "data/Recordset.h"

namespace {

QModelIndex cell(const ProductsFixture& f, int row, const char* field) {
    return f.grid()->model()->index(row, f.grid()->columnOf(field));
}

} // namespace

class TestProductTransactions : public QObject {
    Q_OBJECT

private slots:
    void addNewTransactionStampsTodayAndTheProduct() {
        ProductsFixture f;
        f.click("PushButton2");
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(f.db()
                     .scalar("SELECT count(*) FROM [Inventory Transactions] WHERE ProductID = "
                             "1 AND TransactionDate = '2022-02-03' AND UnitsOrdered IS NULL "
                             "AND PurchaseOrderID IS NULL")
                     .toInt(),
                 1);
        QCOMPARE(quarvel::rsTransactions->RecordCount(), 3);
        QCOMPARE(quarvel::rsTransactions->Fields("TransactionDate").toDate(),
                 ProductsFixture::today());
        // The figures are not re-read.
        QCOMPARE(f.unitsOnHand(), QStringLiteral("5"));
    }

    void saveTransactionWritesAndReports() {
        ProductsFixture f;
        QVERIFY(f.grid()->model()->setData(cell(f, f.rowOfTransaction(1), "UnitsSold"), "4"));
        f.click("PushButton8");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("03/04/2021 - First delivery\n  saved."));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Quarvel"));
        QCOMPARE(f.boxes[0].icon, QMessageBox::NoIcon);
        QCOMPARE(f.transaction1("UnitsSold").toInt(), 4);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("3"));
        QVERIFY(f.window->updatesEnabled());

        // Without a description: the date alone.
        quarvel::rsTransactions->MoveTo(f.rowOfTransaction(2));
        f.click("PushButton8");
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[1].text, QStringLiteral("04/01/2021\n  saved."));
    }

    void aFailedRowWriteGivesOneReport() {
        ProductsFixture f;
        const int row = f.rowOfTransaction(1);
        f.typeInCell(row, "UnitsSold", "several");
        f.click("PushButton8");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].title, QStringLiteral("Application Error"));
        QVERIFY(f.boxes[0].text.contains("UnitsSold"));
        QVERIFY(f.boxes[0].text.contains("Form1.PushButton8_Click at line 106\n"));
        // The procedure went on to its end: drawing is back, the grid has the focus.
        QVERIFY(f.window->updatesEnabled());
        QTRY_VERIFY(f.grid()->hasFocus());
        QCOMPARE(f.transaction1("UnitsSold").toInt(), 2);

        // Moving off the row: a double click on another row reports once and opens no editor
        // there; the grid stays on the row, also when the user tries again with the keyboard.
        f.takeBoxes();
        QTest::mouseDClick(f.grid()->viewport(), Qt::LeftButton, {},
                           f.grid()->cellRect(1 - row, 4).center());
        QTest::keyClick(f.grid(), row == 0 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY(f.boxes[0].text.contains("UnitsSold"));
        QTRY_COMPARE(f.grid()->currentIndex().row(), row);
        QCOMPARE(QApplication::focusWidget(), f.grid());
        QCOMPARE(quarvel::rsTransactions->Fields("UnitsSold").toString(),
                 QStringLiteral("several"));
    }

    void aPendingGridRowIsAskedAboutBeforeTheProductChanges() {
        ProductsFixture f;
        const QString question = quarvel::ProductsWindow::closingQuestion().replace("\r\n", "\n");
        // No drops the edit; the move goes on.
        f.typeInCell(f.rowOfTransaction(1), "UnitsSold", "6");
        f.answerNext(QMessageBox::No);
        f.next();
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].title, QStringLiteral("Question"));
        QCOMPARE(f.boxes[0].text, question);
        QCOMPARE(f.idLabel(), QStringLiteral("2"));
        QCOMPARE(f.transaction1("UnitsSold").toInt(), 2);

        // Yes writes it, also from a cell editor still open.
        f.previous();
        f.typeInCell(f.rowOfTransaction(1), "UnitsSold", "6", false);
        f.takeBoxes();
        f.answerNext(QMessageBox::Yes);
        f.next();
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.idLabel(), QStringLiteral("2"));
        QCOMPARE(f.transaction1("UnitsSold").toInt(), 6);

        // A write that fails is reported and the user stays with the row.
        f.previous();
        f.typeInCell(f.rowOfTransaction(1), "UnitsSold", "several");
        f.takeBoxes();
        f.answerNext(QMessageBox::Yes);
        f.next();
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[1].icon, QMessageBox::Critical);
        QCOMPARE(f.idLabel(), QStringLiteral("1"));
        QCOMPARE(quarvel::rsProducts->Fields("ProductID").toInt(), 1);
        QCOMPARE(quarvel::rsTransactions->Fields("UnitsSold").toString(),
                 QStringLiteral("several"));

        // Add New Product asks too; the failing write keeps the product.
        f.takeBoxes();
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton4");
        QCOMPARE(f.boxes.size(), 2);
        QVERIFY(f.boxes[1].text.contains("Form1.PushButton4_Click"));
        QCOMPARE(f.count("Products"), 3);
        QCOMPARE(f.idLabel(), QStringLiteral("1"));
        f.takeBoxes();
        f.answerNext(QMessageBox::No);
        f.click("PushButton4");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.title(), QStringLiteral("New Product"));
        QCOMPARE(f.transaction1("UnitsSold").toInt(), 6);

        // Deleting a product: its new grid row is dropped on No, and the product goes.
        f.typeInCell(f.grid()->newRow(), "UnitsSold", "3");
        QCOMPARE(quarvel::rsTransactions->EditMode(), int(quarvel::Recordset::adEditAdd));
        f.takeBoxes();
        f.answerNext(QMessageBox::Yes);
        f.answerNext(QMessageBox::No);
        f.click("PushButton3");
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[1].text, question);
        QCOMPARE(f.count("Products"), 3);
        QCOMPARE(f.count("[Inventory Transactions]"), 3);
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
    }

    void addNewTransactionAfterAFailedSaveLeavesTheRowAsStored() {
        ProductsFixture f;
        const int row = f.rowOfTransaction(1);
        QVERIFY(f.grid()->model()->setData(cell(f, row, "UnitsSold"), "1,2,3"));
        f.click("PushButton8");
        QVERIFY(!f.takeBoxes().isEmpty());
        f.click("PushButton2");
        QCOMPARE(f.takeBoxes().size(), 4); // the add, the date, the product, the write
        QCOMPARE(f.transaction1("TransactionDate || ' ' || UnitsSold").toString(),
                 QStringLiteral("2021-03-04 2"));
        QCOMPARE(f.count("[Inventory Transactions]"), 3);
        QCOMPARE(quarvel::rsTransactions->Fields("TransactionDate").toDate(), QDate(2021, 3, 4));
    }

    void saveTransactionOverAnotherUsersChangeAsksFirst() {
        ProductsFixture f;
        QVERIFY(f.grid()->model()->setData(cell(f, f.rowOfTransaction(1), "UnitsSold"), "4"));
        f.db().exec("UPDATE [Inventory Transactions] SET UnitsSold = 6 WHERE TransactionID = 1");
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton8");
        QVERIFY(f.boxes.size() >= 2);
        QVERIFY2(f.boxes[0].text.contains("UnitsSold: stored \"6\", yours \"4\""),
                 qPrintable(f.boxes[0].text));
        QCOMPARE(f.boxes[1].text, QStringLiteral("03/04/2021 - First delivery\n  saved."));
        QCOMPARE(f.transaction1("UnitsSold").toInt(), 4);
    }

    void deleteTransactionAsksWithNoAsDefault() {
        ProductsFixture f;
        quarvel::rsTransactions->MoveTo(f.rowOfTransaction(1));
        f.answerNext(QMessageBox::No);
        f.click("PushButton1");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].title, QStringLiteral("Question"));
        QCOMPARE(f.boxes[0].text, QStringLiteral("Do you really want to delete this transaction "
                                                 "record ?\nFor: 03/04/2021 - First delivery"));
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(f.count("[Inventory Transactions]"), 3);

        f.answerNext(QMessageBox::Yes);
        f.click("PushButton1");
        QCOMPARE(f.db()
                     .scalar("SELECT count(*) FROM [Inventory Transactions] WHERE ProductID = 1")
                     .toInt(),
                 1);
        QCOMPARE(quarvel::rsTransactions->RecordCount(), 1);
        // The figures keep their values until the next refresh.
        QCOMPARE(f.unitsOnHand(), QStringLiteral("5"));
    }

    void gridEditUpdatesFiguresWhenTheNextCellEditBegins() {
        ProductsFixture f;
        QTest::mouseMove(f.window->taskMenu()->entry(2));
        const int row = f.rowOfTransaction(1);
        f.typeInCell(row, "UnitsReceived", "10");
        QTRY_COMPARE(quarvel::rsTransactions->Fields("UnitsReceived").toInt(), 10);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("5"));

        f.grid()->setCurrentIndex(cell(f, row, "UnitsSold"));
        QTest::keyClick(f.grid(), Qt::Key_F2);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("7"));
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("0"));
        QCOMPARE(f.transaction1("UnitsReceived").toInt(), 10);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(f.window->taskMenu()->entryColor(i), quarvel::TaskMenu::normalColor());
        QVERIFY(f.boxes.isEmpty());
    }

    void newRowInTheGridGetsProductAndToday() {
        ProductsFixture f;
        auto* model = f.grid()->recordsetModel();
        const int newRow = model->newRow();
        QCOMPARE(newRow, 2);
        QVERIFY(model->setData(model->index(newRow, f.grid()->columnOf("UnitsSold")), "3"));
        quarvel::Recordset& rs = *quarvel::rsTransactions;
        QCOMPARE(rs.EditMode(), int(quarvel::Recordset::adEditAdd));
        QCOMPARE(rs.Fields("ProductID").toInt(), 1);
        QCOMPARE(rs.Fields("TransactionDate").toDate(), ProductsFixture::today());
        QCOMPARE(rs.Fields("UnitsSold").toInt(), 3);
        f.click("PushButton8");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("02/03/2022\n  saved."));
        QCOMPARE(f.db()
                     .scalar("SELECT count(*) FROM [Inventory Transactions] WHERE ProductID = "
                             "1 AND TransactionDate = '2022-02-03' AND UnitsSold = 3")
                     .toInt(),
                 1);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestProductTransactions)
#include "tst_producttransactions.moc"
