#include "products/ProductTransactions.h"

#include "controls/BoundTextBox.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/RecordsetModel.h"
#include "controls/SaveConflict.h"
#include "controls/ValueFormat.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "platform/MessageBox.h"
#include "platform/UpdateFreeze.h"
#include "products/ProductEditor.h"
#include "products/ProductLayout.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/ReopenRecordset.h"
#include "shell/Session.h"
#include "shell/Trap.h"

#include <QDate>
#include <QFrame>
#include <QPushButton>
#include <optional>

namespace quarvel {

using namespace shell::form;
using namespace productlayout;

namespace {

const QString formName = QStringLiteral("Form1");

} // namespace

QString ProductTransactions::transactionsSource() {
    return QStringLiteral("Select TransactionID,ProductID,TransactionDate,PurchaseOrderID,"
                          "TransactionDescription,UnitsOrdered,UnitsReceived,UnitsSold,"
                          "UnitsShrinkage  FROM [Inventory Transactions] Where ProductID=");
}

QString ProductTransactions::totalsSource() {
    return QStringLiteral("Select * FROM [qryProducts] Where ProductID=");
}

ProductTransactions::ProductTransactions(ProductEditor* editor, shell::Session& session)
    : QObject(editor), m_editor(editor), m_form(editor->form()), m_session(session) {
    QWidget* page = editor->page(0);
    QFrame* box = frame(page, QStringLiteral("Frame1(0)"), 0, 0, 10680, 3480);

    m_grid = control<controls::DataGrid>(box, QStringLiteral("DataGrid1"), 60, 60, 10560, 2400);
    m_grid->setAccessibleName(tr("Inventory Transactions"));

    m_dc1 = control<controls::DataControl>(box, QStringLiteral("dc1"), 60, 2520, 10560, 360);
    m_dc1->setCaption(tr("Inventory Transactions"));
    m_grid->setDataControl(m_dc1);

    const auto makeButton = [&](const QString& name, const QString& caption, int column) {
        return button(box, name, caption, buttonColumnLeft(column), 2970, buttonWidth,
                      buttonHeight);
    };
    m_add = makeButton(QStringLiteral("PushButton2"), tr("Add New Transaction"), 0);
    m_save = makeButton(QStringLiteral("PushButton8"), tr("Save Transaction"), 1);
    m_delete = makeButton(QStringLiteral("PushButton1"), tr("Delete Current Transaction"), 2);

    m_dc5 = control<controls::DataControl>(m_form, QStringLiteral("dc5"));
    m_dc5->hide();
    editor->box(3)->bind(m_dc5, QStringLiteral("UnitsOnHand"));
    editor->box(7)->bind(m_dc5, QStringLiteral("UnitsOnOrder"));

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
}

Recordset& ProductTransactions::gridRecordset() const {
    return recordsetOf(m_dc1->recordset());
}

void ProductTransactions::layoutColumns() {
    m_grid->setColumnHidden(QStringLiteral("ProductID"), true);
    m_grid->setColumnHidden(QStringLiteral("TransactionID"), true);
    m_grid->setColumnWidthTwips(QStringLiteral("TransactionDate"), 1500);
    m_grid->recordsetModel()->setDateFormat(controls::ValueFormat::shortDateFormat());
    m_grid->setColumnCaption(QStringLiteral("TransactionDate"), tr("Date"));
    m_grid->setColumnWidthTwips(QStringLiteral("PurchaseOrderID"), 700);
    m_grid->setColumnLocked(QStringLiteral("PurchaseOrderID"), true);
    m_grid->setColumnCaption(QStringLiteral("PurchaseOrderID"), tr("PO ID"));
    m_grid->setColumnWidthTwips(QStringLiteral("TransactionDescription"), 2600);
    m_grid->setColumnCaption(QStringLiteral("TransactionDescription"), tr("Description"));
    m_grid->setColumnWidthTwips(QStringLiteral("UnitsOrdered"), 1500);
    m_grid->setColumnCaption(QStringLiteral("UnitsOrdered"), tr("Ordered"));
    m_grid->setColumnWidthTwips(QStringLiteral("UnitsReceived"), 1500);
    m_grid->setColumnCaption(QStringLiteral("UnitsReceived"), tr("Received"));
    m_grid->setColumnWidthTwips(QStringLiteral("UnitsSold"), 700);
    m_grid->setColumnCaption(QStringLiteral("UnitsSold"), tr("Sold"));
    m_grid->setColumnWidthTwips(QStringLiteral("UnitsShrinkage"), 1500);
    m_grid->setColumnCaption(QStringLiteral("UnitsShrinkage"), tr("Shrinkage"));
}

void ProductTransactions::SetCalls(bool /*blnStart*/) {
    const QVariant id = recordsetOf(m_session.rsProducts).Fields(QStringLiteral("ProductID"));
    if (id.isNull())
        return;
    // The grid lets go of the previous recordset and follows its bar to the new one.
    shell::reopenRecordset(m_session.rsTransactions, transactionsSource() + id.toString(), [this] {
        m_grid->setDataControl(nullptr);
        m_dc1->setRecordset(m_session.rsTransactions.get());
        m_grid->setDataControl(m_dc1);
    });
    layoutColumns();
    SetSum();
}

void ProductTransactions::SetSum() {
    std::shared_ptr<Recordset> previous = std::move(m_session.rsProductTotals);
    try {
        SharedConnection = OpenConnection();
        m_session.rsProductTotals = std::make_shared<Recordset>();
        m_session.rsProductTotals->Open(
            totalsSource() +
                recordsetOf(m_session.rsProducts).Fields(QStringLiteral("ProductID")).toString(),
            SharedConnection);
    } catch (...) {
        m_dc5->setRecordset(m_session.rsProductTotals.get());
        throw;
    }
    m_dc5->setRecordset(m_session.rsProductTotals.get());
    previous.reset();
    m_session.rsProductTotals->Requery();
}

bool ProductTransactions::SaveTransactions() {
    Recordset& transactions = gridRecordset();
    bool written = true;
    if (transactions.EditMode() != Recordset::adEditNone)
        written = controls::updateAskingOnConflict(m_form, transactions) ==
                  controls::SaveOutcome::Written;
    recordsetOf(m_session.rsProductTotals).Close();
    SetSum();
    return written;
}

bool ProductTransactions::settlePendingRow() {
    if (!m_grid->finishEdit())
        return false;
    Recordset* transactions = m_dc1->recordset();
    if (!transactions || !transactions->isOpen() ||
        transactions->EditMode() == Recordset::adEditNone)
        return true;
    if (platform::msgBox(m_form, ProductEditor::closingQuestion(), platform::msgstyle::yesNo,
                         tr("Question")) == QMessageBox::Yes)
        return controls::settleBeforeLeaving(m_form, *transactions);
    transactions->CancelUpdate();
    return true;
}

QString ProductTransactions::descriptionSuffix() const {
    const QVariant description =
        recordsetOf(m_session.rsTransactions).Fields(QStringLiteral("TransactionDescription"));
    return description.isNull() ? QString() : QStringLiteral(" - ") + description.toString();
}

QString ProductTransactions::transactionDate() const {
    return gridRecordset()
        .Fields(QStringLiteral("TransactionDate"))
        .toDate()
        .toString(controls::ValueFormat::shortDateFormat());
}

void ProductTransactions::PushButton2_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton2_Click"), 100, m_form);
    trap(102, [&] { gridRecordset().AddNew(); });
    trap(104, [&] { gridRecordset().setField(QStringLiteral("TransactionDate"), today()); });
    trap(106, [&] {
        gridRecordset().setField(
            QStringLiteral("ProductID"),
            recordsetOf(m_session.rsProducts).Fields(QStringLiteral("ProductID")));
    });
    trap(108, [&] { gridRecordset().Update(); });
}

