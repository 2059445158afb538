#include "OrdersFixture.h"
#include "controls/DataCombo.h"
#include "controls/LinkLabel.h"
#include "reports/Printers.h"

#include <QSignalSpy>

using namespace quarvel;

namespace {

int errorReports(const QList<BoxRecorder::Box>& boxes) {
    return int(std::count_if(boxes.begin(), boxes.end(),
                             [](auto& box) { return !driver::trapLocation(box).isEmpty(); }));
}

} // namespace

class tst_PurchaseOrders : public QObject {
    Q_OBJECT

private slots:
    void createModeAddsOneEmptyOrderAndClearsTheFlag() {
        OrdersFixture f(true);
        QCOMPARE(f.scalar("SELECT count(*) FROM [Purchase Orders]").toInt(), 3);
        QCOMPARE(f.heading() + ' ' + f.id(), QStringLiteral("Purchase Order Number: 0 3"));
        QCOMPARE(f.lineRecordset().RecordCount(), 0);
        QVERIFY(!f.session.blnNewPurchaseOrder);
        QVERIFY(f.boxes.isEmpty());

        // An empty table is reported at load and still takes the new order.
        OrdersFixture empty(true,
                            "DELETE FROM [Inventory Transactions]; DELETE FROM [Purchase Orders]");
        QVERIFY(errorReports(empty.boxes) > 0);
        QCOMPARE(empty.heading(), QStringLiteral("Purchase Order Number: 0"));
        QCOMPARE(empty.scalar("SELECT count(*) FROM [Purchase Orders]").toInt(), 1);
    }

    // Browsing shows the first order with its own lines; the heading follows the number as
    // typed and the order shown.
    void browseModeAndTheHeading() {
        // Order 2 carries the same number as order 1.
        OrdersFixture f(false, "UPDATE [Purchase Orders] SET PurchaseOrderNumber = 1001");
        QCOMPARE(f.heading() + ' ' + f.id(), QStringLiteral("Purchase Order Number: 1001 1"));
        QCOMPARE(f.window->box(0)->text(), QStringLiteral("01/15/2021"));
        QCOMPARE(f.window->supplierCombo()->currentText(), QStringLiteral("Acme"));
        QCOMPARE(f.window->employeeCombo()->currentText(), QStringLiteral("Lee, Ann"));
        QCOMPARE(f.window->shippingMethodCombo()->currentText(), QStringLiteral("Truck"));
        QCOMPARE(f.lineRecordset().RecordCount(), 2);
        QCOMPARE(f.cell(1, "ProductName"), QStringLiteral("Hammer"));
        QCOMPARE(f.cell(1, "Subtotal"), QStringLiteral("7.5"));
        QCOMPARE(f.cell(2, "Subtotal"), QString());
        QSignalSpy reloads(f.grid()->model(), &QAbstractItemModel::modelReset);
        f.click("PushButton7");
        QCOMPARE(f.texts(), QStringList{"Purchase Order Number: 1001\n   saved."});
        QCOMPARE(reloads.count(), 0); // unchanged number: the lines are not re-read

        f.retype(1, "1005");
        QCOMPARE(f.heading(), QStringLiteral("Purchase Order Number: 1005"));
        QVERIFY(reloads.count() > 0);
        f.click("PushButton7");
        QCOMPARE(f.scalar("SELECT PurchaseOrderNumber FROM [Purchase Orders] WHERE"
                          " PurchaseOrderID = 1"),
                 QVariant(1005));

        f.retype(1, "1001");
        f.next();
        QCOMPARE(f.id(), QStringLiteral("2"));
        QCOMPARE(f.lineRecordset().RecordCount(), 0);
    }

    void deletingAnOrderAsksAndNeverTakesItsLines() {
        OrdersFixture f;
        f.click("PushButton3"); // answered with the default, No
        QCOMPARE(f.boxes[0].text, QStringLiteral("Do you really want to delete this Purchase "
                                                 "Order ?\nFor: Purchase Order Number: 1001"));
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.scalar("SELECT count(*) FROM [Purchase Orders]").toInt(), 2);

        f.answerNext(QMessageBox::Yes);
        f.click("PushButton3");
        QCOMPARE(errorReports(f.boxes), 1);
        QVERIFY2(f.boxes.last().text.contains("2 rows of 'Inventory Transactions'"),
                 qPrintable(f.boxes.last().text));
        QCOMPARE(f.scalar("SELECT count(*) FROM [Purchase Orders]").toInt(), 2);
        QCOMPARE(f.scalar("SELECT count(*) FROM [Inventory Transactions]").toInt(), 3);
        QCOMPARE(f.id(), QStringLiteral("1"));

