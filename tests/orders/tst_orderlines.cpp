#include "OrdersFixture.h"
#include "controls/GridExport.h"
#include "csv/CsvReader.h"
#include "orders/PauseWindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <functional>

using namespace quarvel;
using controls::GridExport;
using csv::CsvReader;

class tst_OrderLines : public QObject {
    Q_OBJECT

private slots:
    void addNewTransactionDatesTheLineWithTheOrderDate() {
        OrdersFixture f;
        f.click("PushButton2");
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(f.lineRecordset().RecordCount(), 3);
        QCOMPARE(f.scalar("SELECT TransactionDate || '/' || PurchaseOrderID FROM [Inventory"
                          " Transactions] WHERE TransactionID = 4 AND"
                          " coalesce(ProductID, UnitsOrdered, UnitPrice) IS NULL"),
                 QVariant("2021-01-15/1"));

        // A new order has no date yet: that is reported and the line has none.
        f.click("PushButton4");
        f.click("PushButton2");
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY(f.boxes[0].text.contains("Form8.PushButton2_Click at line 104"));
        QCOMPARE(f.scalar("SELECT PurchaseOrderID FROM [Inventory Transactions] WHERE"
                          " TransactionID = 5 AND TransactionDate IS NULL"),
                 QVariant(3));
    }

    // Choosing the line's own product changes nothing; another is written and the grid,
    // read again, stays on the same line with its price.
    void choosingAProductWritesItAndKeepsTheRow() {
        OrdersFixture f;
        f.chooseProduct(f.rowOfLine(1), "Hammer");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(f.pauses, 0); // no reload under the pause window

        f.chooseProduct(f.rowOfLine(1), "Brush");
        QTRY_COMPARE(f.pauses, 1);
        QCOMPARE(f.scalar("SELECT ProductID FROM [Inventory Transactions] WHERE"
                          " TransactionID = 1"),
                 QVariant(3));
        QCOMPARE(f.grid()->currentIndex().row(), f.rowOfLine(1));
        QCOMPARE(f.grid()->currentColumn(), f.grid()->columnOf("ProductName"));
        QCOMPARE(f.cell(1, "ProductName"), QStringLiteral("Brush"));
        QCOMPARE(f.cell(1, "UnitPrice"), QStringLiteral("2.5"));
        QVERIFY(f.boxes.isEmpty());
    }

    // The product list is a control of the window, as a screen reader walks it: a combo box
    // named by its column, its products as list items; every Product cell shows its button.
    void theProductListIsAControlAScreenReaderFinds() {
        OrdersFixture f;
        const int product = f.grid()->columnOf("ProductName");
        const int units = f.grid()->columnOf("UnitsOrdered");
        const QImage shot = f.grid()->viewport()->grab().toImage();
        auto rightEnd = [&](int row, int column) {
            const QRect cell = f.grid()->visualRect(f.grid()->model()->index(row, column));
            return shot.copy(cell.right() - 10, cell.top() + 2, 8, cell.height() - 4);
        };
        for (int line : {1, 2})
            QVERIFY(rightEnd(f.rowOfLine(line), product) != rightEnd(f.rowOfLine(line), units));

        f.grid()->setFocus();
        f.grid()->setCurrentIndex(f.grid()->model()->index(f.rowOfLine(1), product));
        QTest::keyClick(f.grid(), Qt::Key_Down, Qt::AltModifier);
        std::function<QAccessibleInterface*(QAccessibleInterface*)> find =
            [&](QAccessibleInterface* node) -> QAccessibleInterface* {
            // A combo box is named by its label (its name is its current entry).
            if (node->role() == QAccessible::ComboBox) {
                for (const auto& [label, relation] : node->relations(QAccessible::Label))
                    if (label->text(QAccessible::Name) == QLatin1String("Product"))
                        return node;
            }
            for (int i = 0; i < node->childCount(); ++i) {
                if (QAccessibleInterface* child = node->child(i);
                    child && !child->state().invisible)
                    if (QAccessibleInterface* found = find(child))
                        return found;
            }
            return nullptr;
        };
        QAccessibleInterface* combo = find(QAccessible::queryAccessibleInterface(f.window.get()));
        QVERIFY(combo);
        QAccessibleInterface* entries = combo->child(0);
        QVERIFY(entries);
        QCOMPARE(entries->role(), QAccessible::List);
        QStringList names;
        for (int i = 0; i < entries->childCount(); ++i)
            names << entries->child(i)->text(QAccessible::Name);
        QCOMPARE(names, (QStringList{"Brush", "Hammer", "Saw"}));
        // Chosen from the keyboard alone: the next entry, then Enter.
        auto* list = qobject_cast<QComboBox*>(combo->object());
        QTRY_VERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_COMPARE(f.pauses, 1);
        QCOMPARE(f.cell(1, "ProductName"), QStringLiteral("Saw"));
    }

