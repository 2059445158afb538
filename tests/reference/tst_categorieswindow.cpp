// The Product Categories window (Form2) over the Products window's own category list: its
// layout, adding a category that the Products window's combo shows at once, deleting (also
// refused deletes and the last row), and closing with a grid edit not yet written.

#include "GridWindowDriver.h"

#include "../products/ProductsFixture.h"
#include "reference/CategoriesWindow.h"

using namespace grid_window;
using quarvel::rsCategories;
using quarvel::reference::CategoriesWindow;
using quarvel::shell::HoverFeedback;

namespace {

// The Products window with the Product Categories window loaded and shown over it.
struct CategoriesFixture : ProductsFixture {
    CategoriesFixture() : categories(QString(), window.get()) {
        categories.Form_Load();
        shown = show(categories);
    }
    QString storedName(int id) const {
        return db()
            .scalar(QStringLiteral("SELECT CategoryName FROM Categories WHERE CategoryID "
                                   "= %1")
                        .arg(id))
            .toString();
    }

    CategoriesWindow categories;
    bool shown = false;
};

} // namespace

class TestCategoriesWindow : public QObject {
    Q_OBJECT

private slots:
    void showsTheProductsWindowsCategories() {
        CategoriesFixture f;
        QVERIFY(f.shown);
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        CategoriesWindow& w = f.categories;
        QCOMPARE(w.windowTitle(), QStringLiteral("Product Categories"));
        QCOMPARE(w.grid()->recordset(), rsCategories.get());
        QCOMPARE(captions(w), QStringList{"Category Name"});
        QCOMPARE(w.grid()->columnWidth(1), pixels(5280 - 500, &w));
        QCOMPARE(cellText(w, 1, "CategoryName"), QStringLiteral("Paint"));
        QCOMPARE(w.dc3()->caption(), QStringLiteral("Product Categories"));
        QCOMPARE(w.addButton()->accessibleName(), QStringLiteral("Add New Category"));
        QCOMPARE(w.deleteButton()->accessibleName(), QStringLiteral("Delete Current Category"));
        QVERIFY(w.addButton()->x() < w.deleteButton()->x());

        // Tab in reading order: the grid, the buttons left to right, the navigation bar.
        QCOMPARE(tabChain(w, 4), (QList<QWidget*>{w.grid(), w.addButton(), w.deleteButton(),
                                                  w.dc3()->firstButton()}));
        // The hand over the buttons, the default pointer over the window.
        QVERIFY(pointerBecomes(w, w.deleteButton(), HoverFeedback::Custom));
        QVERIFY(pointerBecomes(w, &w, HoverFeedback::Default));
        QVERIFY(pointerBecomes(w, w.addButton(), HoverFeedback::Custom));
    }

    void addedCategoryIsInTheProductsComboAtOnce() {
        ProductsFixture f;
        f.retype(4, "3 days");
        auto* combo = f.editor()->categoryCombo();
        bool inComboWhileOpen = false;
        whenShown<CategoriesWindow>([&](CategoriesWindow* w) {
            QTest::mouseClick(w->addButton(), Qt::LeftButton);
            inComboWhileOpen = combo->findText("New Category") >= 0;
            QCOMPARE(w->grid()->currentIndex().row(), 2);
            QVERIFY(w->grid()->hasFocus());
            typeInCell(*w, 2, "CategoryName", "Garden");
            QTest::keyClick(w->grid(), Qt::Key_Up); // writes the row left
            w->close();
        });
        QTest::mouseClick(f.child("Label2"), Qt::LeftButton);
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QVERIFY(inComboWhileOpen);
        QVERIFY(combo->findText("Garden") >= 0);
        QCOMPARE(f.count("Categories"), 3);
        // Adding wrote the product's pending edit too.
        QCOMPARE(f.product1("LeadTime").toString(), QStringLiteral("3 days"));
    }

    void deleteAsksWithNoAsTheDefault() {
        CategoriesFixture f;
        CategoriesWindow& w = f.categories;
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        f.answerNext(QMessageBox::No);
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral("Do you really want to delete this Product Category ?\nFor: New "
                                "Category"));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Question"));
        QCOMPARE(f.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.count("Categories"), 3);

