// The Products window as a whole: its start-up on good, empty and missing databases, the task
// menu's highlight and entries, closing the window with an edit not yet written, and the
// window with the keyboard only and as a screen reader presents it: the Tab order, the grid's
// current cell, the read-only figures, the title, the dates under two locales.

#include "../products/ProductsFixture.h"
#include "DamagedPage.h"
#include "app/TaskMenu.h"
#include "controls/BoundTextArea.h"
#include "controls/DataCombo.h"
#include "controls/RecordsetModel.h"
#include "controls/TabStrip.h"
#include "data/Recordset.h"
#include "reference/CategoriesWindow.h"
#include "shell/HoverFeedback.h"
#include "shell/WindowLook.h"
#include "shell/WindowTable.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

using quarvel::TaskMenu;
using quarvel::shell::HoverFeedback;
using quarvel::shell::WindowId;
using quarvel::shell::WindowTable;

namespace {

bool strictlyAscending(const QList<int>& lines) {
    for (int i = 1; i < lines.size(); ++i)
        if (lines[i] <= lines[i - 1])
            return false;
    return !lines.isEmpty() && lines.first() > 102;
}

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
    return QStringList{"Text1(0)",   "dcbCategoryID", "Label2",     "Text1(4)",   "Text1(1)",
                       "Label3(1)",  "Label3(2)",     "Label3(3)",  "Label3(4)",  "Label3(5)",
                       "Label3(0)",  "Label3(6)",     "Label3(7)",  "Label3(8)",  "Label3(9)",
                       "Label3(10)", "Label3(11)",    "Label3(12)", "Label3(13)", "tbsOptions"} +
           page + QStringList{"PushButton4", "PushButton3", "PushButton7",
                              "PushButton6", "dc.Next",     "dc.Last"};
}

} // namespace

class TestProductsWindow : public QObject {
    Q_OBJECT

private slots:
    // A file whose damage the window does not read (an index of orders) is told once, soon
    // after the window opens, and the products still show.
    void aDamagedFileIsToldOnce() {
        if (TempDatabase::backendUnderTest() == TempDatabase::Backend::Postgres)
            QSKIP("database files are SQLite's");
        TempDatabase damaged;
        damaged.exec("INSERT INTO Products (ProductName) VALUES ('Hammer');"
                     "INSERT INTO [Shipping Methods] (ShippingMethod) VALUES ('Post');"
                     "INSERT INTO [Purchase Orders] (ShippingMethodID) VALUES (1), (1)");
        QVERIFY(damagePage(damaged.path(), "ix_PurchaseOrders_ShippingMethod"));
        ProductsFixture f(false, damaged.path());
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
        QTRY_COMPARE(f.boxes.size(), 1);
        QVERIFY2(f.boxes[0].text.contains("is damaged") &&
                     f.boxes[0].text.contains("quarvel-db check"),
                 qPrintable(f.boxes[0].text));
        QCoreApplication::processEvents();
        QCOMPARE(f.boxes.size(), 1);
    }

    void startUpShowsTheFirstProduct() {
        ProductsFixture f;
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Quarvel"));
        QVERIFY(!f.window->windowIcon().isNull());
        QCOMPARE(f.title(), QStringLiteral("Hammer"));
        QCOMPARE(f.idLabel(), QStringLiteral("1"));
        QCOMPARE(f.editor()->box(0)->text(), QStringLiteral("Hammer"));
        QCOMPARE(f.editor()->categoryCombo()->currentText(), QStringLiteral("Tools"));
        QCOMPARE(f.unitsOnHand(), QStringLiteral("5"));
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("2"));
        // Without a skin: white, and the arrow for the hand.
        QCOMPARE(f.window->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(f.window->taskMenu()->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!HoverFeedback::mouseIcon(f.window.get()).has_value());

        // The grid: the current product's rows under the seven captions.
        QCOMPARE(f.session().rsTransactions->RecordCount(), 2);
        QCOMPARE(f.captions(), (QStringList{"Date", "PO ID", "Description", "Ordered", "Received",
                                            "Sold", "Shrinkage"}));
        QVERIFY(!(f.cell(0, "PurchaseOrderID").flags() & Qt::ItemIsEditable));
        QVERIFY(f.cell(0, "TransactionDescription").flags() & Qt::ItemIsEditable);
    }