    // Save Transaction writes the lines and shows their subtotals; a row begun in the grid
    // gets the order and today's date.
    void saveTransactionWritesTheLinesAndShowsTheSubtotals() {
        OrdersFixture f;
        f.typeInCell(f.rowOfLine(2), "UnitsOrdered", "3");
        f.typeInCell(f.rowOfLine(2), "UnitPrice", "2.5");
        f.click("PushButton8");
        QCOMPARE(f.texts(), QStringList{"01/15/2021 - 1\n  saved."});
        QCOMPARE(f.cell(2, "Subtotal"), QStringLiteral("7.5"));

        f.typeInCell(f.rowOfLine(2), "UnitPrice", "");
        f.typeInCell(f.grid()->newRow(), "UnitsOrdered", "6");
        f.click("PushButton8");
        QCOMPARE(f.cell(2, "Subtotal"), QString());
        QCOMPARE(f.scalar("SELECT count(*) FROM [Inventory Transactions] WHERE"
                          " TransactionID = 2 AND UnitPrice IS NULL")
                     .toInt(),
                 1);
        QCOMPARE(f.scalar("SELECT TransactionDate || '/' || PurchaseOrderID || '/' ||"
                          " UnitsOrdered FROM [Inventory Transactions] WHERE TransactionID = 4"),
                 QVariant("2022-02-03/1/6"));
    }

    void theLinesExportAsTheGridShowsThem() {
        OrdersFixture f;
        QTemporaryDir dir;
        QStringList suggested;
        QString path;
        GridExport::setPathChooser([&](QWidget*, const QString& name) {
            suggested << name;
            return path;
        });
        const auto exported = [&] {
            QFile file(dir.filePath("lines.csv"));
            if (!file.open(QIODevice::ReadOnly))
                return QList<QStringList>();
            const QByteArray bytes = file.readAll();
            return CsvReader::read(bytes, CsvReader::detect(bytes));
        };
        // Cancelling the file choice writes nothing.
        f.grid()->setFocus();
        QTest::keyClick(f.grid(), Qt::Key_E, Qt::ControlModifier);
        QTRY_COMPARE(suggested, QStringList{"Purchase Orders.csv"});
        QVERIFY(!QFile::exists(dir.filePath("lines.csv")));

        // The columns in view under their captions, the product's name as shown, the date and
        // numbers portable; no row for the empty last row.
        path = dir.filePath("lines.csv");
        QTest::keyClick(f.grid(), Qt::Key_E, Qt::ControlModifier);
        QTRY_COMPARE(exported().size(), 3);
        QCOMPARE(exported().at(0),
                 (QStringList{"Date", "Product", "Units Ordered", "Unit Price", "Subtotal"}));
        QCOMPARE(exported().at(1), (QStringList{"2021-01-15", "Hammer", "3", "2.5", "7.5"}));
        QCOMPARE(exported().at(2), (QStringList{"2021-01-15", "Saw", "4", "", ""}));

        // As shown: the grid's own date form.
        QAction* shown = f.grid()->findChild<QAction*>("exportCsvShownAction");
        QVERIFY(shown && f.grid()->actions().contains(shown));
        shown->trigger();
        QCOMPARE(exported().at(1).at(0), QString("01/15/2021"));
        GridExport::setPathChooser({});
    }

    void deletingALineAsksWithNoAsTheDefault() {
        OrdersFixture f;
        f.grid()->setCurrentIndex(f.grid()->model()->index(f.rowOfLine(2), 3));
        f.click("PushButton1");
        QCOMPARE(f.texts(), QStringList{"Do you really want to delete this transaction record "
                                        "?\nFor: 01/15/2021"});
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.lineRecordset().RecordCount(), 2);
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton1");
        QCOMPARE(f.lineRecordset().RecordCount(), 1);
        QCOMPARE(f.grid()->model()->rowCount(), 2); // the line left, and the new row
        QCOMPARE(f.scalar("SELECT count(*) FROM [Inventory Transactions] WHERE"
                          " TransactionID = 2"),
                 QVariant(0));
    }

    void thePauseWindowClosesItself() {
        orders::PauseWindow pause;
        pause.Form_Load();
        pause.show();
        QTRY_VERIFY(!pause.isVisible());
    }
};

QTEST_MAIN(tst_OrderLines)
#include "tst_orderlines.moc"
