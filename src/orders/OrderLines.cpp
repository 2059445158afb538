#include "orders/OrderLines.h"

#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/RecordsetModel.h"
#include "controls/ValueFormat.h"
#include "data/ConnectionString.h"
#include "data/DatabaseError.h"
#include "data/FieldValue.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "platform/UpdateFreeze.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/GridEditor.h"
#include "shell/Trap.h"
#include "shell/WindowTable.h"

#include <QLineEdit>
#include <QPushButton>

namespace quarvel::orders {

using namespace shell::form;

namespace {

const QString formName = QStringLiteral("Form8");
const QString productColumn = QStringLiteral("ProductName");

constexpr int buttonWidth = 2550;
constexpr int buttonHeight = 420;

} // namespace

QString OrderLines::linesSource() {
    return QStringLiteral(
        "SELECT [Inventory Transactions].TransactionID,[Inventory "
        "Transactions].PurchaseOrderID,[Inventory Transactions].ProductID, [Inventory "
        "Transactions].TransactionDate, Products.ProductName, [Inventory "
        "Transactions].UnitsOrdered, [Inventory Transactions].UnitPrice, [Inventory "
        "Transactions].[UnitsOrdered]*[Inventory Transactions].[UnitPrice] AS Subtotal FROM "
        "Products RIGHT JOIN [Inventory Transactions] ON Products.ProductID = [Inventory "
        "Transactions].ProductID Where PurchaseOrderID=");
}

QString OrderLines::productsSource() {
    return QStringLiteral("SELECT DISTINCTROW ProductID,ProductName FROM Products ORDER BY "
                          "Products.ProductName;");
}

OrderLines::OrderLines(QWidget* form, QWidget* frame, const std::shared_ptr<Recordset>& orders,
                       const QLineEdit* orderDate)
    : QObject(form), m_form(form), m_orders(orders), m_orderDate(orderDate) {
    m_grid = control<controls::DataGrid>(frame, QStringLiteral("DataGrid1"), 60, 60, 10335, 2880);
    m_grid->setAccessibleName(tr("Products Ordered"));
    m_dc1 = control<controls::DataControl>(frame, QStringLiteral("dc1"), 60, 3000, 10335, 360);
    m_dc1->setCaption(tr("Products Ordered"));
    m_grid->setDataControl(m_dc1);
    m_dc7 = control<controls::DataControl>(form, QStringLiteral("dc7"));
    m_dc7->hide();

    const auto makeButton = [&](const QString& name, const QString& caption, int column) {
        return button(frame, name, caption, 60 + column * (buttonWidth + 120), 3450, buttonWidth,
                      buttonHeight);
    };
    QPushButton* add = makeButton(QStringLiteral("PushButton2"), tr("Add New Transaction"), 0);
    QPushButton* save = makeButton(QStringLiteral("PushButton8"), tr("Save Transaction"), 1);
    QPushButton* remove =
        makeButton(QStringLiteral("PushButton1"), tr("Delete Current Transaction"), 2);

    const auto orderId = [this] {
        return currentOrderId();
    };
    shell::GridEditor::Declaration declaration;
    declaration.object = formName;
    declaration.source = linesSource();
    declaration.parentKey = orderId;
    // An added line is dated with the order's date as the window shows it.
    declaration.addedRow = {{QStringLiteral("TransactionDate"),
                             [this] {
                                 const QString orderDate = m_orderDate->text().trimmed();
                                 if (orderDate.isEmpty())
                                     throw DatabaseError(
                                         tr("The order has no Order Date: the line is added "
                                            "without a date."));
                                 return QVariant(orderDate);
                             }},
                            {QStringLiteral("PurchaseOrderID"), orderId}};
    declaration.gridRow = {{QStringLiteral("PurchaseOrderID"), orderId},
                           {QStringLiteral("TransactionDate"), [] {
                                return QVariant(today());
                            }}};
    declaration.layoutColumns = [this] {
        layoutColumns();
    };
    declaration.reReadAfterSave = true;
    declaration.savedSuffix = [this] {
        const QVariant order =
            recordsetOf(m_dc1->recordset()).Fields(QStringLiteral("PurchaseOrderID"));
        return order.isNull() ? QString() : QStringLiteral(" - ") + order.toString();
    };
    m_rows = new shell::GridEditor(m_form, m_grid, m_dc1, m_lines, std::move(declaration));
    m_rows->setButtons(add, save, remove);

    connect(m_grid, &controls::DataGrid::listChosen, this, [this](int column) {
        if (column == m_grid->columnOf(productColumn))
            shell::catchAndReport(m_form, [this] { dcbProductID_Change(); });
    });
}

Recordset& OrderLines::lineRecordset() const {
    return recordsetOf(m_dc1->recordset());
}

QVariant OrderLines::currentOrderId() const {
    const Recordset& orders = recordsetOf(m_orders);
    if (orders.isBOF() || orders.isEOF() || orders.AbsolutePosition() < 0)
        return {};
    return orders.Fields(QStringLiteral("PurchaseOrderID"));
}

void OrderLines::layoutColumns() {
    m_grid->setColumnHidden(QStringLiteral("PurchaseOrderID"), true);
    m_grid->setColumnHidden(QStringLiteral("ProductID"), true);
    m_grid->setColumnHidden(QStringLiteral("TransactionID"), true);
    m_grid->setColumnWidthTwips(QStringLiteral("TransactionDate"), 1500);
    m_grid->recordsetModel()->setDateFormat(controls::ValueFormat::shortDateFormat());
    m_grid->setColumnCaption(QStringLiteral("TransactionDate"), tr("Date"));
    m_grid->setColumnWidthTwips(productColumn, 3000);
    m_grid->setColumnLocked(productColumn, true);
    m_grid->setColumnCaption(productColumn, tr("Product"));
    // The product list (dcbProductID): the names of dc7 shown, the ProductID written.
    m_grid->setColumnList(productColumn, m_products.get(), productColumn,
                          QStringLiteral("ProductID"), QStringLiteral("ProductID"),
                          QStringLiteral("dcbProductID"));
    m_grid->setColumnWidthTwips(QStringLiteral("UnitsOrdered"), 1500);
    m_grid->setColumnCaption(QStringLiteral("UnitsOrdered"), tr("Units Ordered"));
    m_grid->setColumnWidthTwips(QStringLiteral("UnitPrice"), 1500);
    m_grid->setColumnCaption(QStringLiteral("UnitPrice"), tr("Unit Price"));
    m_grid->setColumnWidthTwips(QStringLiteral("Subtotal"), 1500);
    m_grid->setColumnLocked(QStringLiteral("Subtotal"), true);
    m_grid->setColumnCaption(QStringLiteral("Subtotal"), tr("Subtotal"));
}

void OrderLines::SetCalls(bool /*blnStart*/) {
    m_rows->reload();
}

bool OrderLines::SaveTransactions() {
    return m_rows->save();
}

bool OrderLines::settlePendingRow() {
    return m_rows->settlePendingRow();
}

void OrderLines::dcbProductID_Change() {
    if (m_grid->model()->columnCount() < 3)
        return; // not bound yet
    Recordset& lines = lineRecordset();
    if (lines.AbsolutePosition() < 0)
        return;
    // The list has written the chosen product into the line; the stored one is the line's
    // product before the choice.
    const int column = lines.fieldIndex(QStringLiteral("ProductID"));
    const QVariant chosen = lines.Fields(column);
    if (chosen.toLongLong() == 0)
        return;
    if (lines.EditMode() != Recordset::adEditAdd &&
        FieldValue::same(lines.OriginalValue(column), chosen))
        return;
    const platform::UpdateFreeze freeze(m_form);
    SaveTransactions();
    shell::WindowTable::openWindow(shell::WindowId::Form9, m_form);
    SaveTransactions();
    const QVariant id = lineRecordset().Fields(QStringLiteral("TransactionID"));
    const int row = lineRecordset().AbsolutePosition();
    SetCalls(false);
    m_rows->showRow(id, row);
    m_grid->setCurrentColumn(m_grid->columnOf(productColumn));
    m_grid->setFocus(Qt::OtherFocusReason);
}

} // namespace quarvel::orders
