#include "reorder/ReorderWindow.h"

#include "controls/ErrorReport.h"
#include "controls/GridExport.h"
#include "data/Backend.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "reorder/DraftOrders.h"
#include "reorder/ReorderList.h"
#include "reorder/ReorderModel.h"
#include "reorder/ReorderReport.h"
#include "reorder/SupplierDelegate.h"
#include "reports/Printers.h"
#include "shell/ChangeFeed.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/Session.h"
#include "shell/Trap.h"
#include "shell/WindowTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace quarvel::reorder {

using namespace shell::form;

ReorderWindow::ReorderWindow(shell::Session& session, const QString& programFolder, QWidget* parent)
    : FormWindow({QStringLiteral("ReorderStock"), tr("Reorder Stock"), 13440, 7680}, programFolder,
                 parent),
      m_session(session) {
    m_summary = label(this, QStringLiteral("Label1"), QString(), 120, 120, 13200, 285);
    m_summary->setWordWrap(true);

    m_model = new ReorderModel(this);
    m_suppliers = new SupplierDelegate(this);
    m_grid = control<QTableView>(this, QStringLiteral("grdReorder"), 120, 480, 13200, 6480);
    controls::GridExport::install(m_grid);
    m_grid->setAccessibleName(tr("Products to Reorder"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegateForColumn(ReorderModel::Supplier, m_suppliers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setTabKeyNavigation(false);
    m_grid->verticalHeader()->hide();
    const int widths[] = {720, 2880, 2160, 960, 960, 1200, 1080, 1320, 960, 960};
    for (int column = 0; column < ReorderModel::ColumnCount; ++column)
        m_grid->setColumnWidth(column,
                               platform::Twips::toPixels(widths[column], Qt::Horizontal, m_grid));

    m_create = button(this, QStringLiteral("PushButton1"), tr("Create Purchase Orders"), 120, 7080,
                      2880, 420);
    m_preview =
        button(this, QStringLiteral("PushButton2"), tr("Preview List"), 3120, 7080, 2160, 420);
    m_close = button(this, QStringLiteral("PushButton3"), tr("Close"), 11160, 7080, 2160, 420);

    connect(m_create, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton1_Click(); }));
    connect(m_preview, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton2_Click(); }));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_model, &ReorderModel::dataChanged, this, [this] {
        m_changed = m_changed || !m_following;
        showSummary();
    });
    if (shell::ChangeFeed* feed = shell::ChangeFeed::instance())
        connect(feed, &shell::ChangeFeed::rowChanged, this,
                [this](const QString& table, const QVariant& key) {
                    try {
                        followChange(table, key);
                    } catch (const std::exception& e) {
                        qWarning("The list could not follow a change: %s", e.what());
                    }
                    m_following = false;
                });
    connect(m_model, &ReorderModel::refused, this,
            [this](const QString& message) { controls::reportFailure(this, message); });
}

void ReorderWindow::Form_Load() {
    shell::Trap trap(objectName(), QStringLiteral("Form_Load"), 102, this);
    const int line = loadLook(trap, 104);
    trap(line, [&] { readList(); });
}

void ReorderWindow::readList() {
    const auto connection = OpenConnection();
    m_connection = connection;
    QHash<qint64, QString> suppliers;
    Recordset names;
    names.Open(QStringLiteral("SELECT SupplierID, SupplierName FROM Suppliers"), connection);
    for (int row = 0; row < names.RecordCount(); ++row)
        suppliers.insert(names.value(row, 0).toLongLong(), names.value(row, 1).toString());
    names.Close();
    m_suppliers->setSuppliers(suppliers);
    m_model->setSuggestions(readSuggestions(connection, today()), suppliers);
    m_changed = false;
    showSummary();
}

void ReorderWindow::followChange(const QString& table, const QVariant& key) {
    // A product's own change touches its row; a transaction's may touch any listed product's
    // figures (the transaction may have left one product for another, or be gone).
    QStringList ids;
    if (table.compare(u"Products", Qt::CaseInsensitive) == 0)
        ids << QString::number(key.toLongLong());
    else if (table.compare(u"Inventory Transactions", Qt::CaseInsensitive) == 0)
        for (const Suggestion& s : m_model->suggestions())
            ids << QString::number(s.productId);
    if (ids.isEmpty() || !m_connection)
        return;
    m_following = true;
    constexpr qsizetype batch = 500;
    for (qsizetype from = 0; from < ids.size(); from += batch) {
        const auto rows = m_connection->query(
            QStringLiteral("SELECT ProductID, ProductName, UnitsOnHand, UnitsOnOrder, "
                           "ReorderLevel FROM qryProducts WHERE ProductID IN (") +
            ids.mid(from, batch).join(u',') + u')');
        while (rows->next())
            m_model->setFigures(rows->value(0).toLongLong(), rows->value(1).toString(),
                                rows->value(2).toDouble(), rows->value(3).toDouble(),
                                rows->value(4).toDouble());
    }
}

void ReorderWindow::showSummary() {
    int ticked = 0;
    int withoutSupplier = 0;
    for (const Suggestion& s : m_model->suggestions()) {
        if (!s.ticked)
            continue;
        ++ticked;
        if (s.supplierId.isNull())
            ++withoutSupplier;
    }
    QString text = tr("Products to reorder: %1, of them ticked: %2.")
                       .arg(m_model->suggestions().size())
                       .arg(ticked);
    if (withoutSupplier > 0)
        text += QLatin1Char(' ') + tr("Ticked without a supplier yet: %1 (choose one in the row, "
                                      "or they are left out).")
                                       .arg(withoutSupplier);
    m_summary->setText(text);
    m_create->setEnabled(ticked > withoutSupplier);
}

void ReorderWindow::PushButton1_Click() {
    shell::Trap trap(objectName(), QStringLiteral("PushButton1_Click"), 100, this);
    DraftResult made;
    if (!trap(102, [&] { made = createOrders(OpenConnection(), m_model->suggestions(), today()); }))
        return;
    // The list shows what is still to order: the units just ordered are on order now.
    trap(104, [&] { readList(); });
    if (made.orders.isEmpty())
        return;
    QMessageBox::StandardButton answer = QMessageBox::No;
    trap(106, [&] {
        answer = platform::msgBox(this,
                                  tr("Purchase orders made: %1, with lines: %2.")
                                          .arg(made.orders.size())
                                          .arg(made.lines) +
                                      QStringLiteral("\r\n") +
                                      tr("Show the first of them in Purchase Orders?"),
                                  platform::msgstyle::yesNo, tr("Reorder Stock"));
    });
    if (answer != QMessageBox::Yes)
        return;
    trap(108, [&] {
        m_session.purchaseOrderToShow = made.orders.first();
        shell::WindowTable::openWindow(shell::WindowId::Form8, this);
    });
}

void ReorderWindow::PushButton2_Click() {
    shell::Trap trap(objectName(), QStringLiteral("PushButton2_Click"), 100, this);
    trap(102, [&] {
        const auto& rows = m_model->suggestions();
        reports::showReport(reorderReport(), reorderReportData(rows, m_model->suppliers()), this);
    });
}

bool ReorderWindow::queryUnload() {
    if (!m_changed)
        return true;
    return platform::msgBox(this,
                            tr("The changes to the list are not made into purchase orders yet. "
                               "Close without making them?"),
                            platform::msgstyle::yesNoDefaultNo, tr("Question")) == QMessageBox::Yes;
}

} // namespace quarvel::reorder
