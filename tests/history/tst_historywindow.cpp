// "History" opened with Ctrl+H (or the task menu) on the record a window shows, on a database
// of the engine under test: the product's own changes and its transactions', newest first, who
// made them, the deleted records with their last values; an older database says how to get it.
#include "../products/ProductsFixture.h"
#include "../tools/RunTool.h"
#include "app/TaskMenu.h"
#include "data/ProgramUser.h"
#include "history/window/HistoryWindow.h"
#include "reference/SuppliersWindow.h"
#include "shell/WindowTable.h"

#include <QCheckBox>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>

using quarvel::history::HistoryWindow;
using quarvel::shell::WindowId;
using quarvel::shell::WindowTable;

namespace {

// The History window that Ctrl+H opens over `window`, loaded, its rows read as
// "table key action field old>new" (who and when apart).
struct Opened {
    QStringList rows;
    QStringList who;
    QString heading;
    QString title;
};

Opened historyOf(QWidget& window, bool deleted = false) {
    Opened opened;
    WindowTable::registerWindow(WindowId::History, [&](QWidget* parent) {
        HistoryWindow history(QString(), parent);
        history.deletedOption()->setChecked(deleted);
        history.Form_Load();
        const QStandardItemModel* m = history.model();
        for (int r = 0; r < m->rowCount(); ++r) {
            opened.rows << QString("%1 %2 %3 %4 %5>%6")
                               .arg(m->item(r, 2)->text(), m->item(r, 3)->text(),
                                    m->item(r, 4)->text(), m->item(r, 5)->text(),
                                    m->item(r, 6)->text(), m->item(r, 7)->text());
            opened.who << m->item(r, 1)->text();
        }
        opened.heading = history.heading()->text();
        opened.title = history.windowTitle();
    });
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    WindowTable::clear();
    return opened;
}

} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT

private slots:
    void aProductsHistoryHoldsItsTransactionsNewestFirst() {
        TempDatabase db;
        if (db.isPostgres())
            db.execNative("SELECT 1");
        QCOMPARE(runTool({"upgrade", db.path()}).exitCode, 0);
        db.exec("INSERT INTO Products (ProductName) VALUES ('Hammer'), ('Saw');"
                "INSERT INTO [Inventory Transactions] (ProductID, UnitsSold) VALUES (1, 2);"
                "DELETE FROM [Inventory Transactions] WHERE TransactionID = 1");
        ProductsFixture f(false, db.path());
        f.retype(0, "Claw Hammer");
        f.click("PushButton7"); // saved by the program

        const Opened opened = historyOf(*f.window);
        QCOMPARE(opened.title, QString("History of Products 1"));
        QCOMPARE(opened.rows, (QStringList{"Products 1 update ProductName Hammer>Claw Hammer",
                                           "Inventory Transactions 1 delete ProductID 1>",
                                           "Inventory Transactions 1 delete TransactionID 1>",
                                           "Inventory Transactions 1 delete UnitsSold 2>",
                                           "Inventory Transactions 1 insert ProductID >1",
                                           "Inventory Transactions 1 insert TransactionID >1",
                                           "Inventory Transactions 1 insert UnitsSold >2",
                                           "Products 1 insert ProductID >1",
                                           "Products 1 insert ProductName >Hammer"}));
        QCOMPARE(opened.who.first(), db.isPostgres() ? QString("postgres") : quarvel::loginName());

        // The task menu's entry opens the same; a deleted product keeps its last values.
        db.exec("DELETE FROM Products WHERE ProductID = 2");
        const Opened deleted = historyOf(*f.window, true);
        QCOMPARE(deleted.heading, QString("Deleted records of Products, newest first"));
        QCOMPARE(deleted.rows, (QStringList{"Products 2 delete ProductID 2>",
                                            "Products 2 delete ProductName Saw>"}));
        bool opened2 = false;
        WindowTable::registerWindow(WindowId::History, [&](QWidget*) { opened2 = true; });
        QTest::mouseClick(f.window->taskMenu()->entry(quarvel::TaskMenu::HistoryEntry),
                          Qt::LeftButton);
        QVERIFY(opened2);
        WindowTable::clear();
    }

    void everyRecordWindowOpensItsRowsHistory() {
        WindowDriver<quarvel::reference::SuppliersWindow> f;
        if (f.db.isPostgres())
            f.db.execNative("SELECT 1"); // upgraded: never handed to another test
        QCOMPARE(runTool({"upgrade", f.db.path()}).exitCode, 0);
        f.db.exec("INSERT INTO Suppliers (SupplierName) VALUES ('Acme')");
        f.window->Form_Load();
        const Opened opened = historyOf(*f.window);
        QCOMPARE(opened.title, QString("History of Suppliers 1"));
        QCOMPARE(opened.rows, (QStringList{"Suppliers 1 insert SupplierID >1",
                                           "Suppliers 1 insert SupplierName >Acme"}));
    }

    void anOlderDatabaseSaysHowToGetAHistory() {
        ProductsFixture f;
        const Opened opened = historyOf(*f.window);
        QVERIFY(opened.rows.isEmpty());
        QVERIFY2(opened.heading.contains("quarvel-db upgrade adds it"), qPrintable(opened.heading));
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
