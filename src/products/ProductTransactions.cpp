#include "products/ProductTransactions.h"

#include "controls/BoundTextBox.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/RecordsetModel.h"
#include "controls/ValueFormat.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "products/ProductEditor.h"
#include "products/ProductLayout.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/GridEditor.h"
#include "shell/Session.h"

#include <QDate>
#include <QFrame>
#include <QPushButton>

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
    QPushButton* add = makeButton(QStringLiteral("PushButton2"), tr("Add New Transaction"), 0);
    QPushButton* save = makeButton(QStringLiteral("PushButton8"), tr("Save Transaction"), 1);
    QPushButton* remove =
        makeButton(QStringLiteral("PushButton1"), tr("Delete Current Transaction"), 2);

    m_dc5 = control<controls::DataControl>(m_form, QStringLiteral("dc5"));
    m_dc5->hide();
    editor->box(3)->bind(m_dc5, QStringLiteral("UnitsOnHand"));
    editor->box(7)->bind(m_dc5, QStringLiteral("UnitsOnOrder"));

    const auto productId = [this] {
        return recordsetOf(m_session.rsProducts).Fields(QStringLiteral("ProductID"));
    };
    shell::GridEditor::Declaration declaration;
    declaration.object = formName;
    declaration.source = transactionsSource();
    declaration.parentKey = productId;
    declaration.addedRow = {{QStringLiteral("TransactionDate"),
                             [] {
                                 return QVariant(today());
                             }},
                            {QStringLiteral("ProductID"), productId}};
    declaration.gridRow = {{QStringLiteral("ProductID"), productId},
                           {QStringLiteral("TransactionDate"), [] {
                                return QVariant(today());
                            }}};
    declaration.layoutColumns = [this] {
        layoutColumns();
    };
    declaration.refigure = [this] {
        SetSum();
    };
    declaration.dateFormat = &controls::ValueFormat::shortDateFormat;
    declaration.savedSuffix = [this] {
        return descriptionSuffix();
    };
    declaration.deleteSuffix = [this] {
        return descriptionSuffix();
    };
    declaration.pendingQuestion = ProductEditor::closingQuestion();
    declaration.cellEditBegun = [this] {
        if (m_highlight)
            m_highlight(-1);
    };
    m_rows = new shell::GridEditor(m_form, m_grid, m_dc1, m_session.rsTransactions,
                                   std::move(declaration));
    m_rows->setButtons(add, save, remove);
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
    m_rows->reload();
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
    return m_rows->save();
}

bool ProductTransactions::settlePendingRow() {
    return m_rows->settlePendingRow();
}

QString ProductTransactions::descriptionSuffix() const {
    const QVariant description =
        recordsetOf(m_session.rsTransactions).Fields(QStringLiteral("TransactionDescription"));
    return description.isNull() ? QString() : QStringLiteral(" - ") + description.toString();
}

} // namespace quarvel