        f.answerNext(QMessageBox::Yes);
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.count("Categories"), 2);
        QCOMPARE(f.editor()->categoryCombo()->findText("New Category"), -1);
        QCOMPARE(w.grid()->currentIndex().row(), 0); // the first row is shown
    }

    void refusedDeleteIsReportedAndTheRowStays() {
        CategoriesFixture f;
        CategoriesWindow& w = f.categories;
        QTest::mouseClick(w.dc3()->lastButton(), Qt::LeftButton); // Paint, used by Brush
        f.answerNext(QMessageBox::Yes);
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[1].title, QStringLiteral("Application Error"));
        QVERIFY2(f.boxes[1].text.startsWith("This row of 'Categories' cannot be deleted: 1 row "
                                            "of 'Products' still refers to it.\n"),
                 qPrintable(f.boxes[1].text));
        QCOMPARE(f.count("Categories"), 2);
        QCOMPARE(rsCategories->RecordCount(), 2);
        QCOMPARE(rsCategories->AbsolutePosition(), 1);
        QCOMPARE(w.grid()->currentIndex().row(), 1);
    }

    void deletingTheLastRowAndThenNothing() {
        CategoriesFixture f;
        f.db().exec("UPDATE Products SET CategoryID = NULL");
        CategoriesWindow& w = f.categories;
        for (int i = 0; i < 2; ++i) {
            f.answerNext(QMessageBox::Yes);
            QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        }
        // Two questions, no error: the last row went and there is no first row to show.
        QCOMPARE(f.texts().size(), 2);
        QCOMPARE(f.count("Categories"), 0);
        QCOMPARE(w.grid()->model()->rowCount(), 0);

        // With no row, Delete asks nothing.
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QCOMPARE(f.boxes.size(), 2);
    }

    void closingAsksAboutAGridEditNotYetWritten() {
        CategoriesFixture f;
        CategoriesWindow& w = f.categories;
        // Nothing typed: no question.
        QVERIFY(w.close());
        QVERIFY(f.boxes.isEmpty());

        CategoriesWindow again(QString(), f.window.get());
        again.Form_Load();
        QVERIFY(show(again));
        typeInCell(again, 0, "CategoryName", "Hand Tools");
        f.answerNext(QMessageBox::No);
        QVERIFY(again.close());
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("  Product Category is changed.\nDo you want "
                                                 "to save your changes for \nQuarvel\n (choose "
                                                 "Yes or No)."));
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::Yes);
        QCOMPARE(rsCategories->Fields("CategoryName").toString(), QStringLiteral("Tools"));
        QCOMPARE(f.storedName(1), QStringLiteral("Tools"));

        // An editor still open counts; Yes writes.
        CategoriesWindow third(QString(), f.window.get());
        third.Form_Load();
        QVERIFY(show(third));
        typeInCell(third, 0, "CategoryName", "Hand Tools", false);
        f.answerNext(QMessageBox::Yes);
        QVERIFY(third.close());
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.storedName(1), QStringLiteral("Hand Tools"));
        QVERIFY(f.editor()->categoryCombo()->findText("Hand Tools") >= 0);
    }

    void closingWhenTheWriteFailsKeepsTheWindowOpen() {
        CategoriesFixture f;
        CategoriesWindow& w = f.categories;
        typeInCell(w, 0, "CategoryName", "Hand Tools");
        f.db().exec("UPDATE Categories SET CategoryName = 'Tooling' WHERE CategoryID = 1");
        f.answerNext(QMessageBox::Yes);
        QVERIFY(!w.close());
        QCOMPARE(f.boxes.size(), 2);
        QVERIFY(f.boxes[1].text.contains("Form2.Form_QueryUnload at line 102\n"));
        QVERIFY(w.isVisible());
        QCOMPARE(cellText(w, 0, "CategoryName"), QStringLiteral("Hand Tools"));
    }
};

QTEST_MAIN(TestCategoriesWindow)
#include "tst_categorieswindow.moc"
