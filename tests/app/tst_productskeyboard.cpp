// The Products window with the keyboard only and as a screen reader presents it: the Tab
// order, the grid's current cell, the hidden tab page, the read-only figures, the title, the
// dates under two locales and the two button rows.

#include "../products/ProductsFixture.h"
#include "app/TaskMenu.h"
#include "controls/BoundTextArea.h"
#include "controls/TabStrip.h"
#include "shell/WindowTable.h"

#include <QAccessible>
#include <QLocale>

namespace {

// Object names of the controls Tab visits from `start` until it comes back (or 120 presses),
// each named once however many cells of the grid Tab passes through.
QStringList tabSequence(QWidget* start, bool backwards = false) {
    start->setFocus(Qt::TabFocusReason);
    QStringList names{start->objectName()};
    for (int i = 0; i < 120; ++i) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* focus = QApplication::focusWidget();
        if (focus == start)
            break;
        const QString name = focus ? focus->objectName() : QStringLiteral("(none)");
        if (names.last() != name)
            names << name;
    }
    return names;
}

QStringList expectedSequence(const QStringList& page) {
    return QStringList{"Text1(0)",  "dcbCategoryID", "Label2",    "Text1(4)",  "Text1(1)",
                       "Label3(1)", "Label3(2)",     "Label3(3)", "Label3(4)", "Label3(5)",
                       "Label3(0)", "Label3(6)",     "Label3(7)", "tbsOptions"} +
           page + QStringList{"PushButton4", "PushButton3", "PushButton7",
                              "PushButton6", "dc.Next",     "dc.Last"};
}

} // namespace

