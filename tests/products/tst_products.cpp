// The Products window's editor and transactions: navigation, add, save and delete of products
// and of their transactions with their exact texts, the rule that keeps the title until the
// product changes, edits in the grid and the figures that follow them, and failures.

#include "ProductsFixture.h"
#include "app/TaskMenu.h"
#include "controls/RecordsetModel.h"
#include "controls/TabStrip.h"
#include "data/Recordset.h"

class TestProducts : public QObject {
    Q_OBJECT

private slots:
    void navigationBringsLabelsGridAndFiguresAlong() {
        // Even between two products with equal name and reorder level, the bar brings each
        // product's own labels, grid and figures along.
        ProductsFixture f;
        f.db().exec("UPDATE Products SET ProductName = 'Hammer', ReorderLevel = 5 WHERE "
                    "ProductID = 2");
        f.session().rsProducts->Requery();
        f.editor()->dc()->moveFirst();
        f.next();
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
        QCOMPARE(f.idLabel(), QStringLiteral("2"));
        QCOMPARE(f.session().rsTransactions->RecordCount(), 1);
        QCOMPARE(f.cell(0, "TransactionDescription").data(), QVariant(QStringLiteral("Order")));
        QCOMPARE(f.unitsOnHand(), QStringLiteral("0"));
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("4"));

