#pragma once

// A Purchase Orders window over a temporary database, with every message box recorded and
// answered from a queue, and the pause window replaced by a counter.

#include "../reference/WindowDriver.h"
#include "controls/BoundTextBox.h"
#include "data/Recordset.h"
#include "orders/OrderLines.h"
#include "orders/PurchaseOrdersWindow.h"
#include "shell/Globals.h"
#include "shell/WindowTable.h"

#include <QComboBox>
#include <QLocale>
#include <QTemporaryDir>

using quarvel::orders::PurchaseOrdersWindow;
using quarvel::shell::WindowTable;

// Products Brush (3), Hammer (1), Saw (2); order 1 (number 1001, dated 01/15/2021) with a
// line of 3 Hammers at 2.5 and one of 4 Saws without a price; order 2 (number 1002) without
// lines; and a Hammer sale that belongs to no order.
inline void fillOrders(const TempDatabase& db) {
    db.exec("INSERT INTO Products (ProductName) VALUES ('Hammer'), ('Saw'), ('Brush');"
            "INSERT INTO Suppliers (SupplierName) VALUES ('Acme');"
            "INSERT INTO Employees (FirstName, LastName) VALUES ('Ann', 'Lee');"
            "INSERT INTO [Shipping Methods] (ShippingMethod) VALUES ('Truck');"
            "INSERT INTO [Purchase Orders] (PurchaseOrderNumber, SupplierID, EmployeeID,"
            " ShippingMethodID, OrderDate) VALUES (1001, 1, 1, 1, '2021-01-15'), (1002, 1, 1,"
            " 1, '2021-02-01');"
            "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, TransactionDate,"
            " UnitsOrdered, UnitPrice, UnitsSold) VALUES (1, 1, '2021-01-15', 3, 2.5, NULL),"
            " (2, 1, '2021-01-15', 4, NULL, NULL), (1, NULL, '2021-03-01', NULL, NULL, 1);");
}

class OrdersFixture : public BoxRecorder {
public:
    explicit OrdersFixture(bool newOrder = false, const QString& sql = QString()) {
        fillOrders(db);
        if (!sql.isEmpty())
            db.exec(sql);
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        QLocale::setDefault(QLocale::c());
        quarvel::setTodayForTesting(QDate(2022, 2, 3));
        WindowTable::registerWindow(quarvel::shell::WindowId::Form9,
                                    [this](QWidget*) { ++pauses; });
        session.blnNewPurchaseOrder = newOrder;
        window = std::make_unique<PurchaseOrdersWindow>(session, m_programFolder.path());
        window->Form_Load();
        if (!driver::show(*window))
            qWarning("the Purchase Orders window did not become active");
    }

    ~OrdersFixture() {
        clearAnswers();
        window.reset();
        WindowTable::clear();
        quarvel::setTodayForTesting(QDate());
    }

    quarvel::controls::DataGrid* grid() const { return window->lines()->grid(); }
    quarvel::Recordset& lineRecordset() const { return *window->lines()->lines(); }
    QString heading() const { return window->heading()->text(); }
    QString id() const { return window->idLabel()->text(); }
    void click(const char* name) const { driver::click(*window, name); }
    void next() const { driver::click(window->dc()->nextButton()); }
    void retype(int index, const QString& text) const { driver::retype(window->box(index), text); }
    QVariant scalar(const QString& sql) const { return db.scalar(sql); }
    int rowOfLine(int transactionId) const {
        return driver::rowOf(lineRecordset(), "TransactionID", transactionId);
    }
    // What line `transactionId` shows in column `field`.
    QString cell(int transactionId, const char* field) const {
        return driver::cellText(grid(), rowOfLine(transactionId), field);
    }
    void typeInCell(int row, const char* field, const QString& text) const {
        driver::typeInCell(grid(), row, field, text);
    }
    // Opens the Product cell's list of a row and clicks `product` in it.
    void chooseProduct(int row, const QString& product) const {
        grid()->setFocus();
        grid()->setCurrentIndex(grid()->model()->index(row, grid()->columnOf("ProductName")));
        QTest::keyClick(grid(), Qt::Key_F2);
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        QVERIFY(list);
        QCOMPARE(list->objectName(), QStringLiteral("dcbProductID"));
        QCOMPARE(list->accessibleName(), QStringLiteral("Product"));
        list->showPopup();
        QAbstractItemView* view = list->view();
        const QModelIndex entry = view->model()->index(list->findText(product), 0);
        QVERIFY(entry.isValid());
        view->scrollTo(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    }

    TempDatabase db;
    quarvel::shell::Session session;
    std::unique_ptr<PurchaseOrdersWindow> window;
    int pauses = 0;

private:
    QTemporaryDir m_programFolder;
};
