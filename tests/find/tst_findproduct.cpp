// The find box: matching ignores case and accents, the list follows the typing, and the
// product chosen becomes the Products window's current one, as a move of the bar does.

#include "../products/ProductsFixture.h"
#include "app/TaskMenu.h"
#include "find/FindModel.h"
#include "find/FindProductWindow.h"
#include "find/ProductMatches.h"
#include "format/TextFold.h"

#include <QLineEdit>
#include <QTableView>
#include <QTimer>

using quarvel::FindProductWindow;
using quarvel::ProductMatches;

namespace {

// Opens the find box with `open` (by default Ctrl+F in the Products window) and runs `use` on
// it while it is open; the box is closed with Esc afterwards if `use` left it open.
void withFindBox(ProductsFixture& f, const std::function<void(FindProductWindow&)>& use,
                 const std::function<void()>& open = {}) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<FindProductWindow*>(QApplication::activeModalWidget());
        if (box) {
            use(*box);
            ran = true;
            if (box->isVisible())
                QTest::keyClick(box->findBox(), Qt::Key_Escape);
        }
    });
    if (open)
        open();
    else
        QTest::keyClick(f.window.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(ran);
}

QStringList shownNames(const FindProductWindow& box) {
    QStringList names;
    for (int row = 0; row < box.model()->rowCount(); ++row)
        names << box.model()->index(row, quarvel::FindModel::Name).data().toString();
    return names;
}

} // namespace

class TestFindProduct : public QObject {
    Q_OBJECT

private slots:
    void foldingIgnoresCaseAndAccents() {
        QCOMPARE(quarvel::format::folded(QStringLiteral("Éclair Crème")),
                 QStringLiteral("eclair creme"));
        QCOMPARE(quarvel::format::folded(QStringLiteral("ÄÖÜ ñ")), QStringLiteral("aou n"));
        QCOMPARE(quarvel::format::folded(QStringLiteral("Hammer")), QStringLiteral("hammer"));
    }

    void typingListsByNameOrCategoryWithTheFigures() {
        ProductsFixture f;
        f.db().exec("INSERT INTO Products (ProductName, CategoryID) VALUES ('Crème Brûlée', 2)");
        withFindBox(f, [&](FindProductWindow& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("Find a Product"));
            QTRY_VERIFY(box.findBox()->hasFocus());
            // Nothing typed: every product, by name.
            QCOMPARE(shownNames(box), (QStringList{"Brush", "Crème Brûlée", "Hammer", "Saw"}));
            QTest::keyClicks(box.findBox(), "CREME");
            QCOMPARE(shownNames(box), QStringList{"Crème Brûlée"});
            box.findBox()->clear();
            // "tools" is the category of Hammer and Saw; "a" is in Hammer, Saw and Paint.
            QTest::keyClicks(box.findBox(), "tOOls");
            QCOMPARE(shownNames(box), (QStringList{"Hammer", "Saw"}));
            const auto* model = box.model();
            QCOMPARE(model->index(0, quarvel::FindModel::Category).data().toString(),
                     QStringLiteral("Tools"));
            QCOMPARE(model->index(0, quarvel::FindModel::OnHand).data().toString(),
                     QStringLiteral("5"));
            QCOMPARE(model->index(0, quarvel::FindModel::OnOrder).data().toString(),
                     QStringLiteral("2"));
            QCOMPARE(model->index(1, quarvel::FindModel::ReorderLevel).data().toString(),
                     QStringLiteral("3"));
            box.findBox()->clear();
            QTest::keyClicks(box.findBox(), "zzz");
            QCOMPARE(box.model()->rowCount(), 0);
            QVERIFY(!box.findChild<QPushButton*>("PushButton2")->text().isEmpty());
        });
        // Esc closed the box without a choice: the first product is still current.
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
    }

    void downAndEnterShowTheProductAsAMoveDoes() {
        ProductsFixture f;
        withFindBox(f, [&](FindProductWindow& box) {
            QTest::keyClicks(box.findBox(), "a"); // Brush? no: Hammer, Saw (and Paint: Brush)
            QCOMPARE(shownNames(box), (QStringList{"Brush", "Hammer", "Saw"}));
            QTest::keyClick(box.findBox(), Qt::Key_Down);
            QTest::keyClick(box.findBox(), Qt::Key_Down);
            QTest::keyClick(box.findBox(), Qt::Key_Return);
            QVERIFY(!box.isVisible());
        });
        QCOMPARE(f.title(), QStringLiteral("Saw"));
        QCOMPARE(f.idLabel(), QStringLiteral("2"));
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("4"));
        QCOMPARE(f.session().rsTransactions->RecordCount(), 1);
        // The bar stands where the product is: Saw is the second of three.
        QVERIFY(f.editor()->dc()->nextButton()->isEnabled());
        f.previous();
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
    }

    // The task menu's entry, below the first eight, is reached with Tab (the panel scrolls to
    // it) and opens the box with Enter.
    void theTaskMenuEntryOpensTheBox() {
        ProductsFixture f;
        QLabel* entry = f.window->taskMenu()->entry(quarvel::TaskMenu::FindEntry);
        QCOMPARE(entry->text(), QStringLiteral("Find a Product"));
        QCOMPARE(entry->accessibleName(), QStringLiteral("Find a Product"));
        QLabel* last = f.window->taskMenu()->entry(7);
        last->setFocus(Qt::TabFocusReason);
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), entry);
        QTRY_COMPARE(entry->visibleRegion().boundingRect(), entry->rect());
        withFindBox(
            f,
            [&](FindProductWindow& box) {
                QTest::keyClicks(box.findBox(), "brush");
                QTest::keyClick(box.findBox(), Qt::Key_Enter);
            },
            [&] { QTest::keyClick(entry, Qt::Key_Return); });
        QCOMPARE(f.title(), QStringLiteral("Brush"));
    }

    void aPendingEditIsWrittenAndANewProductIsFound() {
        ProductsFixture f;
        f.retype(0, QStringLiteral("Claw Hammer"));
        // Added by another program after the window read its products.
        f.db().exec("INSERT INTO Products (ProductName) VALUES ('Chisel')");
        withFindBox(f, [&](FindProductWindow& box) {
            QTest::keyClicks(box.findBox(), "chis");
            QCOMPARE(shownNames(box), QStringList{"Chisel"});
            // A double click: a click, and a second one at once.
            const QPoint row = box.list()->visualRect(box.model()->index(0, 0)).center();
            QTest::mouseClick(box.list()->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(box.list()->viewport(), Qt::LeftButton, {}, row);
        });
        QCOMPARE(f.product1("ProductName").toString(), QStringLiteral("Claw Hammer"));
        QCOMPARE(f.title(), QStringLiteral("Chisel"));
        QCOMPARE(f.idLabel(), QStringLiteral("4"));
        QCOMPARE(f.boxes.size(), 0);
    }
};

QTEST_MAIN(TestFindProduct)
#include "tst_findproduct.moc"
