// Reorder Stock: the rules at their edges, the list as the window shows it, the orders it
// makes (all or nothing), the list after them, and what it prints. On both engines.

#include "../reference/WindowDriver.h"
#include "RunTool.h"
#include "orders/PurchaseOrdersWindow.h"
#include "reorder/LeadTime.h"
#include "reorder/ReorderModel.h"
#include "reorder/ReorderWindow.h"
#include "reports/Printers.h"
#include "shell/Globals.h"
#include "shell/Session.h"
#include "shell/WindowTable.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>

using quarvel::reorder::ReorderModel;
using quarvel::reorder::Suggestion;

namespace {

// Today is 2022-02-03: sales from 2021-11-06 on count (the last 90 days).
const QDate today(2022, 2, 3);

// Suppliers Acme (1), Bolt (2) and Zeta (3, never ordered from). Products:
//  Anvil (1): level 10, lead "2 weeks", on hand 5, last bought from Acme at 2.5;
//  Bucket (2): level 3, lead "1 week", on hand 8 after 90 sold in the last 90 days (one a day,
//    7 expected during the lead time), last bought from Bolt at 4;
//  Chain (3): level 4, lead "soon" (not read), on hand exactly 4, never ordered;
//  Drill (4): no reorder level, nothing on hand; Easel (5): level 2, on hand 3, nothing sold;
//  Funnel (6): level 1, on hand 2, a sale of 50 exactly 90 days ago (not counted).
const char* const data =
    "INSERT INTO Suppliers (SupplierName) VALUES ('Acme'), ('Bolt'), ('Zeta');"
    "INSERT INTO Products (ProductName, ReorderLevel, LeadTime) VALUES ('Anvil', 10, '2 weeks'),"
    " ('Bucket', 3, '1 week'), ('Chain', 4, 'soon'), ('Drill', NULL, NULL), ('Easel', 2, NULL),"
    " ('Funnel', 1, '3 days');"
    "INSERT INTO [Purchase Orders] (PurchaseOrderNumber, SupplierID, OrderDate) VALUES"
    " (1001, 1, '2021-01-10'), (1002, 2, '2021-01-11');"
    "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, TransactionDate,"
    " UnitsOrdered, UnitsReceived, UnitsSold, UnitPrice) VALUES"
    " (1, 1, '2021-01-10', 5, 5, NULL, 2.5),"
    " (2, 2, '2021-01-11', 98, 98, NULL, 4),"
    " (2, NULL, '2021-11-06', NULL, NULL, 45, NULL),"
    " (2, NULL, '2022-02-03', NULL, NULL, 45, NULL),"
    " (3, NULL, '2021-01-12', 4, 4, NULL, NULL),"
    " (5, NULL, '2021-01-12', 3, 3, NULL, NULL),"
    " (6, NULL, '2021-01-12', 52, 52, NULL, NULL),"
    " (6, NULL, '2021-11-05', NULL, NULL, 50, NULL);";

class ReorderFixture : public BoxRecorder {
public:
    // upgraded: the database keeps each product's figures (schema version 2), as a new one
    // does; otherwise it is of the first version and they are summed.
    explicit ReorderFixture(bool upgraded = true) {
        db.exec(data);
        if (db.isPostgres())
            db.execNative("SELECT 1"); // its schema may change: not handed to another test
        if (upgraded && runTool({"upgrade", db.path()}).exitCode != 0)
            qWarning("the test database could not be upgraded");
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        QLocale::setDefault(QLocale::c());
        quarvel::setTodayForTesting(today);
        open();
    }
    ~ReorderFixture() {
        clearAnswers();
        window.reset();
        quarvel::setTodayForTesting(QDate());
    }
    void open() {
        window = std::make_unique<quarvel::reorder::ReorderWindow>(session);
        window->Form_Load();
        driver::show(*window);
    }
    ReorderModel* model() const { return window->model(); }
    QStringList products() const {
        QStringList names;
        for (const Suggestion& s : model()->suggestions())
            names << s.productName;
        return names;
    }
    const Suggestion& row(const QString& product) const {
        for (const Suggestion& s : model()->suggestions())
            if (s.productName == product)
                return s;
        static const Suggestion none;
        return none;
    }
    int rowOf(const QString& product) const { return int(products().indexOf(product)); }
    QString cell(const QString& product, int column) const {
        return model()->index(rowOf(product), column).data().toString();
    }
    QVariant scalar(const QString& sql) const { return db.scalar(sql); }

    TempDatabase db;
    quarvel::shell::Session session;
    std::unique_ptr<quarvel::reorder::ReorderWindow> window;
};

} // namespace