    void skinAndHandCursorBesideTheProgram() {
        const QString resources =
            QFileInfo(QStringLiteral(QUARVEL_SCHEMA_FILE)).dir().filePath("../resources");
        ProductsFixture skinned(true, QString(), [&](const QString& folder) {
            QVERIFY(QFile::copy(resources + "/HAND-M.CUR", folder + "/HAND-M.CUR"));
            QVERIFY(QDir(folder).mkdir("x"));
            QFile skin(folder + "/x/o.cjs");
            QVERIFY(skin.open(QIODevice::WriteOnly));
            skin.write("QPushButton { font-weight: bold; }");
        });
        QVERIFY(skinned.boxes.isEmpty());
        QVERIFY(HoverFeedback::mouseIcon(skinned.window.get()).has_value());
        QCOMPARE(skinned.window->palette().color(QPalette::Window),
                 quarvel::shell::buttonFaceColor());
        QVERIFY(!skinned.window->styleSheet().isEmpty());
        // The task menu is one of the frames: it turns grey with its entries.
        QCOMPARE(skinned.window->taskMenu()->palette().color(QPalette::Window),
                 quarvel::shell::buttonFaceColor());
        QCOMPARE(skinned.window->taskMenu()->entry(0)->palette().color(QPalette::Window),
                 quarvel::shell::buttonFaceColor());
    }

    void emptyOrMissingDatabaseReportsEachFailingStatementAndOpensEmpty() {
        QTemporaryDir dir;
        const QString absent = dir.filePath("absent.db");
        // Empty: the transactions and totals (open and re-query each), SetFullName, SetCalls and
        // the final MoveFirst need a current product. Missing: four recordsets, connection,
        // open and re-query fail for each; then SetFullName, SetCalls and MoveFirst.
        for (const auto& [path, failures] : {std::pair{QString(), 7}, std::pair{absent, 15}}) {
            ProductsFixture f(false, path);
            const QList<int> lines = reportedLines(f.boxes, "Form_Load");
            QVERIFY2(!lines.contains(-1), qPrintable(f.boxes.value(lines.indexOf(-1)).text));
            QCOMPARE(lines.size(), failures);
            QVERIFY(strictlyAscending(lines));
            QVERIFY(f.window->isVisible());
            QCOMPARE(f.title(), QString());
            QCOMPARE(f.editor()->box(0)->text(), QString());
            if (path.isEmpty()) {
                QVERIFY(f.boxes.first().text.startsWith(
                    "Either BOF or EOF is True, or the current record has been deleted."));
                continue;
            }
            QVERIFY(!QFile::exists(path));
            // The window stays usable: a button reports instead of crashing.
            f.takeBoxes();
            f.click("PushButton7");
            QCOMPARE(reportedLines(f.boxes, "PushButton7_Click"), (QList<int>{102, 104}));
        }
    }

    void taskMenuHighlightFollowsTheMouse() {
        ProductsFixture f;
        TaskMenu* menu = f.window->taskMenu();
        QTest::mouseMove(menu->entry(3));
        QTRY_COMPARE(menu->entryColor(3), TaskMenu::hoverColor());
        QCOMPARE(HoverFeedback::mousePointer(f.window.get()), int(HoverFeedback::Custom));
        QTest::mouseMove(menu->entry(1));
        QTRY_COMPARE(menu->entryColor(1), TaskMenu::hoverColor());
        QCOMPARE(menu->entryColor(3), TaskMenu::normalColor());
        QTest::mouseMove(menu, QPoint(2, 2));
        QTRY_COMPARE(menu->entryColor(1), TaskMenu::normalColor());
        QCOMPARE(HoverFeedback::mousePointer(f.window.get()), int(HoverFeedback::Default));

        // The tab strip, the data bars and the grid have no hover handling of their own: the
        // pointer and the highlight stay as the last handler left them.
        QTest::mouseMove(menu->entry(6));
        QTRY_COMPARE(menu->entryColor(6), TaskMenu::hoverColor());
        for (QWidget* unhandled :
             QList<QWidget*>{f.editor()->tabs(), f.editor()->dc(), f.transactions()->dc1()}) {
            QTest::mouseMove(unhandled, QPoint(unhandled->width() / 2, unhandled->height() / 2));
            QCOMPARE(HoverFeedback::mousePointer(f.window.get()), int(HoverFeedback::Custom));
            QCOMPARE(menu->entryColor(6), TaskMenu::hoverColor());
        }
        QTest::mouseMove(f.window.get(), QPoint(2, 2));
        QTRY_COMPARE(HoverFeedback::mousePointer(f.window.get()), int(HoverFeedback::Default));
        QCOMPARE(menu->entryColor(6), TaskMenu::normalColor());

        // The tab strip's click clears the highlight too.
        menu->HighLightMenuPrompt(4);
        f.editor()->tabs()->setSelectedIndex(2);
        QCOMPARE(menu->entryColor(4), TaskMenu::normalColor());
    }

