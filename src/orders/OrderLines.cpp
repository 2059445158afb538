#include "orders/OrderLines.h"

#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/RecordsetModel.h"
#include "controls/SaveConflict.h"
#include "controls/ValueFormat.h"
#include "data/ConnectionString.h"
#include "data/DatabaseError.h"
#include "data/FieldValue.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "platform/MessageBox.h"
#include "platform/UpdateFreeze.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/ReopenRecordset.h"
#include "shell/Trap.h"
#include "shell/WindowTable.h"

#include <QLineEdit>
#include <QPushButton>
#include <optional>

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
    m_add = makeButton(QStringLiteral("PushButton2"), tr("Add New Transaction"), 0);
    m_save = makeButton(QStringLiteral("PushButton8"), tr("Save Transaction"), 1);
    m_delete = makeButton(QStringLiteral("PushButton1"), tr("Delete Current Transaction"), 2);

    connect(m_add, &QPushButton::clicked, this,
            shell::guarded(m_form, [this] { PushButton2_Click(); }));
    connect(m_save, &QPushButton::clicked, this,
            shell::guarded(m_form, [this] { PushButton8_Click(); }));
    connect(m_delete, &QPushButton::clicked, this,
            shell::guarded(m_form, [this] { PushButton1_Click(); }));
    connect(m_grid, &controls::DataGrid::newRowBegun, this,
            [this] { shell::catchAndReport(m_form, [this] { DataGrid1_OnAddNew(); }); });
    connect(m_grid, &controls::DataGrid::cellEditBegun, this, [this](int column) {
        shell::catchAndReport(m_form, [this, column] { DataGrid1_BeforeColEdit(column); });
    });
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

QString OrderLines::lineDate() const {
    return lineRecordset()
        .Fields(QStringLiteral("TransactionDate"))
        .toDate()
        .toString(QStringLiteral("MM/dd/yyyy"));
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
    const QVariant id = currentOrderId();
    if (id.isNull())
        return;
    // Re-reading drops what the line recordset holds: a line's edits are written first, and
    // a user who keeps editing after another user's change keeps the lines as they are.
    if (m_lines && !controls::settleBeforeLeaving(m_form, *m_lines))
        return;
    // The grid follows its bar to the new recordset and rebuilds its columns from it.
    shell::reopenRecordset(m_lines, linesSource() + id.toString(),
                           [this] { m_dc1->setRecordset(m_lines.get()); });
    layoutColumns();
}

bool OrderLines::SaveTransactions() {
    Recordset& lines = lineRecordset();
    if (lines.EditMode() == Recordset::adEditNone)
        return true;
    return controls::updateAskingOnConflict(m_form, lines) == controls::SaveOutcome::Written;
}

bool OrderLines::settlePendingRow() {
    if (!m_grid->finishEdit())
        return false;
    Recordset* lines = m_dc1->recordset();
    return !lines || controls::settleBeforeLeaving(m_form, *lines);
}

void OrderLines::showLine(const QVariant& transactionId, int row) {
    Recordset& lines = lineRecordset();
    const int idColumn = lines.fieldIndex(QStringLiteral("TransactionID"));
    for (int i = 0; i < lines.RecordCount(); ++i) {
        if (!transactionId.isNull() && FieldValue::same(lines.value(i, idColumn), transactionId)) {
            row = i;
            break;
        }
    }
    if (row >= 0 && row < lines.RecordCount())
        lines.MoveTo(row);
}

void OrderLines::PushButton2_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton2_Click"), 100, m_form);
    trap(102, [&] { lineRecordset().AddNew(); });
    trap(104, [&] {
        // The line is dated with the order's date as the window shows it.
        const QString orderDate = m_orderDate->text().trimmed();
        if (orderDate.isEmpty())
            throw DatabaseError(tr("The order has no Order Date: the line is added without "
                                   "a date."));
        lineRecordset().setField(QStringLiteral("TransactionDate"), orderDate);
    });
    trap(106,
         [&] { lineRecordset().setField(QStringLiteral("PurchaseOrderID"), currentOrderId()); });
    trap(108, [&] { lineRecordset().Update(); });
}

void OrderLines::PushButton8_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton8_Click"), 100, m_form);
    QString suffix;
    trap(102, [&] {
        const QVariant order = lineRecordset().Fields(QStringLiteral("PurchaseOrderID"));
        if (!order.isNull())
            suffix = QStringLiteral(" - ") + order.toString();
    });
    // Drawing stays suspended from the first suspension to the end, message box aside.
    std::optional<platform::UpdateFreeze> first;
    std::optional<platform::UpdateFreeze> second;
    trap(104, [&] { first.emplace(m_form); });
    bool kept = true; // false when the user took another user's stored values instead
    const bool written = trap(106, [&] { kept = SaveTransactions(); });
    // The note reports the write: it is shown only when the line was written.
    if (written && kept) {
        trap(108, [&] {
            platform::msgBox(m_form, lineDate() + suffix + tr("\r\n  saved."),
                             platform::msgstyle::okOnly);
        });
    }
    // A line the first save could not write is neither tried again nor re-read: one failure,
    // one report, and the typed values stay in the grid.
    if (written) {
        trap(110, [&] { second.emplace(m_form); });
        trap(112, [&] { SaveTransactions(); });
        QVariant id;
        int row = -1;
        trap(114, [&] {
            id = lineRecordset().Fields(QStringLiteral("TransactionID"));
            row = lineRecordset().AbsolutePosition();
        });
        trap(116, [&] { SetCalls(false); });
        trap(118, [&] { showLine(id, row); });
    }
    trap(120, [&] { m_grid->setFocus(Qt::OtherFocusReason); });
    trap(122, [&] {
        second.reset();
        first.reset();
    });
}

void OrderLines::PushButton1_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton1_Click"), 100, m_form);
    QMessageBox::StandardButton answer = QMessageBox::No;
    trap(102, [&] {
        answer = platform::msgBox(
            m_form,
            tr("Do you really want to delete this transaction record ?\r\nFor: ") + lineDate(),
            platform::msgstyle::yesNoDefaultNo, tr("Question"));
    });
    if (answer == QMessageBox::Yes)
        trap(104, [&] { lineRecordset().Delete(); });
}

void OrderLines::DataGrid1_OnAddNew() {
    Recordset& lines = lineRecordset();
    lines.setField(QStringLiteral("PurchaseOrderID"), currentOrderId());
    lines.setField(QStringLiteral("TransactionDate"), today());
}

void OrderLines::DataGrid1_BeforeColEdit(int /*column*/) {
    if (Recordset* lines = m_dc1->recordset())
        controls::settleBeforeLeaving(m_form, *lines);
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
    showLine(id, row);
    m_grid->setCurrentColumn(m_grid->columnOf(productColumn));
    m_grid->setFocus(Qt::OtherFocusReason);
}

} // namespace quarvel::orders
