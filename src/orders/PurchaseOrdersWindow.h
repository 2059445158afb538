#pragma once

#include "shell/FormWindow.h"

#include <QString>
#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {
class BoundTextArea;
class BoundTextBox;
class DataCombo;
class DataControl;
class LinkLabel;
} // namespace quarvel::controls

namespace quarvel::shell {
class RecordEditor;
class Session;
} // namespace quarvel::shell

namespace quarvel::orders {

class OrderLines;

// Form8 "Purchase Orders": one order of Purchase Orders at a time (bar dc), its header in
// bound boxes and three data combos (supplier, employee, shipping method, each over a hidden
// list bar), its lines below (OrderLines), the order buttons and "Preview Order", which prints
// the order through the company row's PurchaseOrderID. Opened with blnNewPurchaseOrder set,
// it starts a new order at once and clears the flag.
class PurchaseOrdersWindow : public shell::FormWindow {
    Q_OBJECT

public:
    // The purchase order current in the window, for its history (Ctrl+H).
    Recordset* historyRecordset() const override { return m_orders.get(); }
    explicit PurchaseOrdersWindow(shell::Session& session, const QString& programFolder = QString(),
                                  QWidget* parent = nullptr);
    ~PurchaseOrdersWindow() override;

    void Form_Load() override;

    // Public procedures of the window. They have no trap: failures reach the caller.
    void SetFullName();
    void SetCalls(bool blnStart);
    void SaveTransactions();
    void ShowForm5();
    void ShowForm6();

    // "Preview Order" (trapped) and the untrapped "Add" links; the order's own buttons are the
    // record editor's.
    void PushButton6_Click();
    void Label2_Click(int index);

    // The heading's text for an order numbered `number`.
    static QString headingFor(const QString& number);

    OrderLines* lines() const { return m_lines; }
    QLabel* heading() const { return m_heading; }
    QLabel* idLabel() const { return m_id; }
    // Text1(index): 0 Order Date, 1 PO Number, 2 Ship Date, 3 Date Required, 5 Date Promised.
    controls::BoundTextBox* box(int index) const;
    controls::BoundTextArea* descriptionBox() const { return m_description; }
    controls::DataCombo* supplierCombo() const { return m_supplier; }
    controls::DataCombo* employeeCombo() const { return m_employee; }
    controls::DataCombo* shippingMethodCombo() const { return m_shippingMethod; }
    controls::DataControl* dc() const { return m_dc; }
    Recordset* orders() const { return m_orders.get(); }

protected:
    bool queryUnload() override;

private:
    shell::Session& m_session;
    void buildHeader();
    void buildButtons();
    void connectHandlers();
    void setReadingTabOrder();
    // The record editor over the orders, with the lines as its rows.
    void declareRecord();
    // Writes the order's identifier into the company row; throws on failure.
    void storeOrderToPrint();

    std::shared_ptr<Recordset> m_orders;
    std::shared_ptr<Recordset> m_suppliers;
    std::shared_ptr<Recordset> m_employees;
    std::shared_ptr<Recordset> m_shippingMethods;

    QLabel* m_heading = nullptr;
    QLabel* m_id = nullptr;
    std::array<controls::BoundTextBox*, 6> m_boxes{};
    controls::BoundTextArea* m_description = nullptr;
    controls::DataCombo* m_supplier = nullptr;
    controls::DataCombo* m_employee = nullptr;
    controls::DataCombo* m_shippingMethod = nullptr;
    std::array<controls::LinkLabel*, 2> m_addLinks{};
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_preview = nullptr;
    controls::DataControl* m_dc = nullptr;
    controls::DataControl* m_dc2 = nullptr;
    controls::DataControl* m_dc5 = nullptr;
    controls::DataControl* m_dc6 = nullptr;
    OrderLines* m_lines = nullptr;
    shell::RecordEditor* m_record = nullptr;
};

} // namespace quarvel::orders
