// The product editor of the Products window: navigation, add, save and delete with their
// exact texts, the rule that keeps the title until the product changes, and failures.

#include "ProductsFixture.h"
#include "controls/TabStrip.h"
#include "data/Recordset.h"

class TestProductEditor : public QObject {
    Q_OBJECT

private slots:
    void navigationBringsLabelsGridAndFiguresAlong() {
        ProductsFixture f;
        f.next();
        QCOMPARE(f.title(), QStringLiteral("Saw"));
        QCOMPARE(f.idLabel(), QStringLiteral("2"));
        QCOMPARE(quarvel::rsTransactions->RecordCount(), 1);
        QCOMPARE(f.grid()->model()->data(
                     f.grid()->model()->index(0, f.grid()->columnOf("TransactionDescription"))),
                 QVariant(QStringLiteral("Order")));
        QCOMPARE(f.unitsOnHand(), QStringLiteral("0"));
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("4"));

        f.next();
        QCOMPARE(f.title(), QStringLiteral("Brush"));
        QCOMPARE(quarvel::rsTransactions->RecordCount(), 0);
        // A product without transactions keeps the seven captions.
        QCOMPARE(f.captions(), (QStringList{"Date", "PO ID", "Description", "Ordered", "Received",
                                            "Sold", "Shrinkage"}));
        QCOMPARE(f.editor()->categoryCombo()->currentText(), QStringLiteral("Paint"));
        QVERIFY(f.boxes.isEmpty());
    }

    void addNewProduct() {
        ProductsFixture f;
        f.editor()->tabs()->setSelectedIndex(2);
        f.click("PushButton4");
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(f.db()
                     .scalar("SELECT group_concat(ProductName) FROM Products WHERE ProductID > 3")
                     .toString(),
                 QStringLiteral("New Product"));
        QCOMPARE(f.title(), QStringLiteral("New Product"));
        QCOMPARE(f.idLabel(), QStringLiteral("4"));
        QCOMPARE(quarvel::rsTransactions->RecordCount(), 0);
        QCOMPARE(f.unitsOnHand(), QStringLiteral("0"));
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("0"));
        QCOMPARE(f.editor()->tabs()->selectedIndex(), 1);
        QVERIFY(f.editor()->page(0)->isEnabled());
        QTRY_VERIFY(f.editor()->box(0)->hasFocus());
    }

    void saveProductShowsTheNameAndSaved() {
        ProductsFixture f;
        f.retype(4, "4 days");
        QVERIFY(quarvel::rsProducts->EditMode() != 0);
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("Hammer\n   saved."));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Quarvel"));
        QCOMPARE(f.boxes[0].icon, QMessageBox::NoIcon);
        QCOMPARE(f.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(f.product1("LeadTime").toString(), QStringLiteral("4 days"));
    }

    void renamedProductKeepsItsTitleUntilTheProductChanges() {
        ProductsFixture f;
        f.retype(0, "Claw Hammer");
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("Hammer\n   saved."));
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
        QCOMPARE(f.product1("ProductName").toString(), QStringLiteral("Claw Hammer"));
        f.next();
        f.previous();
        QCOMPARE(f.title(), QStringLiteral("Claw Hammer"));
    }

    void failedSaveReportsWithoutSavedNote() {
        ProductsFixture f;
        f.retype(1, "many");
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 1);
        const ShownBox& report = f.boxes[0];
        QCOMPARE(report.title, QStringLiteral("Application Error"));
        QCOMPARE(report.icon, QMessageBox::Warning);
        const QString description = report.text.section('\n', 0, 0);
        QVERIFY(description.contains("ReorderLevel"));
        QCOMPARE(report.text, description +
                                  "\nin Quarvel2021/08/31.Form1.PushButton7_Click at line 102"
                                  "\n\nPlease email screenshot of this message to "
                                  "support@quarvel.example");
        QCOMPARE(f.product1("ReorderLevel").toInt(), 5);
        // A second try fails again with a box of its own.
        f.click("PushButton7");
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[1].title, QStringLiteral("Application Error"));
    }

    void addNewAfterAFailedSaveLeavesTheProductAsStored() {
        ProductsFixture f;
        auto* reorder = f.retype(1, "a dozen");
        f.click("PushButton7");
        QCOMPARE(f.takeBoxes().size(), 1);
        f.click("PushButton4");
        // The add, the name and the write fail; nothing lands in the product shown.
        const QList<ShownBox> reports = f.takeBoxes();
        QCOMPARE(reports.size(), 3);
        QVERIFY(reports[1].text.contains("PushButton4_Click at line 108"));
        QCOMPARE(f.editor()->box(0)->text(), QStringLiteral("Hammer"));
        QCOMPARE(reorder->text(), QStringLiteral("a dozen"));
        // The user corrects the value and saves: the product keeps its name.
        f.retype(1, "12");
        f.click("PushButton7");
        QCOMPARE(f.takeBoxes().value(0).text, QStringLiteral("Hammer\n   saved."));
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
        QCOMPARE(f.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
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
        QCOMPARE(quarvel::rsProducts->EditMode(), 0);
        QCOMPARE(f.product1("ReorderLevel").toInt(), 30);
    }

    void deleteAsksWithNoAsDefault() {
        ProductsFixture f;
        f.next();
        f.next();
        f.answerNext(QMessageBox::No);
        f.click("PushButton3");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].title, QStringLiteral("Question"));
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral("Do you really want to delete this Product ?\nFor: Brush"));
        QCOMPARE(f.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.boxes[0].icon, QMessageBox::NoIcon);
        QCOMPARE(f.count("Products"), 3);
        QCOMPARE(f.title(), QStringLiteral("Brush"));

        f.answerNext(QMessageBox::Yes);
        f.click("PushButton3");
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.count("Products"), 2);
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
        QCOMPARE(f.idLabel(), QStringLiteral("1"));
        QCOMPARE(quarvel::rsTransactions->RecordCount(), 2);
    }

    void deleteRefusedByTheDatabaseKeepsTheProduct() {
        ProductsFixture f;
        f.next(); // Saw, which has a transaction
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton3");
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[1].title, QStringLiteral("Application Error"));
        QVERIFY2(f.boxes[1].text.contains("cannot be deleted"), qPrintable(f.boxes[1].text));
        QVERIFY(f.boxes[1].text.contains("Form1.PushButton3_Click at line 106"));
        QCOMPARE(f.db().scalar("SELECT count(*) FROM Products WHERE ProductID = 2").toInt(), 1);
        QCOMPARE(quarvel::rsProducts->RecordCount(), 3);
    }

    void labelsFollowEvenBetweenProductsWithEqualNames() {
        // Two adjacent products with equal name and reorder level still bring their own
        // labels, grid and figures along when the bar moves.
        ProductsFixture f;
        f.db().exec("UPDATE Products SET ProductName = 'Hammer', ReorderLevel = 5 WHERE "
                    "ProductID = 2");
        quarvel::rsProducts->Requery();
        f.editor()->dc()->moveFirst();
        f.next();
        QCOMPARE(f.idLabel(), QStringLiteral("2"));
        QCOMPARE(quarvel::rsTransactions->RecordCount(), 1);
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("4"));
    }
};

QTEST_MAIN(TestProductEditor)
#include "tst_producteditor.moc"
