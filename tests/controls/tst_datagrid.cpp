#include "BoxRecorder.h"
#include "TempDatabase.h"
#include "controls/DataGrid.h"
#include "controls/RecordsetModel.h"
#include "controls/ValueFormat.h"
#include "data/Connection.h"
#include "data/Recordset.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace quarvel;
using namespace quarvel::controls;

namespace {

const char* const transactionsSql =
    "Select TransactionID,ProductID,TransactionDate,PurchaseOrderID,TransactionDescription,"
    "UnitsOrdered,UnitsReceived,UnitsSold,UnitsShrinkage  FROM [Inventory Transactions] Where "
    "ProductID=1 ORDER BY TransactionID";

enum Column { Id, Product, Date, PoId, Description, Ordered, Received, Sold, Shrinkage };

// The lines of purchase order 1, each with its product's name joined in.
const char* const linesSql =
    "SELECT [Inventory Transactions].TransactionID,[Inventory Transactions].PurchaseOrderID,"
    "[Inventory Transactions].ProductID, [Inventory Transactions].TransactionDate, "
    "Products.ProductName, [Inventory Transactions].UnitsOrdered FROM Products RIGHT JOIN "
    "[Inventory Transactions] ON Products.ProductID = [Inventory Transactions].ProductID Where "
    "PurchaseOrderID=1 ORDER BY TransactionID";

enum LineColumn { LineProductId = 2, LineName = 4 };

} // namespace

class DataGridTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> db;
    std::unique_ptr<Recordset> rs;
    std::unique_ptr<DataGrid> grid;
    std::unique_ptr<BoxRecorder> boxes;

    QString cell(int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }

    // One value of the stored transaction rows, read back from the file.
    QString stored(const QString& what, const QString& where) const {
        return db->scalar("SELECT " + what + " FROM [Inventory Transactions] WHERE " + where)
            .toString();
    }

    void clickCell(int row, int column) {
        grid->scrollTo(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->cellRect(row, column).center());
    }

    // Selects the cell with a click and types into it as a user does: the first key opens
    // the editor, the rest go to the editor, Return commits.
    void typeIntoCell(int row, int column, const QString& text) {
        clickCell(row, column);
        QTest::keyClick(grid.get(), text.at(0).toLatin1());
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY2(editor, "no editor opened");
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits and closes the editor from the event loop.
        QTRY_VERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QCoreApplication::processEvents(); // what the commit left queued
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c()); // the typed date's form
        db = std::make_unique<TempDatabase>();
        db->exec("INSERT INTO Products (ProductName) VALUES ('Hammer'), ('Saw');"
                 "INSERT INTO Suppliers (SupplierName) VALUES ('Acme');"
                 "INSERT INTO [Purchase Orders] (SupplierID) VALUES (1);"
                 "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, "
                 "TransactionDate, TransactionDescription, UnitsOrdered) VALUES "
                 "(1, 1, '2021-12-31', 'First', 3), (1, NULL, '2022-01-02', 'Second', 0.1 * 3),"
                 "(1, NULL, '2022-01-03', 'Third', NULL), (2, NULL, '2022-01-04', 'Other', 1);");
        rs = std::make_unique<Recordset>();
        rs->Open(transactionsSql, Connection::open(db->path()));
        grid = std::make_unique<DataGrid>();
        grid->resize(900, 400);
        grid->setRecordset(rs.get());
        grid->setColumnHidden("TransactionID", true);
        grid->setColumnLocked("PurchaseOrderID", true);
        grid->setColumnCaption("PurchaseOrderID", "PO ID");
        grid->show();
        grid->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(grid.get()));
        boxes = std::make_unique<BoxRecorder>();
    }

    void cleanup() {
        boxes.reset();
        grid.reset();
        rs.reset();
        db.reset();
    }

    void columnsShowTheirFieldsAndEditorsTheirText() {
        QVERIFY(grid->isColumnHidden(Id));
        const auto header = [this](int c) {
            return grid->model()->headerData(c, Qt::Horizontal).toString();
        };
        QCOMPARE(header(PoId), QString("PO ID"));
        QCOMPARE(header(Sold), QString("UnitsSold")); // no caption set: the field name
        QCOMPARE(cell(0, PoId), QString("1"));
        QCOMPARE(cell(1, Ordered), QString("0.3"));
        QCOMPARE(cell(2, Ordered), QString());
        QCOMPARE(grid->model()->index(0, Date).data(Qt::EditRole), QVariant(QDate(2021, 12, 31)));

        // The locked column opens no editor.
        QSignalSpy begun(grid.get(), &DataGrid::cellEditBegun);
        clickCell(0, PoId);
        QTest::keyClick(grid.get(), Qt::Key_5);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(0, PoId).center());
        QCOMPARE(begun.count(), 0);
        QCOMPARE(cell(0, PoId), QString("1"));

        // The editor holds the text as shown; committing it unchanged writes nothing.
        for (const Column column : {Date, Ordered}) {
            clickCell(1, column);
            QTest::keyClick(grid.get(), Qt::Key_F2);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor);
            QCOMPARE(editor->text(), cell(1, column));
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_VERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        }
        QCOMPARE(rs->EditMode(), int(Recordset::adEditNone));
    }

    void listColumnWritesTheKeyAndShowsTheChosenName() {
        db->exec("INSERT INTO [Inventory Transactions] (PurchaseOrderID, UnitsOrdered) "
                 "VALUES (1, 2)");
        Recordset lines;
        lines.Open(linesSql, Connection::open(db->path()));
        Recordset products;
        products.Open("SELECT ProductID, ProductName FROM Products ORDER BY ProductName",
                      Connection::open(db->path()));
        grid->setRecordset(&lines);
        grid->setColumnLocked("ProductName", true);
        grid->setColumnList("ProductName", &products, "ProductName", "ProductID", "ProductID");
        QCOMPARE(cell(0, LineName), QString("Hammer"));
        QCOMPARE(cell(1, LineName), QString()); // a line without a product

        // In the empty last row a choice (which commits at once) begins a new line; the
        // window's own choices on a line are the Purchase Orders window's tests.
        QSignalSpy begunRows(grid.get(), &DataGrid::newRowBegun);
        connect(grid.get(), &DataGrid::newRowBegun, this,
                [&] { lines.setField("PurchaseOrderID", 1); });
        clickCell(grid->newRow(), LineName);
        QTest::keyClick(grid.get(), Qt::Key_F2);
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        QVERIFY(list);
        QCOMPARE(list->count(), 2);
        // Moving through the entries chooses nothing; Esc closes the list without a choice.
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), grid.get());
        QCOMPARE(begunRows.count(), 0);
        // F4 opens the entries, as on any combo box; Home and Enter choose the first.
        QTest::keyClick(grid.get(), Qt::Key_F4);
        QTRY_VERIFY(list->view()->isVisible());
        list->hidePopup();
        QTRY_COMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Home); // Hammer
        QCOMPARE(begunRows.count(), 0);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!qobject_cast<QComboBox*>(QApplication::focusWidget()));
        QCOMPARE(begunRows.count(), 1);
        QCOMPARE(cell(2, LineName), QString("Hammer"));
        QCOMPARE(cell(2, LineProductId), QString("1"));
        QTRY_VERIFY(boxes->boxes.isEmpty());

        // The list read again in a new order still shows the chosen names.
        db->exec("INSERT INTO Products (ProductName) VALUES ('Anvil')");
        products.Requery();
        QCOMPARE(cell(2, LineName), QString("Hammer"));
    }

    // An edited row is written when the user moves off it, or reported and kept when the
    // database refuses it; the current row follows the recordset both ways.
    void editedRowIsWrittenOnMovingOffOrKeptOnARefusal() {
        QSignalSpy begun(grid.get(), &DataGrid::cellEditBegun);
        QString valueWhenBegun;
        connect(grid.get(), &DataGrid::cellEditBegun, this,
                [&] { valueWhenBegun = ValueFormat::displayText(rs->Fields("UnitsOrdered")); });
        typeIntoCell(1, Ordered, "12");
        QCOMPARE(begun.first().first().toInt(), int(Ordered));
        QCOMPARE(valueWhenBegun, QString("0.3")); // before the value landed
        QCOMPARE(rs->AbsolutePosition(), 1);
        QCOMPARE(stored("ROUND(UnitsOrdered, 2)", "TransactionID=2"), QString("0.3"));
        typeIntoCell(1, Date, "12/25/2021"); // a typed date is accepted too
        clickCell(0, Description);
        QCOMPARE(stored("UnitsOrdered || ' ' || TransactionDate", "TransactionID=2"),
                 QString("12 2021-12-25"));

        typeIntoCell(0, Ordered, "many");
        clickCell(2, Description);
        QCOMPARE(boxes->boxes.size(), 1);
        QVERIFY(boxes->boxes.first().text.contains("UnitsOrdered"));
        QCOMPARE(rs->AbsolutePosition(), 0);
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(cell(0, Ordered), QString("many"));
        QCOMPARE(stored("UnitsOrdered", "TransactionID=1"), QString("3"));
        // The grid stays usable: the user corrects the value and moves on.
        typeIntoCell(0, Ordered, "4");
        clickCell(2, Description);
        QCOMPARE(boxes->boxes.size(), 1);
        QCOMPARE(stored("UnitsOrdered", "TransactionID=1"), QString("4"));
        rs->MoveFirst();
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(grid->currentColumn(), int(Description));
    }

    void typingInTheEmptyLastRowBeginsANewRow() {
        QSignalSpy begunRows(grid.get(), &DataGrid::newRowBegun);
        connect(grid.get(), &DataGrid::newRowBegun, this, [&] {
            rs->setField("ProductID", 1);
            rs->setField("TransactionDate", QDate(2022, 2, 1));
        });
        typeIntoCell(grid->newRow(), Description, "Found");
        QCOMPARE(begunRows.count(), 1);
        QCOMPARE(grid->newRow(), 4);
        QCOMPARE(grid->currentIndex().row(), 3);
        QCOMPARE(cell(3, Description), QString("Found"));

        typeIntoCell(3, Sold, "2"); // the same new row
        QCOMPARE(begunRows.count(), 1);
        clickCell(0, Description);
        QVERIFY(boxes->boxes.isEmpty());
        QCOMPARE(stored("ProductID || ' ' || TransactionDate || ' ' || UnitsSold",
                        "TransactionDescription='Found'"),
                 QString("1 2022-02-01 2"));
        QCOMPARE(grid->newRow(), 4);
    }

    // A handler that writes the row as the next cell edit begins (the transaction page's):
    // a refused write is reported, and the edit itself goes on.
    void aWriteRefusedInACellEditHandlerIsReported() {
        connect(grid.get(), &DataGrid::cellEditBegun, this, [&] {
            if (rs->EditMode() != Recordset::adEditNone)
                rs->Update();
        });
        typeIntoCell(0, Sold, "x");
        typeIntoCell(0, Shrinkage, "1");
        QCOMPARE(boxes->boxes.size(), 1);
        QVERIFY(boxes->boxes.first().text.contains("UnitsSold"));
        QCOMPARE(rs->Fields("UnitsShrinkage").toInt(), 1);
    }
};

QTEST_MAIN(DataGridTest)
#include "tst_datagrid.moc"
