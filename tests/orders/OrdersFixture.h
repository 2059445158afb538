#pragma once

// A Purchase Orders window over a temporary database, with every message box recorded and
// answered from a queue, and the pause window replaced by a counter.

#include "BoxRecorder.h"
#include "TempDatabase.h"
#include "controls/BoundTextBox.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "data/Recordset.h"
#include "orders/OrderLines.h"
#include "orders/PurchaseOrdersWindow.h"
#include "shell/Globals.h"
#include "shell/WindowTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

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
    explicit OrdersFixture(bool newOrder = false,
                           const std::function<void(const TempDatabase&)>& prepare = {}) {
        fillOrders(db);
        if (prepare)
            prepare(db);
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        QLocale::setDefault(QLocale::c());
        quarvel::setTodayForTesting(QDate(2022, 2, 3));
        WindowTable::registerWindow("Form9", [this](QWidget*) { ++pauses; });
        quarvel::blnNewPurchaseOrder = newOrder;
        window = std::make_unique<PurchaseOrdersWindow>(m_programFolder.path());
        window->Form_Load();
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the Purchase Orders window did not become active");
    }

    ~OrdersFixture() {
        clearAnswers();
        window.reset();
        WindowTable::clear();
        quarvel::setTodayForTesting(QDate());
    }

    quarvel::orders::OrderLines* lines() const { return window->lines(); }
    quarvel::controls::DataGrid* grid() const { return lines()->grid(); }
    quarvel::Recordset& lineRecordset() const { return *lines()->lines(); }
    QString heading() const { return window->heading()->text(); }
    void click(const char* name) const {
        auto* button = window->findChild<QAbstractButton*>(name);
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void next() const { QTest::mouseClick(window->dc()->nextButton(), Qt::LeftButton); }
    void retype(int index, const QString& text) const {
        auto* box = window->box(index);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QVariant scalar(const QString& sql) const { return db.scalar(sql); }
    int rowOfLine(int transactionId) const {
        const int column = lineRecordset().fieldIndex("TransactionID");
        for (int row = 0; row < lineRecordset().RecordCount(); ++row)
            if (lineRecordset().value(row, column).toInt() == transactionId)
                return row;
        return -1;
    }
    QString cell(int row, const char* field) const {
        return grid()->model()->index(row, grid()->columnOf(field)).data().toString();
    }
    // Types into a cell as a user does: the cell made current, F2, the text, Enter.
    void typeInCell(int row, const char* field, const QString& text) const {
        grid()->setFocus();
        grid()->setCurrentIndex(grid()->model()->index(row, grid()->columnOf(field)));
        QTest::keyClick(grid(), Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), grid());
    }
    // Opens the Product cell's list of a row and clicks `product` in it.
    void chooseProduct(int row, const QString& product) const {
        grid()->setFocus();
        grid()->setCurrentIndex(grid()->model()->index(row, grid()->columnOf("ProductName")));
        QTest::keyClick(grid(), Qt::Key_F2);
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        QVERIFY(list);
        list->showPopup();
        QAbstractItemView* view = list->view();
        const QModelIndex entry = view->model()->index(list->findText(product), 0);
        QVERIFY(entry.isValid());
        view->scrollTo(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    }

    TempDatabase db;
    std::unique_ptr<PurchaseOrdersWindow> window;
    int pauses = 0;

private:
    QTemporaryDir m_programFolder;
};