    // A screen reader meets the Products window as the program's main window (a frame), the
    // other windows as dialogs.
    void theProductsWindowIsTheMainWindowToAScreenReader() {
        ProductsFixture f;
        QCOMPARE(QAccessible::queryAccessibleInterface(f.window.get())->role(),
                 QAccessible::Window);
        QWidget* categories = nullptr;
        WindowTable::registerWindow(WindowId::Form2, [&](QWidget* parent) {
            quarvel::reference::CategoriesWindow window(f.session(), QString(), parent);
            categories = &window;
            QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Dialog);
        });
        QTest::mouseClick(f.window->taskMenu()->entry(0), Qt::LeftButton);
        QVERIFY(categories);
        QTest::keyClick(f.window.get(), Qt::Key_Escape); // Esc does nothing here
        QVERIFY(f.window->isVisible());
    }

    void f1ShowsTheDatabaseTheUserAndTheVersions() {
        ProductsFixture f;
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes.first().title, QString("About Quarvel"));
        const QStringList lines = f.boxes.first().text.split(u'\n');
        QCOMPARE(lines.size(), 4);
        // A server database by host and name, a password never.
        const QString database = f.db().isPostgres()
                                     ? QUrl(f.db().path()).path().mid(1) + " on the server"
                                     : f.db().path();
        QVERIFY2(lines[0].startsWith("Database: " + database), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith("Schema version: 1 (") &&
                     lines[1].contains("quarvel-db upgrade"),
                 qPrintable(lines[1]));
        QVERIFY(lines[2].startsWith("User: ") && lines[2].size() > 6);
        QVERIFY2(
            lines[3].contains(QRegularExpression("^Quarvel \\d+\\.\\d+, Qt 6\\.\\d+\\.\\d+, "
                                                 "SQLite 3\\.\\d+\\.\\d+, libpq \\d+\\.\\d+$")),
            qPrintable(lines[3]));
    }

    void taskMenuEntriesAndLinksOpenTheirWindows() {
        ProductsFixture f;
        QStringList opened;
        for (const WindowId id : quarvel::shell::allWindowIds)
            WindowTable::registerWindow(
                id, [&opened, id](QWidget*) { opened << quarvel::shell::designerName(id); });

        for (int i = 0; i < TaskMenu::EntryCount; ++i)
            QTest::mouseClick(f.window->taskMenu()->entry(i), Qt::LeftButton);
        QCOMPARE(opened, (QStringList{"Form2", "Form8", "Form8", "Form3", "Form6", "Form5", "Form4",
                                      "Form7"}));
        QVERIFY(f.session().blnNewPurchaseOrder);

        // "View Reports" and "Edit" open what entries 3 and 0 open.
        opened.clear();
        f.click("PushButton6");
        QTest::mouseClick(f.child("Label2"), Qt::LeftButton);
        QCOMPARE(opened, (QStringList{"Form3", "Form2"}));
        // Only a left click is a click.
        QTest::mouseClick(f.child("Label2"), Qt::RightButton);
        QTest::mouseClick(f.window->taskMenu()->entry(3), Qt::RightButton);
        QCOMPARE(opened.size(), 2);

        // From the keyboard: a link shows the focus, Return or Space opens its window.
        opened.clear();
        QLabel* entry = f.window->taskMenu()->entry(3);
        const QImage unfocused = entry->grab().toImage();
        entry->setFocus(Qt::TabFocusReason);
        QVERIFY(entry->hasFocus());
        QVERIFY(entry->grab().toImage() != unfocused);
        QTest::keyClick(entry, Qt::Key_Return);
        QLabel* edit = f.child<QLabel>("Label2");
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edit, Qt::Key_Space);
        QCOMPARE(opened, (QStringList{"Form3", "Form2"}));
        // A screen reader finds a link named by its caption, and can press it.
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(entry);
        QVERIFY(link && link->actionInterface());
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("View Reports"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened, (QStringList{"Form3", "Form2", "Form3"}));
        QCOMPARE(edit->accessibleName(), QStringLiteral("Edit"));
        // Still links to look at: underlined.
        QVERIFY(edit->font().underline());
        QVERIFY(entry->font().underline());
        QVERIFY(f.boxes.isEmpty());
    }

    void viewReportsOpensTheReportsWindow() {
        ProductsFixture f;
        QString shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName() + ' ' + modal->windowTitle();
                modal->close();
            }
        });
        f.click("PushButton6");
        QCOMPARE(shown, QStringLiteral("Form3 Reports"));
    }

    void changesMadeInOtherWindowsShowAtOnce() {
        ProductsFixture f;
        WindowTable::registerWindow(WindowId::Form2, [&](QWidget*) {
            f.db().exec("INSERT INTO Categories (CategoryName) VALUES ('Garden')");
        });
        WindowTable::registerWindow(WindowId::Form8, [&](QWidget*) {
            f.db().exec("INSERT INTO [Inventory Transactions] (ProductID, TransactionDate,"
                        " UnitsOrdered) VALUES (1, '2022-01-01', 7)");
        });
        QCOMPARE(f.editor()->categoryCombo()->findText("Garden"), -1);
        QTest::mouseClick(f.child("Label2"), Qt::LeftButton);
        QVERIFY(f.editor()->categoryCombo()->findText("Garden") >= 0);
        // Closing the purchase orders window reloads the transactions and the figures.
        QTest::mouseClick(f.window->taskMenu()->entry(1), Qt::LeftButton);
        QCOMPARE(f.session().rsTransactions->RecordCount(), 3);
        QCOMPARE(f.unitsOnOrder(), QStringLiteral("9"));
    }

    void closingWithAnUnsavedEditAsksAndYesWritesIt() {
        ProductsFixture f;
        auto* reorder = f.retype(1, "lots");
        f.retype(4, "3 weeks");
        f.retype(0, "Claw Hammer");
        f.answerNext(QMessageBox::Yes);
        QVERIFY(!f.window->close());
        // The question names the product as typed.
        f.checkQuestion(0,
                        "  Product is changed.\nDo you want to save your changes for \nClaw "
                        "Hammer\n (choose Yes or No).",
                        QMessageBox::Yes);
        // A write that fails keeps the window open with what the user typed.
        QCOMPARE(reportedLines(f.boxes, "Form_QueryUnload"), (QList<int>{-1, 102}));
        QVERIFY(f.window->isVisible());
        QCOMPARE(reorder->text(), QStringLiteral("lots"));

        f.retype(1, "12");
        f.takeBoxes();
        f.answerNext(QMessageBox::Yes);
        QVERIFY(f.window->close());
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.product1("ReorderLevel || ' ' || LeadTime").toString(),
                 QStringLiteral("12 3 weeks"));
    }

    void closingWithAnUnsavedGridRowAndNoDropsIt() {
        ProductsFixture f;
        QVERIFY(f.grid()->model()->setData(f.cell(0, "UnitsSold"), "6"));
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.transaction1("UnitsSold").toInt(), 2);
    }

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

    void gridCurrentCellIsAVisibleHighlightedCell() {
        ProductsFixture f;
        for (int product = 1; product <= 2; ++product, f.next()) {
            const QModelIndex current = f.grid()->currentIndex();
            QCOMPARE(current, f.cell(0, "TransactionDate"));
            QVERIFY(f.grid()->selectionModel()->isSelected(current));
        }
    }

    void figuresAreReadOnlyAndTitleIsWhole() {
        ProductsFixture f;
        for (int index : {3, 7}) {
            auto* figure = f.editor()->box(index);
            QVERIFY(figure->isReadOnly());
            QVERIFY(!figure->hasFrame());
        }
        QCOMPARE(f.child<QLabel>("Label1(12)")->buddy(), f.editor()->box(3));
        QCOMPARE(f.child<QLabel>("Label1(1)")->buddy(), f.child("Text1(0)"));
        QCOMPARE(f.child<QLabel>("Label1(2)")->buddy(), f.child("dcbCategoryID"));
        QCOMPARE(f.child("dcbCategoryID")->accessibleName(), QStringLiteral("Category"));
        QCOMPARE(f.editor()->box(7)->accessibleName(), QStringLiteral("Units on Order"));

        // The longest names of the sample, on the title label in full.
        f.db().exec("INSERT INTO Products (ProductName) VALUES"
                    " ('All-Purpose Fertilizer 10-10-10, 5 lb'),"
                    " ('Tulip Bulbs, Mixed Colors (10 pack)'), ('Glazed Ceramic Planter, 14 in.')");
        f.session().rsProducts->Requery();
        f.editor()->dc()->moveFirst();
        QLabel* title = f.editor()->titleLabel();
        for (int i = 0; i < 3; ++i)
            f.next();
        for (int i = 0; i < 3; ++i) {
            const QString name = f.session().rsProducts->Fields("ProductName").toString();
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
            f.session().rsTransactions->MoveTo(f.rowOfTransaction(1));
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

QTEST_MAIN(TestProductsWindow)
#include "tst_productswindow.moc"
