// Count Stock: a count kept across closing, typed counts posted as stock count transactions in
// one transaction (or not at all), a blind count and its sheet, and a database of the first
// schema version, which says how to get counts. On both engines.

#include "../reference/WindowDriver.h"
#include "RunTool.h"
#include "controls/DataGrid.h"
#include "count/CountWindow.h"
#include "reports/Printers.h"
#include "shell/Globals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

using quarvel::count::CountWindow;

namespace {

const QDate today(2022, 2, 3);

// Tools: Hammer (on hand 5, last bought at 2.5) and Saw (on hand 0); Paint: Brush (on hand 2).
const char* const data =
    "INSERT INTO Categories (CategoryName) VALUES ('Tools'), ('Paint');"
    "INSERT INTO Products (ProductName, CategoryID) VALUES ('Hammer', 1), ('Saw', 1),"
    " ('Brush', 2);"
    "INSERT INTO [Inventory Transactions] (ProductID, TransactionDate, UnitsOrdered,"
    " UnitsReceived, UnitPrice) VALUES (1, '2021-03-04', 5, 5, 2.5), (3, '2021-03-04', 2, 2,"
    " NULL);";

class CountFixture : public BoxRecorder {
public:
    explicit CountFixture(bool upgraded = true) {
        db.exec(data);
        if (db.isPostgres())
            db.execNative("SELECT 1"); // its schema changes: not handed to another test
        if (upgraded) {
            const Run upgrade = runTool({"upgrade", db.path()});
            if (upgrade.exitCode != 0)
                qWarning() << upgrade.err;
        }
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        QLocale::setDefault(QLocale::c());
        quarvel::setTodayForTesting(today);
        open();
    }
    ~CountFixture() {
        clearAnswers();
        window.reset();
        quarvel::setTodayForTesting(QDate());
    }
    void open() {
        window = std::make_unique<CountWindow>();
        window->Form_Load();
        driver::show(*window);
    }
    void close() { window->close(); }
    quarvel::controls::DataGrid* grid() const { return window->grid(); }
    int row(const char* product) const {
        for (int r = 0; r < grid()->model()->rowCount(); ++r)
            if (driver::cellText(grid(), r, "ProductName") == QLatin1String(product))
                return r;
        return -1;
    }
    QStringList shown() const {
        QStringList names;
        for (int r = 0; r < grid()->model()->rowCount(); ++r)
            names << driver::cellText(grid(), r, "ProductName");
        return names;
    }
    double onHand(int product) const {
        return db
            .scalar(
                QString("SELECT UnitsOnHand FROM qryProducts WHERE ProductID = %1").arg(product))
            .toDouble();
    }
    int count(const char* table) const {
        return db.scalar(QString("SELECT count(*) FROM [%1]").arg(table)).toInt();
    }

    TempDatabase db;
    std::unique_ptr<CountWindow> window;
};

} // namespace

class TestCount : public QObject {
    Q_OBJECT

private slots:
    void anOlderDatabaseSaysHowToGetCounts() {
        CountFixture f(false);
        QVERIFY2(f.window->status()->text().contains("quarvel-db upgrade"),
                 qPrintable(f.window->status()->text()));
        QVERIFY(!f.window->findChild<QPushButton*>("PushButton1")->isEnabled());
        QVERIFY(f.boxes.isEmpty());
        f.close();
        QVERIFY(!f.window->isVisible());
    }

