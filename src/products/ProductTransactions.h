#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace quarvel::controls {
class DataControl;
class DataGrid;
} // namespace quarvel::controls

namespace quarvel::shell {
class GridEditor;
class Session;
} // namespace quarvel::shell

namespace quarvel {

class ProductEditor;
class Recordset;

// The "Inventory Transactions" page of the Products window: the current product's rows of
// Inventory Transactions in the grid DataGrid1 over rsTransactions (bar dc1), the three
// transaction buttons, and the product's stock figures Units on Hand and Units on Order, read
// from qryProducts into rsProductTotals (hidden bar dc5) and shown in the editor's boxes
// Text1(3) and Text1(7).
class ProductTransactions : public QObject {
    Q_OBJECT

public:
    // The grid's source text once the window has loaded, without the product's identifier.
    static QString transactionsSource();
    // The stock figures' source text, without the product's identifier.
    static QString totalsSource();

    // Builds the page's controls into the editor's first tab page.
    ProductTransactions(ProductEditor* editor, shell::Session& session);

    void setHighlightMenuPrompt(std::function<void(int)> fn) { m_highlight = std::move(fn); }

    // Public procedures of the window. They have no trap: failures reach the caller.
    // Re-reads the grid for the current product, then the figures.
    void SetCalls(bool blnStart);
    void SetSum();
    // Writes a pending grid edit (asking on a conflict) and re-reads the figures. False when
    // the user took another user's stored values instead of the edit.
    bool SaveTransactions();

    // Before the grid is re-read: a row with edits not yet written (an open cell editor's
    // text included) is written or dropped as the user answers the window's "Product is
    // changed." question. False when the grid refused the editor's text (it has reported
    // that); throws when the write fails. Either way the row keeps its edits and the caller
    // must not go on.
    bool settlePendingRow();

    controls::DataGrid* grid() const { return m_grid; }
    controls::DataControl* dc1() const { return m_dc1; }
    controls::DataControl* dc5() const { return m_dc5; }
    shell::GridEditor* rows() const { return m_rows; }

private:
    void layoutColumns();
    // " - " and the current transaction's description, or "" when it is Null.
    QString descriptionSuffix() const;

    ProductEditor* m_editor;
    QWidget* m_form;
    shell::Session& m_session;
    std::function<void(int)> m_highlight;
    controls::DataGrid* m_grid = nullptr;
    controls::DataControl* m_dc1 = nullptr;
    controls::DataControl* m_dc5 = nullptr;
    shell::GridEditor* m_rows = nullptr;
};

} // namespace quarvel