void ProductTransactions::PushButton8_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton8_Click"), 100, m_form);
    QString suffix;
    trap(102, [&] { suffix = descriptionSuffix(); });
    // Drawing stays suspended from the first suspension to the end, message box aside.
    std::optional<platform::UpdateFreeze> first;
    std::optional<platform::UpdateFreeze> second;
    trap(104, [&] { first.emplace(m_form); });
    bool kept = true; // false when the user took another user's stored values instead
    const bool written = trap(106, [&] { kept = SaveTransactions(); });
    // The note reports the write: after a failure it is shown only when no edit of the row is
    // left unwritten (the failure was in re-reading the figures).
    const bool saved = written ? kept
                               : (m_dc1->recordset() && m_dc1->recordset()->isOpen() &&
                                  m_dc1->recordset()->EditMode() == Recordset::adEditNone);
    if (saved) {
        trap(108, [&] {
            platform::msgBox(m_form, transactionDate() + suffix + tr("\r\n  saved."),
                             platform::msgstyle::okOnly);
        });
    }
    // A row the first save could not write is not tried again: one failure, one report.
    if (written) {
        trap(110, [&] { second.emplace(m_form); });
        trap(112, [&] { SaveTransactions(); });
    }
    trap(114, [&] { m_grid->setFocus(Qt::OtherFocusReason); });
    trap(116, [&] {
        second.reset();
        first.reset();
    });
}

void ProductTransactions::PushButton1_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton1_Click"), 100, m_form);
    QString suffix;
    trap(102, [&] { suffix = descriptionSuffix(); });
    QMessageBox::StandardButton answer = QMessageBox::No;
    trap(104, [&] {
        answer =
            platform::msgBox(m_form,
                             tr("Do you really want to delete this transaction record ?\r\nFor: ") +
                                 transactionDate() + suffix,
                             platform::msgstyle::yesNoDefaultNo, tr("Question"));
    });
    if (answer == QMessageBox::Yes)
        trap(106, [&] { recordsetOf(m_session.rsTransactions).Delete(); });
}

void ProductTransactions::DataGrid1_OnAddNew() {
    Recordset& transactions = gridRecordset();
    transactions.setField(QStringLiteral("ProductID"),
                          recordsetOf(m_session.rsProducts).Fields(QStringLiteral("ProductID")));
    transactions.setField(QStringLiteral("TransactionDate"), today());
}

void ProductTransactions::DataGrid1_BeforeColEdit(int /*column*/) {
    if (m_highlight)
        m_highlight(-1);
    if (m_session.rsTransactions)
        controls::settleBeforeLeaving(m_form, *m_session.rsTransactions);
    SetSum();
}

} // namespace quarvel