        f.next(); // order 2 has no lines: it goes, and order 1 shows
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton3");
        QCOMPARE(errorReports(f.boxes), 1);
        QCOMPARE(f.scalar("SELECT count(*) FROM [Purchase Orders]").toInt(), 1);
        QCOMPARE(f.id(), QStringLiteral("1"));

        // The last order, once its lines are gone: deleted, with no failure reported after.
        f.db.exec("DELETE FROM [Inventory Transactions]");
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton3");
        QCOMPARE(errorReports(f.boxes), 1);
        QCOMPARE(f.scalar("SELECT count(*) FROM [Purchase Orders]").toInt(), 0);
    }

    // Nothing typed: no question. Yes writes; a write that fails claims no "saved." and
    // keeps the window open.
    void saveAndCloseWriteOrStayOpenWhenTheWriteFails() {
        OrdersFixture f;
        QVERIFY(f.window->close());
        QVERIFY(f.boxes.isEmpty());

        OrdersFixture yes;
        yes.retype(3, "02/20/2021");
        QVERIFY(yes.window->close()); // answered with the default, Yes
        QCOMPARE(yes.texts(), QStringList{"  Purchase Order is changed.\nDo you want to save "
                                          "your changes for \nPurchase Order Number: 1001\n "
                                          "(choose Yes or No)."});
        QCOMPARE(yes.boxes[0].defaultButton, QMessageBox::Yes);
        QCOMPARE(yes.scalar("SELECT DateRequired FROM [Purchase Orders] WHERE"
                            " PurchaseOrderID = 1"),
                 QVariant("2021-02-20"));

        OrdersFixture failing;
        failing.retype(2, "13/45/2021");
        failing.click("PushButton7");
        QCOMPARE(failing.boxes.size(), 1);
        QVERIFY(failing.boxes[0].text.contains("Form8.PushButton7_Click at line 102"));
        QVERIFY(!failing.window->close());
        QCOMPARE(errorReports(failing.boxes), 2);
        QVERIFY(failing.window->isVisible());
    }

    void aSupplierAddedThroughTheLinkIsSelectableAtOnce() {
        OrdersFixture f;
        int opened = 0;
        WindowTable::registerWindow(quarvel::shell::WindowId::Form5, [&](QWidget*) {
            ++opened;
            f.db.exec("INSERT INTO Suppliers (SupplierName) VALUES ('Zenith Tools')");
        });
        QCOMPARE(f.window->supplierCombo()->findText("Zenith Tools"), -1);
        auto* link = f.window->findChild<controls::LinkLabel*>("Label2(0)");
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened, 1);
        QVERIFY(f.window->supplierCombo()->findText("Zenith Tools") >= 0);
        QVERIFY(f.boxes.isEmpty());
    }

    void previewPrintsTheStoredOrderAndNothingWhenItCannotBeStored() {
        OrdersFixture f;
        int shows = 0;
        QList<QVariantList> printed;
        reports::setReportShowHook([&](const reports::ReportDefinition&,
                                       const reports::ReportData& data, QPageLayout::Orientation) {
            ++shows;
            for (int row = 0; row < data.child().rowCount(); ++row)
                printed << QVariantList{data.master().value(0, "PurchaseOrderID"),
                                        data.child().value(row, "ProductName"),
                                        data.child().value(row, "Subtotal")};
        });
        f.click("PushButton6");
        QCOMPARE(f.scalar("SELECT PurchaseOrderID FROM [My Company Information]"), QVariant(1));
        QCOMPARE(shows, 1);
        QCOMPARE(printed.size(), 2);
        QCOMPARE(printed[0], (QVariantList{1, "Hammer", 7.5}));
        QCOMPARE(printed[1][1], QVariant("Saw"));

        // Order 2 cannot be stored in the company row: order 1 must not be printed for it.
        if (f.db.isPostgres())
            f.db.execNative("CREATE FUNCTION keep() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN"
                            " RAISE 'The company row is locked'; END $$; CREATE TRIGGER keep"
                            " BEFORE UPDATE ON \"My Company Information\" FOR EACH ROW"
                            " EXECUTE FUNCTION keep()");
        else
            f.db.exec("CREATE TRIGGER keep BEFORE UPDATE ON [My Company Information]"
                      " BEGIN SELECT RAISE(ABORT, 'The company row is locked'); END");
        f.next();
        f.click("PushButton6");
        QCOMPARE(errorReports(f.boxes), 1);
        QCOMPARE(shows, 1);
        reports::setReportShowHook({});
    }
};

QTEST_MAIN(tst_PurchaseOrders)
#include "tst_purchaseorders.moc"
