#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

class QLineEdit;
class QWidget;

namespace quarvel::controls {
class DataControl;
class DataGrid;
} // namespace quarvel::controls

namespace quarvel {
class Recordset;
}

namespace quarvel::shell {
class GridEditor;
}

namespace quarvel::orders {

// The lower half of the Purchase Orders window: the lines of the order on show (rows of
// Inventory Transactions carrying its PurchaseOrderID) in the grid DataGrid1 over the line
// recordset (bar dc1, "Products Ordered"), the product list of the Product column (the grid's
// list editor, dcbProductID, over the hidden bar dc7 with every product by name) and the three
// line buttons. The controls are made in `frame`; `orders` is the window's order recordset
// variable and `orderDate` its Order Date box.
class OrderLines : public QObject {
    Q_OBJECT

public:
    // The grid's source text, without the order's identifier.
    static QString linesSource();
    // The product list's source text.
    static QString productsSource();

    OrderLines(QWidget* form, QWidget* frame, const std::shared_ptr<Recordset>& orders,
               const QLineEdit* orderDate);

    // Public procedures of the window. They have no trap: failures reach the caller.
    // Re-reads the lines of the order on show (a line with edits not yet written is written
    // first; when that fails nothing is re-read).
    void SetCalls(bool blnStart);
    // Writes the current line's pending edits; false when the user took another user's
    // stored values instead (the row was changed meanwhile).
    bool SaveTransactions();
    // Hands an open cell editor's text to the line and writes the line's pending edits; false
    // when the grid refused the text (it has said so). Throws when the write fails.
    bool settlePendingRow();

    // A product was chosen in the Product column's list for the current line (untrapped).
    void dcbProductID_Change();

    // Lays the grid's columns out and gives the Product column its list (after each binding).
    void layoutColumns();

    controls::DataGrid* grid() const { return m_grid; }
    controls::DataControl* dc1() const { return m_dc1; }
    controls::DataControl* dc7() const { return m_dc7; }
    std::shared_ptr<Recordset>& lines() { return m_lines; }
    std::shared_ptr<Recordset>& productList() { return m_products; }
    shell::GridEditor* rows() const { return m_rows; }

private:
    Recordset& lineRecordset() const;
    // The identifier of the order on show (Null without a current order).
    QVariant currentOrderId() const;

    QWidget* m_form;
    const std::shared_ptr<Recordset>& m_orders;
    const QLineEdit* m_orderDate;
    std::shared_ptr<Recordset> m_lines;
    std::shared_ptr<Recordset> m_products;
    controls::DataGrid* m_grid = nullptr;
    controls::DataControl* m_dc1 = nullptr;
    controls::DataControl* m_dc7 = nullptr;
    shell::GridEditor* m_rows = nullptr;
};

} // namespace quarvel::orders