    void aCountIsKeptAcrossClosingThenPostedAsShrinkage() {
        CountFixture f;
        f.window->categoryBox()->setCurrentIndex(f.window->categoryBox()->findText("Tools"));
        driver::click(*f.window, "PushButton1");
        QVERIFY(f.window->count().has_value());
        QCOMPARE(f.shown(), (QStringList{"Hammer", "Saw"}));
        QCOMPARE(driver::cellText(f.grid(), f.row("Hammer"), "Expected"), QString("5"));
        QCOMPARE(
            f.grid()->model()->headerData(f.grid()->columnOf("Counted"), Qt::Horizontal).toString(),
            QString("Counted"));
        driver::typeInCell(f.grid(), f.row("Hammer"), "Counted", "3");
        driver::typeInCell(f.grid(), f.row("Saw"), "Counted", "1", false);

        // Closing asks: Cancel stays, Keep keeps what is typed (the open cell included).
        f.answerNext(QMessageBox::Cancel);
        f.close();
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.boxes.last().buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        f.answerNext(QMessageBox::Yes);
        f.close();
        QVERIFY(!f.window->isVisible());
        f.open();
        QCOMPARE(f.window->categoryBox()->currentText(), QString("Tools"));
        QCOMPARE(driver::cellText(f.grid(), f.row("Hammer"), "Counted"), QString("3"));
        QCOMPARE(driver::cellText(f.grid(), f.row("Saw"), "Counted"), QString("1"));

        // Posting shows the differences and their value, and asks with No as the default.
        f.takeBoxes();
        driver::click(*f.window, "PushButton3");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QVERIFY2(
            f.boxes[0].text.contains("Products whose count differs: 2, by -1 units in all, "
                                     "worth -5.00") &&
                f.boxes[0].text.contains("Hammer: counted 3, expected 5 (-2 units, -5.00)") &&
                f.boxes[0].text.contains("Saw: counted 1, expected 0 (1 units, no unit price)"),
            qPrintable(f.boxes[0].text));
        QCOMPARE(f.count("Stock Counts"), 1);
        f.answerNext(QMessageBox::Yes);
        driver::click(*f.window, "PushButton3");
        QCOMPARE(f.onHand(1), 3.0);
        QCOMPARE(f.onHand(2), 1.0); // a surplus is a negative shrinkage
        QCOMPARE(f.db.scalar("SELECT count(*) FROM [Inventory Transactions] WHERE "
                             "TransactionDescription = 'Stock count' AND TransactionDate = "
                             "'2022-02-03'")
                     .toInt(),
                 2);
        QCOMPARE(f.count("Stock Counts"), 0);
        QCOMPARE(f.count("Stock Count Lines"), 0);
        QVERIFY(!f.window->count());
        f.close(); // no count: no question
        QVERIFY(!f.window->isVisible());
    }

    void aFailedPostWritesNothingAndABlindCountHidesWhatIsExpected() {
        CountFixture f;
        f.window->blindBox()->setChecked(true);
        driver::click(*f.window, "PushButton1");
        QCOMPARE(f.shown(), (QStringList{"Brush", "Hammer", "Saw"}));
        QVERIFY(f.grid()->isColumnHidden(f.grid()->columnOf("Expected")));
        bool expectedPrinted = true;
        quarvel::reports::setReportShowHook([&](const quarvel::reports::ReportDefinition& sheet,
                                                const quarvel::reports::ReportData&,
                                                QPageLayout::Orientation) {
            expectedPrinted = false;
            for (const auto* section : sheet.sections())
                for (const auto& item : section->items)
                    expectedPrinted = expectedPrinted || item.dataField == "Expected";
        });
        driver::click(*f.window, "PushButton2");
        quarvel::reports::setReportShowHook({});
        QVERIFY(!expectedPrinted);

        // Brush's difference is written first, then Saw's is refused (out of range): neither
        // stays, and the count is still there.
        driver::typeInCell(f.grid(), f.row("Brush"), "Counted", "1");
        driver::typeInCell(f.grid(), f.row("Saw"), "Counted", "-2147483648");
        f.answerNext(QMessageBox::Yes);
        driver::click(*f.window, "PushButton3");
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[1].title, QString("Application Error"));
        QCOMPARE(f.db.scalar("SELECT count(*) FROM [Inventory Transactions]").toInt(), 2);
        QCOMPARE(f.count("Stock Count Lines"), 3);

        // Closing and discarding ends it.
        f.answerNext(QMessageBox::No);
        f.close();
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.count("Stock Counts"), 0);
        QCOMPARE(f.count("Stock Count Lines"), 0);
    }
};

QTEST_MAIN(TestCount)
#include "tst_count.moc"