        f.next();
        QCOMPARE(f.title(), QStringLiteral("Brush"));
        QCOMPARE(f.session().rsTransactions->RecordCount(), 0);
        // A product without transactions keeps the seven captions.
        QCOMPARE(f.captions().size(), 7);
        QCOMPARE(f.editor()->categoryCombo()->currentText(), QStringLiteral("Paint"));
        QVERIFY(f.boxes.isEmpty());
    }

    void addNewProduct() {
        ProductsFixture f;
        f.editor()->tabs()->setSelectedIndex(2);
        f.click("PushButton4");
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(f.count("Products"), 4);
        QCOMPARE(f.count("Products WHERE ProductName = 'New Product'"), 1);
        QCOMPARE(f.title(), QStringLiteral("New Product"));
        QCOMPARE(f.idLabel(), QStringLiteral("4"));
        QCOMPARE(f.session().rsTransactions->RecordCount(), 0);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("0"));
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("0"));
        QCOMPARE(f.editor()->tabs()->selectedIndex(), 1);
        QVERIFY(f.editor()->page(0)->isEnabled());
        QTRY_VERIFY(f.editor()->box(0)->hasFocus());
    }

    void savedProductKeepsItsTitleUntilTheProductChanges() {
        ProductsFixture f;
        f.retype(0, "Claw Hammer");
        f.retype(4, "4 days");
        f.click("PushButton7");
        QCOMPARE(f.texts(), QStringList{"Hammer\n   saved."});
        QCOMPARE(f.boxes[0].title, QStringLiteral("Quarvel"));
        QCOMPARE(f.boxes[0].icon, QMessageBox::NoIcon);
        QCOMPARE(f.product1("ProductName || ' ' || LeadTime").toString(),
                 QStringLiteral("Claw Hammer 4 days"));
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
        f.next();
        f.previous();
        QCOMPARE(f.title(), QStringLiteral("Claw Hammer"));
        // With nothing left to write, closing asks nothing.
        QVERIFY(f.window->close());
        QCOMPARE(f.boxes.size(), 1);
    }

    void failedSaveIsReportedAndAddNewLeavesTheProductAsStored() {
        ProductsFixture f;
        auto* reorder = f.retype(1, "a dozen");
        f.click("PushButton7");
        QCOMPARE(reportedLines(f.boxes, "PushButton7_Click"), QList<int>{102});
        QVERIFY2(f.boxes[0].text.contains("ReorderLevel"), qPrintable(f.boxes[0].text));
        QCOMPARE(f.product1("ReorderLevel").toInt(), 5);

        // The add, the name and the write fail; nothing lands in the product shown.
        f.takeBoxes();
        f.click("PushButton4");
        QCOMPARE(reportedLines(f.takeBoxes(), "PushButton4_Click"), (QList<int>{106, 108, 110}));
        QCOMPARE(f.editor()->box(0)->text(), QStringLiteral("Hammer"));
        QCOMPARE(reorder->text(), QStringLiteral("a dozen"));
        // The user corrects the value and saves: the product keeps its name.
        f.retype(1, "12");
        f.click("PushButton7");
        QCOMPARE(f.texts(), QStringList{"Hammer\n   saved."});
        QCOMPARE(f.product1("ProductName || ' ' || ReorderLevel").toString(),
                 QStringLiteral("Hammer 12"));
        QCOMPARE(f.count("Products"), 3);
    }

    void saveOverAnotherUsersChangeAsksFirst() {
        ProductsFixture f;
        auto* reorder = f.retype(1, "12");
        f.db().exec("UPDATE Products SET ReorderLevel = 7 WHERE ProductID = 1");
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[0].title, QStringLiteral("Question"));
        QCOMPARE(f.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QVERIFY2(f.boxes[0].text.contains("ReorderLevel: stored \"7\", yours \"12\""),
                 qPrintable(f.boxes[0].text));
        QCOMPARE(f.boxes[1].text, QStringLiteral("Hammer\n   saved."));
        QCOMPARE(f.product1("ReorderLevel").toInt(), 12);

        // No: the stored values are shown and kept.
        f.takeBoxes();
        f.retype(1, "20");
        f.db().exec("UPDATE Products SET ReorderLevel = 30 WHERE ProductID = 1");
        f.answerNext(QMessageBox::No);
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(reorder->text(), QStringLiteral("30"));
        QCOMPARE(f.session().rsProducts->EditMode(), 0);
        QCOMPARE(f.product1("ReorderLevel").toInt(), 30);

        // Keep Editing (the default): the typing stays, unsaved, and the next save asks again.
        f.takeBoxes();
        f.retype(1, "40");
        f.db().exec("UPDATE Products SET ReorderLevel = 50 WHERE ProductID = 1");
        f.answerNext(QMessageBox::Cancel);
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(reorder->text(), QStringLiteral("40"));
        QCOMPARE(f.product1("ReorderLevel").toInt(), 50);
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 3);
        QVERIFY2(f.boxes[1].text.contains("ReorderLevel: stored \"50\", yours \"40\""),
                 qPrintable(f.boxes[1].text));
        QCOMPARE(f.product1("ReorderLevel").toInt(), 40);
    }

    void deleteAsksWithNoAsDefaultAndKeepsWhatTheDatabaseRefuses() {
        ProductsFixture f;
        f.next();
        f.next();
        f.answerNext(QMessageBox::No);
        f.click("PushButton3");
        QCOMPARE(f.boxes.size(), 1);
        f.checkQuestion(0, "Do you really want to delete this Product ?\nFor: Brush",
                        QMessageBox::No);
        QCOMPARE(f.count("Products"), 3);
        QCOMPARE(f.title(), QStringLiteral("Brush"));

        f.answerNext(QMessageBox::Yes);
        f.click("PushButton3");
        QCOMPARE(f.count("Products"), 2);
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
        QCOMPARE(f.idLabel(), QStringLiteral("1"));
        QCOMPARE(f.session().rsTransactions->RecordCount(), 2);

        f.next(); // Saw, which has a transaction
        f.takeBoxes();
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton3");
        QCOMPARE(reportedLines(f.boxes, "PushButton3_Click"), (QList<int>{-1, 106}));
        QVERIFY2(f.boxes[1].text.contains("cannot be deleted"), qPrintable(f.boxes[1].text));
        QCOMPARE(f.count("Products"), 2);
        // The refused row stays current.
        QCOMPARE(f.title(), QStringLiteral("Saw"));
        QCOMPARE(f.session().rsTransactions->RecordCount(), 1);
    }

    void addNewTransactionStampsTodayAndTheProduct() {
        ProductsFixture f;
        f.click("PushButton2");
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(f.count("[Inventory Transactions] WHERE ProductID = 1 AND TransactionDate = "
                         "'2022-02-03' AND UnitsOrdered IS NULL AND PurchaseOrderID IS NULL"),
                 1);
        QCOMPARE(f.session().rsTransactions->RecordCount(), 3);
        // The figures are not re-read.
        QCOMPARE(f.unitsOnHand(), QStringLiteral("5"));
    }

    void saveTransactionAsksOverAnotherUsersChangeAndReports() {
        ProductsFixture f;
        QVERIFY(f.grid()->model()->setData(f.cell(f.rowOfTransaction(1), "UnitsSold"), "4"));
        f.db().exec("UPDATE [Inventory Transactions] SET UnitsSold = 6 WHERE TransactionID = 1");
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton8");
        QCOMPARE(f.boxes.size(), 2);
        QVERIFY2(f.boxes[0].text.contains("UnitsSold: stored \"6\", yours \"4\""),
                 qPrintable(f.boxes[0].text));
        QCOMPARE(f.boxes[1].text, QStringLiteral("03/04/2021 - First delivery\n  saved."));
        QCOMPARE(f.transaction1("UnitsSold").toInt(), 4);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("3"));
        QVERIFY(f.window->updatesEnabled());

        // Without a description: the date alone.
        f.session().rsTransactions->MoveTo(f.rowOfTransaction(2));
        f.click("PushButton8");
        QCOMPARE(f.boxes.size(), 3);
        QCOMPARE(f.boxes[2].text, QStringLiteral("04/01/2021\n  saved."));
    }

    void aFailedRowWriteGivesOneReport() {
        ProductsFixture f;
        const int row = f.rowOfTransaction(1);
        f.typeInCell(row, "UnitsSold", "several");
        f.click("PushButton8");
        QCOMPARE(reportedLines(f.boxes, "PushButton8_Click"), QList<int>{106});
        QVERIFY(f.boxes[0].text.contains("UnitsSold"));
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
        QCOMPARE(f.session().rsTransactions->Fields("UnitsSold").toString(),
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
        f.checkQuestion(0, question, QMessageBox::Yes);
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
        QCOMPARE(f.session().rsProducts->Fields("ProductID").toInt(), 1);
        QCOMPARE(f.session().rsTransactions->Fields("UnitsSold").toString(),
                 QStringLiteral("several"));

        // Add New Product asks too; the failing write keeps the product.
        f.takeBoxes();
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton4");
        QCOMPARE(reportedLines(f.boxes, "PushButton4_Click"), (QList<int>{-1, 102}));
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
        QCOMPARE(f.session().rsTransactions->EditMode(), int(quarvel::Recordset::adEditAdd));
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

    void deleteTransactionAsksWithNoAsDefault() {
        ProductsFixture f;
        f.session().rsTransactions->MoveTo(f.rowOfTransaction(1));
        f.answerNext(QMessageBox::No);
        f.click("PushButton1");
        QCOMPARE(f.boxes.size(), 1);
        f.checkQuestion(0,
                        "Do you really want to delete this transaction record ?\nFor: 03/04/2021 - "
                        "First delivery",
                        QMessageBox::No);
        QCOMPARE(f.count("[Inventory Transactions]"), 3);

        f.answerNext(QMessageBox::Yes);
        f.click("PushButton1");
        QCOMPARE(f.count("[Inventory Transactions] WHERE ProductID = 1"), 1);
        QCOMPARE(f.session().rsTransactions->RecordCount(), 1);
        // The figures keep their values until the next refresh.
        QCOMPARE(f.unitsOnHand(), QStringLiteral("5"));
    }

    void gridEditUpdatesFiguresWhenTheNextCellEditBegins() {
        ProductsFixture f;
        QTest::mouseMove(f.window->taskMenu()->entry(2));
        const int row = f.rowOfTransaction(1);
        f.typeInCell(row, "UnitsReceived", "10");
        QTRY_COMPARE(f.session().rsTransactions->Fields("UnitsReceived").toInt(), 10);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("5"));

        f.grid()->setCurrentIndex(f.cell(row, "UnitsSold"));
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
        QVERIFY(f.grid()->model()->setData(f.cell(f.grid()->newRow(), "UnitsSold"), "3"));
        f.click("PushButton8");
        QCOMPARE(f.texts(), QStringList{"02/03/2022\n  saved."});
        QCOMPARE(f.count("[Inventory Transactions] WHERE ProductID = 1 AND TransactionDate = "
                         "'2022-02-03' AND UnitsSold = 3"),
                 1);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestProducts)
#include "tst_products.moc"