class TestReorder : public QObject {
    Q_OBJECT

private slots:
    void leadTimesAndTheRuleAtItsEdges() {
        using quarvel::reorder::leadTimeDays;
        QCOMPARE(leadTimeDays("10 days"), std::optional<double>(10));
        QCOMPARE(leadTimeDays(" 2 Weeks "), std::optional<double>(14));
        QCOMPARE(leadTimeDays("1 month"), std::optional<double>(30));
        QCOMPARE(leadTimeDays("1.5 weeks"), std::optional<double>(10.5));
        for (const char* unread : {"", "soon", "10", "2-3 weeks", "weeks", "2 fortnights"})
            QVERIFY2(!leadTimeDays(unread), unread);

        Suggestion s;
        s.reorderLevel = 10;
        s.onHand = 6;
        s.onOrder = 4; // exactly at the level: listed, one unit brings it above
        QVERIFY(s.needsOrder());
        QCOMPARE(s.suggestedQuantity(), 1);
        s.onOrder = 5; // above, nothing sold
        QVERIFY(!s.needsOrder());
        s.soldPerDay = 0.5;
        s.leadTimeDays = 14; // 7 expected to sell: 11 - 7 = 4 falls below 10
        QVERIFY(s.needsOrder());
        QCOMPARE(s.suggestedQuantity(), 7); // 11 + 7 - 7 = 11 > 10
        s.leadTimeDays.reset();             // an unreadable lead time expects no sales
        QVERIFY(!s.needsOrder());
        s.onHand = 0.5;
        s.onOrder = 0; // fractions round up to whole units
        QCOMPARE(s.suggestedQuantity(), 10);
    }

    void theListShowsWhatToOrderAndWhy_data() {
        QTest::addColumn<bool>("upgraded");
        QTest::newRow("figures kept") << true;
        QTest::newRow("figures summed") << false;
    }

    void theListShowsWhatToOrderAndWhy() {
        QFETCH(bool, upgraded);
        ReorderFixture f(upgraded);
        QCOMPARE(f.window->windowTitle(), QString("Reorder Stock"));
        // By supplier (Acme, Bolt), those without one last.
        QCOMPARE(f.products(), (QStringList{"Anvil", "Bucket", "Chain"}));
        QCOMPARE(f.cell("Anvil", ReorderModel::Supplier), QString("Acme"));
        QCOMPARE(f.cell("Anvil", ReorderModel::Quantity), QString("6"));
        QCOMPARE(f.cell("Anvil", ReorderModel::UnitPrice), QString("2.5"));
        QCOMPARE(f.cell("Bucket", ReorderModel::Supplier), QString("Bolt"));
        QCOMPARE(f.cell("Bucket", ReorderModel::SoldPerDay), QString("1.00"));
        QCOMPARE(f.cell("Bucket", ReorderModel::LeadTime), QString("7 days"));
        QCOMPARE(f.cell("Bucket", ReorderModel::Quantity), QString("3"));
        QCOMPARE(f.cell("Chain", ReorderModel::Supplier), QString("(choose a supplier)"));
        QCOMPARE(f.cell("Chain", ReorderModel::LeadTime), QString("\"soon\" (not read)"));
        const QString why = f.model()->index(f.rowOf("Bucket"), 0).data(Qt::ToolTipRole).toString();
        QVERIFY2(why.contains("On hand 8 + on order 0 = 8") && why.contains("sold 1.00 a day") &&
                     why.contains("lead time 7 days") && why.contains("order 3"),
                 qPrintable(why));
        QVERIFY2(
            f.window->summary()->text().contains("Products to reorder: 3, of them ticked: 3.") &&
                f.window->summary()->text().contains("Ticked without a supplier yet: 1"),
            qPrintable(f.window->summary()->text()));
        QCOMPARE(f.window->grid()->accessibleName(), QString("Products to Reorder"));

        // What it prints: the same rows, by supplier.
        QStringList printed;
        quarvel::reports::setReportShowHook([&](const quarvel::reports::ReportDefinition& report,
                                                const quarvel::reports::ReportData& rows,
                                                QPageLayout::Orientation) {
            printed << report.title;
            for (int m = 0; m < rows.master().rowCount(); ++m) {
                printed << rows.master().value(m, "SupplierName").toString();
                for (int c : rows.childRows(m))
                    printed << rows.child().value(c, "ProductName").toString();
            }
        });
        driver::click(*f.window, "PushButton2");
        quarvel::reports::setReportShowHook({});
        QCOMPARE(printed, (QStringList{"Reorder Stock", "Acme", "Anvil", "Bolt", "Bucket",
                                       "No supplier yet", "Chain"}));
    }

