// The Product Categories window (Form2) over the Products window's own category list, where it
// differs from the Employees window: Tab order and pointer, the Products window's combo
// following what is added, deleted and renamed, and its own questions.

// Before anything includes QTest: mouse events then go to the window of the widget named, as
// the window system sends them, not to whichever window lies under a cursor moved there (the
// Products window beneath).
#define QTEST_QPA_MOUSE_HANDLING

#include "WindowDriver.h"

#include "../products/ProductsFixture.h"
#include "reference/CategoriesWindow.h"
#include "shell/HoverFeedback.h"

#include <QTimer>

using driver::click;
using quarvel::reference::CategoriesWindow;
using quarvel::shell::HoverFeedback;

namespace {

// The Products window (Tools, Paint) with the Product Categories window shown over it.
struct CategoriesFixture : ProductsFixture {
    CategoriesFixture() : w(session(), QString(), window.get()) {
        w.Form_Load();
        shown = driver::show(w);
    }
    bool pointerBecomes(QWidget* over, int kind) {
        QTest::mouseMove(over, QPoint(2, 2));
        return QTest::qWaitFor([&] { return HoverFeedback::mousePointer(&w) == kind; });
    }

    CategoriesWindow w;
    bool shown = false;
};

} // namespace

class TestCategoriesWindow : public QObject {
    Q_OBJECT

private slots:
    void layoutTabOrderAndPointer() {
        CategoriesFixture f;
        QVERIFY(f.shown);
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));

        QList<QWidget*> chain{f.w.grid()};
        for (QWidget* next = f.w.grid(); chain.size() < 4; chain << next) {
            do
                next = next->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(chain, (QList<QWidget*>{f.w.grid(), f.w.addButton(), f.w.deleteButton(),
                                         f.w.dc3()->firstButton()}));

        QVERIFY(f.pointerBecomes(f.w.deleteButton(), HoverFeedback::Custom));
        QVERIFY(f.pointerBecomes(&f.w, HoverFeedback::Default));
    }

    void addedCategoryIsInTheProductsComboAtOnce() {
        ProductsFixture f;
        f.retype(4, "3 days");
        auto* combo = f.editor()->categoryCombo();
        bool inComboWhileOpen = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<CategoriesWindow*>(QApplication::activeModalWidget());
            QVERIFY(w && driver::show(*w));
            driver::click(*w, "PushButton2");
            inComboWhileOpen = combo->findText("New Category") >= 0;
            QCOMPARE(w->focusWidget(), w->grid());
            driver::typeInCell(w->grid(), 2, "CategoryName", "Garden");
            w->close();
        });
        QTest::mouseClick(f.child("Label2"), Qt::LeftButton); // "Edit"
        QCOMPARE(f.texts().size(), 1); // closing asked about the rename; Yes wrote it
        QVERIFY(inComboWhileOpen);
        QVERIFY(combo->findText("Garden") >= 0);
        QCOMPARE(f.count("Categories"), 3);
        // Adding wrote the product's pending edit too.
        QCOMPARE(f.product1("LeadTime").toString(), QStringLiteral("3 days"));
    }

    void deletesAndClosing() {
        CategoriesFixture f;
        click(f.w.dc3()->lastButton()); // Paint, used by Brush
        f.answerNext(QMessageBox::Yes);
        click(f.w.deleteButton());
        QCOMPARE(f.texts().value(0), QStringLiteral("Do you really want to delete this Product "
                                                    "Category ?\nFor: Paint"));
        QVERIFY2(f.texts().value(1).startsWith("This row of 'Categories' cannot be deleted: 1 row "
                                               "of 'Products' still refers to it.\n"),
                 qPrintable(f.texts().value(1)));
        QCOMPARE(f.session().rsCategories->AbsolutePosition(), 1); // the row stays, current
        QCOMPARE(f.w.grid()->currentIndex().row(), 1);

        f.db().exec("UPDATE Products SET CategoryID = NULL");
        f.answerNext(QMessageBox::Yes);
        click(f.w.deleteButton());
        QCOMPARE(f.count("Categories"), 1);
        QCOMPARE(f.editor()->categoryCombo()->findText("Paint"), -1);

        // An editor still open counts; Yes writes.
        driver::typeInCell(f.w.grid(), 0, "CategoryName", "Hand Tools", false);
        f.takeBoxes();
        QVERIFY(f.w.close()); // answered with the default, Yes
        QCOMPARE(f.texts(),
                 QStringList{"  Product Category is changed.\nDo you want to save "
                             "your changes for \nProduct Categories\n (choose Yes or No)."});
        QCOMPARE(f.db().scalar("SELECT CategoryName FROM Categories"), QVariant("Hand Tools"));
        QVERIFY(f.editor()->categoryCombo()->findText("Hand Tools") >= 0);
    }
};

QTEST_MAIN(TestCategoriesWindow)
#include "tst_categorieswindow.moc"