class TestProductsKeyboard : public QObject {
    Q_OBJECT

private slots:
    void tabVisitsEveryControlInReadingOrder() {
        ProductsFixture f;
        QVERIFY(f.active);
        // Tab through the grid's cells moves the grid's bar to the last row.
        const QStringList transactionsPage{"DataGrid1",   "dc1.First",   "dc1.Previous",
                                           "PushButton2", "PushButton8", "PushButton1"};
        QCOMPARE(tabSequence(f.editor()->box(0)), expectedSequence(transactionsPage));
        // Backwards the same way round.
        QStringList backwards = tabSequence(f.editor()->box(0), true);
        std::reverse(backwards.begin() + 1, backwards.end());
        QCOMPARE(backwards, expectedSequence(transactionsPage));

        // Ctrl+Tab leaves the grid from any cell.
        f.grid()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.grid(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("dc1.Next"));

        // The page that is not shown takes no focus, whichever it is.
        f.editor()->tabs()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.editor()->tabs(), Qt::Key_Right);
        QCOMPARE(f.editor()->tabs()->selectedIndex(), 2);
        QCOMPARE(tabSequence(f.editor()->box(0)), expectedSequence({"Text1(2)"}));
        f.editor()->notesBox()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.editor()->notesBox(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("PushButton4"));
    }

    void linksWorkFromTheKeyboardAndShowTheFocus() {
        ProductsFixture f;
        int reports = 0;
        int categories = 0;
        quarvel::shell::WindowTable::registerWindow("Form3", [&](QWidget*) { ++reports; });
        quarvel::shell::WindowTable::registerWindow("Form2", [&](QWidget*) { ++categories; });
        QLabel* entry = f.window->taskMenu()->entry(3);
        const QImage unfocused = entry->grab().toImage();
        entry->setFocus(Qt::TabFocusReason);
        QVERIFY(entry->hasFocus());
        QVERIFY(entry->grab().toImage() != unfocused);
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(reports, 1);
        QTest::keyClick(entry, Qt::Key_Space);
        QCOMPARE(reports, 2);
        // A screen reader finds a link named by its caption, and can press it.
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(entry);
        QVERIFY(link && link->actionInterface());
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("View Reports"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(reports, 3);

        QLabel* edit = f.child<QLabel>("Label2");
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edit, Qt::Key_Space);
        QCOMPARE(categories, 1);
        QCOMPARE(edit->accessibleName(), QStringLiteral("Edit"));
        // Still links to look at: underlined.
        QVERIFY(edit->font().underline());
        QVERIFY(entry->font().underline());
    }

    void gridCurrentCellIsAVisibleHighlightedCell() {
        ProductsFixture f;
        auto check = [&] {
            const QModelIndex current = f.grid()->currentIndex();
            QVERIFY(current.isValid());
            QCOMPARE(current.row(), 0);
            QCOMPARE(current.column(), f.grid()->columnOf("TransactionDate"));
            QVERIFY(f.grid()->selectionModel()->isSelected(current));
        };
        check();
        f.next();
        check();
    }

    void figuresAreReadOnlyAndTitleIsWhole() {
        ProductsFixture f;
        for (int index : {3, 7}) {
            auto* figure = f.editor()->box(index);
            QVERIFY(figure->isReadOnly());
            QCOMPARE(figure->focusPolicy(), Qt::NoFocus);
            QVERIFY(!figure->hasFrame());
        }
        QCOMPARE(f.child<QLabel>("Label1(12)")->buddy(), f.editor()->box(3));
        QCOMPARE(f.child<QLabel>("Label1(1)")->buddy(), f.child("Text1(0)"));
        QCOMPARE(f.child<QLabel>("Label1(2)")->buddy(), f.child("dcbCategoryID"));
        QCOMPARE(f.child("dcbCategoryID")->accessibleName(), QStringLiteral("Category"));
        QVERIFY(!f.editor()->dc2()->isVisible()); // the hidden data bars are out of the way
        QVERIFY(!f.transactions()->dc5()->isVisible());
        QCOMPARE(f.editor()->box(7)->accessibleName(), QStringLiteral("Units on Order"));

        // The longest names of the sample, on the title label in full.
        f.db().exec("INSERT INTO Products (ProductName) VALUES"
                    " ('All-Purpose Fertilizer 10-10-10, 5 lb'),"
                    " ('Tulip Bulbs, Mixed Colors (10 pack)'), ('Glazed Ceramic Planter, 14 in.')");
        quarvel::rsProducts->Requery();
        f.editor()->dc()->moveFirst();
        QLabel* title = f.editor()->titleLabel();
        for (int i = 0; i < 3; ++i)
            f.next();
        for (int i = 0; i < 3; ++i) {
            const QString name = quarvel::rsProducts->Fields("ProductName").toString();
            QCOMPARE(title->text(), name);
            const QRect room = title->contentsRect();
            const QRect needed =
                QFontMetrics(title->font())
                    .boundingRect(room, int(title->alignment()) | Qt::TextWordWrap, name);
            QVERIFY2(room.contains(needed), qPrintable(name));
            QCOMPARE(title->toolTip(), name);
            QCOMPARE(title->accessibleName(), name);
            f.next();
        }
    }

    void datesFollowTheLocaleEverywhere() {
        ProductsFixture f;
        const int row = f.rowOfTransaction(1);
        const QModelIndex date = f.cell(row, "TransactionDate");
        const QList<QPair<QLocale, QString>> cases = {
            {QLocale::c(), QStringLiteral("03/04/2021")},
            {QLocale(QLocale::German, QLocale::Germany), QStringLiteral("04.03.2021")}};
        for (const auto& [locale, shown] : cases) {
            QLocale::setDefault(locale);
            f.next();
            f.previous();
            f.takeBoxes();
            quarvel::rsTransactions->MoveTo(f.rowOfTransaction(1));
            QCOMPARE(f.grid()->model()->data(date).toString(), shown);
            f.click("PushButton8");
            QCOMPARE(f.boxes.value(0).text, shown + " - First delivery\n  saved.");
        }
        // A date typed in the form shown is read back in that form.
        f.typeInCell(row, "TransactionDate", "05.03.2021");
        f.click("PushButton8");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(f.transaction1("TransactionDate").toString(), QStringLiteral("2021-03-05"));
    }

    void buttonCaptionsAreNotCut() {
        ProductsFixture f;
        for (const char* name : {"PushButton2", "PushButton8", "PushButton1", "PushButton4",
                                 "PushButton3", "PushButton7", "PushButton6"})
            QVERIFY2(f.child(name)->sizeHint().width() <= f.child(name)->width(), name);
    }
};

QTEST_MAIN(TestProductsKeyboard)
#include "tst_productskeyboard.moc"