    void createdOrdersAreNotSuggestedAgain() {
        ReorderFixture f;
        // Chain gets Acme, typed into its row; Bucket is unticked; Anvil's quantity is raised.
        QTableView* grid = f.window->grid();
        grid->setFocus();
        grid->setCurrentIndex(f.model()->index(f.rowOf("Chain"), ReorderModel::Supplier));
        QTest::keyClick(grid, Qt::Key_F2);
        auto* combo = grid->findChild<QComboBox*>("cboSupplier");
        QVERIFY(combo);
        combo->setCurrentIndex(combo->findText("Acme"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(f.cell("Chain", ReorderModel::Supplier), QString("Acme"));
        f.model()->setData(f.model()->index(f.rowOf("Bucket"), ReorderModel::Order), Qt::Unchecked,
                           Qt::CheckStateRole);
        grid->setCurrentIndex(f.model()->index(f.rowOf("Anvil"), ReorderModel::Quantity));
        QTest::keyClick(grid, Qt::Key_1); // typing opens the cell's editor
        QTest::keyClicks(QApplication::focusWidget(), "2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(f.cell("Anvil", ReorderModel::Quantity), QString("12"));

        f.answerNext(QMessageBox::No);
        driver::click(*f.window, "PushButton1");
        QCOMPARE(f.texts(), QStringList{"Purchase orders made: 1, with lines: 2.\n"
                                        "Show the first of them in Purchase Orders?"});
        QCOMPARE(f.scalar("SELECT count(*) FROM [Purchase Orders]").toInt(), 3);
        QCOMPARE(f.scalar("SELECT PurchaseOrderNumber FROM [Purchase Orders] WHERE "
                          "PurchaseOrderID = 3")
                     .toInt(),
                 1003);
        QCOMPARE(
            f.scalar("SELECT SupplierID FROM [Purchase Orders] WHERE PurchaseOrderID = 3").toInt(),
            1);
        QCOMPARE(f.scalar("SELECT sum(UnitsOrdered) FROM [Inventory Transactions] WHERE "
                          "PurchaseOrderID = 3")
                     .toInt(),
                 12 + 1);
        QCOMPARE(f.scalar("SELECT UnitPrice FROM [Inventory Transactions] WHERE PurchaseOrderID "
                          "= 3 AND ProductID = 1")
                     .toDouble(),
                 2.5);
        // The list is read again: what is on order now is not suggested again.
        QCOMPARE(f.products(), QStringList{"Bucket"});

        // Shown in the Purchase Orders window when the user says so.
        QVariant shown;
        quarvel::shell::WindowTable::registerWindow(quarvel::shell::WindowId::Form8, [&](QWidget*) {
            quarvel::orders::PurchaseOrdersWindow orders(f.session);
            orders.Form_Load();
            shown = orders.idLabel()->text();
        });
        f.takeBoxes();
        f.answerNext(QMessageBox::Yes);
        driver::click(*f.window, "PushButton1");
        QCOMPARE(shown, QVariant("4"));
        QVERIFY(f.session.purchaseOrderToShow.isNull());
        QCOMPARE(f.products(), QStringList());
        quarvel::shell::WindowTable::clear();
    }

    void aRefusedWriteMakesNothingAndClosingAsksAboutChanges() {
        ReorderFixture f;
        QTableView* grid = f.window->grid();
        grid->setCurrentIndex(f.model()->index(f.rowOf("Chain"), ReorderModel::Supplier));
        grid->edit(grid->currentIndex());
        auto* combo = grid->findChild<QComboBox*>("cboSupplier");
        combo->setCurrentIndex(combo->findText("Zeta"));
        QTest::keyClick(combo, Qt::Key_Return);
        // Zeta goes meanwhile: its order is refused, and Acme's and Bolt's, made first in the
        // same transaction, are not kept either.
        f.db.exec("DELETE FROM Suppliers WHERE SupplierID = 3");
        driver::click(*f.window, "PushButton1");
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY2(f.boxes[0].title == "Application Error", qPrintable(f.boxes[0].text));
        QCOMPARE(f.scalar("SELECT count(*) FROM [Purchase Orders]").toInt(), 2);
        QCOMPARE(f.scalar("SELECT count(*) FROM [Inventory Transactions]").toInt(), 8);
        QCOMPARE(f.products(), (QStringList{"Anvil", "Bucket", "Chain"}));

        // The choice is still in the list: closing asks, No keeps the window.
        f.takeBoxes();
        f.answerNext(QMessageBox::No);
        f.window->close();
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        f.answerNext(QMessageBox::Yes);
        f.window->close();
        QVERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(TestReorder)
#include "tst_reorder.moc"
