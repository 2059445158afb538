#include "orders/PurchaseOrdersWindow.h"

#include "controls/BoundTextArea.h"
#include "controls/BoundTextBox.h"
#include "controls/DataCombo.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/LinkLabel.h"
#include "controls/SaveConflict.h"
#include "controls/ValueFormat.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "orders/OrderLines.h"
#include "platform/MessageBox.h"
#include "reports/Printers.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/LiveRows.h"
#include "shell/RecordEditor.h"
#include "shell/Session.h"
#include "shell/Trap.h"
#include "shell/WindowTable.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <utility>

namespace quarvel::orders {

using controls::BoundTextBox;
using shell::HoverFeedback;
using namespace shell::form;

namespace {

const QString formName = QStringLiteral("Form8");

// The header frame's rows and columns, in twips from the frame's top left corner.
constexpr std::array<int, 5> rows{120, 540, 960, 1380, 1800};
constexpr int leftCaption = 120;
constexpr int leftControl = 1380;
constexpr int rightCaption = 5400;
constexpr int rightControl = 6960;
constexpr int captionHeight = 285;
constexpr int boxHeight = 330;
constexpr int dateWidth = 1800;
constexpr qreal headingPointSize = 18;
const QString dateFormat = QStringLiteral("MM/dd/yyyy");

} // namespace

PurchaseOrdersWindow::PurchaseOrdersWindow(shell::Session& session, const QString& programFolder,
                                           QWidget* parent)
    : FormWindow({formName, tr("Purchase Orders"), 10695, 9645}, programFolder, parent),
      m_session(session) {
    m_heading = shell::form::heading(this, QStringLiteral("PurchaseOrderNumber"), 120, 60, 10455,
                                     600, headingPointSize, false);

    buildHeader();

    QFrame* linesFrame = frame(this, QStringLiteral("Frame1(1)"), 120, 4080, 10455, 3960);
    linesFrame->setFrameShape(QFrame::StyledPanel);
    m_lines = new OrderLines(this, linesFrame, m_orders, m_boxes[0]);

    buildButtons();
    m_dc = control<controls::DataControl>(this, QStringLiteral("dc"), 0, 9165, 10695, 480);
    m_dc->setCaption(tr("Purchase Orders"));
    for (controls::DataControl** list : {&m_dc2, &m_dc5, &m_dc6}) {
        const QString name = list == &m_dc2   ? QStringLiteral("dc2")
                             : list == &m_dc5 ? QStringLiteral("dc5")
                                              : QStringLiteral("dc6");
        *list = control<controls::DataControl>(this, name);
        (*list)->hide();
    }

    const std::pair<int, const char*> fields[] = {{0, "OrderDate"},
                                                  {1, "PurchaseOrderNumber"},
                                                  {2, "ShipDate"},
                                                  {3, "DateRequired"},
                                                  {5, "DatePromised"}};
    for (const auto& [index, field] : fields)
        m_boxes[std::size_t(index)]->bind(m_dc, QLatin1String(field));
    m_description->bind(m_dc, QStringLiteral("PurchaseOrderDescription"));
    m_supplier->bind(m_dc, QStringLiteral("SupplierID"));
    m_employee->bind(m_dc, QStringLiteral("EmployeeID"));
    m_shippingMethod->bind(m_dc, QStringLiteral("ShippingMethodID"));

    declareRecord();
    connectHandlers();
    attachHover(HoverFeedback::Reset, {this});
    attachHoverByName(HoverFeedback::Reset, {"Frame1", "Label1"});
    attachHoverByName(HoverFeedback::Hand,
                      {"PushButton1", "PushButton2", "PushButton3", "PushButton4", "PushButton6",
                       "PushButton7", "PushButton8", "Label2", "Text1"});
    setReadingTabOrder();
    // The lists follow other programs' changes to their rows, as the order and its lines do.
    for (std::shared_ptr<Recordset>* list :
         {&m_suppliers, &m_employees, &m_shippingMethods, &m_lines->productList()})
        liveRows().follow(*list);
}

PurchaseOrdersWindow::~PurchaseOrdersWindow() {
    // The controls let go of the recordsets before they go.
    m_lines->grid()->setDataControl(nullptr);
    for (controls::DataControl* control :
         {m_dc, m_dc2, m_dc5, m_dc6, m_lines->dc1(), m_lines->dc7()})
        control->setRecordset(nullptr);
}

void PurchaseOrdersWindow::buildHeader() {
    QFrame* header = frame(this, QStringLiteral("Frame1(0)"), 120, 720, 10455, 3240);
    header->setFrameShape(QFrame::StyledPanel);
    auto caption = [&](int index, const QString& text, int left, int row) {
        return label(header, QStringLiteral("Label1(%1)").arg(index), text, left,
                     rows[std::size_t(row)] + 45, left == leftCaption ? 1200 : 1560, captionHeight);
    };
    auto dateBox = [&](int index, int captionIndex, const QString& text, int row) {
        auto* result = shell::form::box<BoundTextBox>(
            header, QStringLiteral("Text1(%1)").arg(index),
            caption(captionIndex, text, rightCaption, row), rightControl, rows[std::size_t(row)],
            dateWidth, boxHeight);
        result->setDateFormat(dateFormat);
        m_boxes[std::size_t(index)] = result;
    };
    auto addLink = [&](int index, int row, const QString& description) {
        controls::LinkLabel* added =
            link(header, QStringLiteral("Label2(%1)").arg(index), tr("Add"), 4620,
                 rows[std::size_t(row)] + 45, 480, captionHeight);
        added->setAccessibleDescription(description);
        m_addLinks[std::size_t(index)] = added;
    };

    caption(0, tr("PO ID:"), leftCaption, 0);
    m_id = label(header, QStringLiteral("PurchaseOrderID"), QString(), leftControl, rows[0] + 45,
                 dateWidth, captionHeight);
    m_boxes[1] = shell::form::box<BoundTextBox>(header, QStringLiteral("Text1(1)"),
                                                caption(1, tr("PO Number:"), leftCaption, 1),
                                                leftControl, rows[1], dateWidth, boxHeight);
    m_supplier = shell::form::box<controls::DataCombo>(header, QStringLiteral("dcbSupplierID"),
                                                       caption(2, tr("Supplier:"), leftCaption, 2),
                                                       leftControl, rows[2], 3120, boxHeight);
    addLink(0, 2, tr("Suppliers"));
    m_employee = shell::form::box<controls::DataCombo>(header, QStringLiteral("dcbEmployeeID"),
                                                       caption(10, tr("Employee:"), leftCaption, 3),
                                                       leftControl, rows[3], 3120, boxHeight);
    addLink(1, 3, tr("Employees"));
    m_description = shell::form::box<controls::BoundTextArea>(
        header, QStringLiteral("Text1(4)"), caption(11, tr("Description:"), leftCaption, 4),
        leftControl, rows[4], 3720, 1320);

    dateBox(0, 3, tr("Order Date:"), 0);
    m_shippingMethod =
        shell::form::box<controls::DataCombo>(header, QStringLiteral("dcbShippingMethodID"),
                                              caption(4, tr("Shipping Method:"), rightCaption, 1),
                                              rightControl, rows[1], 3360, boxHeight);
    dateBox(2, 5, tr("Ship Date:"), 2);
    dateBox(3, 6, tr("Date Required:"), 3);
    dateBox(5, 7, tr("Date Promised:"), 4);
}

void PurchaseOrdersWindow::buildButtons() {
    const auto makeButton = [&](const QString& name, const QString& caption, int column) {
        return button(this, name, caption, 120 + column * 2640, 8160, 2520, 420);
    };
    m_add = makeButton(QStringLiteral("PushButton4"), tr("Add New Purchase Order"), 0);
    m_delete = makeButton(QStringLiteral("PushButton3"), tr("Delete Current Purchase Order"), 1);
    m_save = makeButton(QStringLiteral("PushButton7"), tr("Save Purchase Order"), 2);
    m_preview = makeButton(QStringLiteral("PushButton6"), tr("Preview Order"), 3);
}

void PurchaseOrdersWindow::declareRecord() {
    shell::RecordEditor::Declaration declaration;
    declaration.object = formName;
    declaration.recordKind = tr("Purchase Order");
    declaration.idLabel = m_id;
    declaration.keyField = QStringLiteral("PurchaseOrderID");
    declaration.heading = m_heading;
    declaration.headingPointSize = headingPointSize;
    declaration.headingText = [](const Recordset& orders) {
        return headingFor(controls::ValueFormat::displayText(
            orders.Fields(QStringLiteral("PurchaseOrderNumber"))));
    };
    // The heading follows the number as it is typed.
    declaration.headingFollowsTyping = true;
    declaration.nameField = QStringLiteral("PurchaseOrderNumber");
    declaration.newName = 0;
    declaration.deleteQuestion = tr("Do you really want to delete this Purchase Order ?");
    declaration.closingName = [this] {
        return m_heading->text();
    };
    declaration.lines = m_lines->rows();
    m_record = new shell::RecordEditor(this, m_dc, m_orders, std::move(declaration));
    for (int index : {0, 1, 2, 3, 5})
        m_record->addBox(index, m_boxes[std::size_t(index)]);
    m_record->addBox(4, m_description);
    m_record->setButtons(m_add, m_delete, m_save);
}

void PurchaseOrdersWindow::connectHandlers() {
    connect(m_preview, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton6_Click(); }));
    for (int index : {0, 1}) {
        connect(m_addLinks[std::size_t(index)], &controls::LinkLabel::activated, this,
                shell::guarded(this, [this, index] { Label2_Click(index); }));
    }
}

void PurchaseOrdersWindow::setReadingTabOrder() {
    auto bar = [](controls::DataControl* control) {
        return QList<QWidget*>{control->firstButton(), control->previousButton(),
                               control->nextButton(), control->lastButton()};
    };
    QList<QWidget*> order{m_boxes[0], m_boxes[1],    m_supplier,    m_addLinks[0],
                          m_employee, m_addLinks[1], m_description, m_shippingMethod,
                          m_boxes[2], m_boxes[3],    m_boxes[5],    m_lines->grid()};
    order << bar(m_lines->dc1());
    for (const char* name : {"PushButton2", "PushButton8", "PushButton1"})
        order << findChild<QWidget*>(QLatin1String(name));
    order << m_add << m_delete << m_save << m_preview << bar(m_dc);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

BoundTextBox* PurchaseOrdersWindow::box(int index) const {
    return index >= 0 && index < int(m_boxes.size()) ? m_boxes[std::size_t(index)] : nullptr;
}

QString PurchaseOrdersWindow::headingFor(const QString& number) {
    return tr("Purchase Order Number: ") + number;
}

void PurchaseOrdersWindow::Form_Load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    int line = loadLook(trap, 104);
    line = openRecordset(trap, line, m_dc, m_orders,
                         [] { return QStringLiteral("Select * from [Purchase Orders]"); });
    line = openRecordset(trap, line, m_lines->dc1(), m_lines->lines(), [this] {
        return OrderLines::linesSource() +
               recordsetOf(m_orders).Fields(QStringLiteral("PurchaseOrderID")).toString();
    });
    line = openRecordset(
        trap, line, m_dc2, m_suppliers,
        [] {
            return QStringLiteral("SELECT DISTINCTROW Suppliers.* FROM Suppliers ORDER BY "
                                  "Suppliers.SupplierName;");
        },
        [this] {
            m_supplier->setListSource(m_suppliers.get(), QStringLiteral("SupplierName"),
                                      QStringLiteral("SupplierID"));
        });
    line = openRecordset(
        trap, line, m_dc5, m_employees,
        [] {
            return QStringLiteral(
                "SELECT [EmployeeID], [LastName] & \", \" & [FirstName] as EmployeeName FROM "
                "Employees ORDER BY [LastName] & \", \" & [FirstName];");
        },
        [this] {
            m_employee->setListSource(m_employees.get(), QStringLiteral("EmployeeName"),
                                      QStringLiteral("EmployeeID"));
        });
    line = openRecordset(
        trap, line, m_dc6, m_shippingMethods,
        [] {
            return QStringLiteral("SELECT DISTINCTROW [Shipping Methods].* FROM [Shipping "
                                  "Methods] ORDER BY [Shipping Methods].ShippingMethod;");
        },
        [this] {
            m_shippingMethod->setListSource(m_shippingMethods.get(),
                                            QStringLiteral("ShippingMethod"),
                                            QStringLiteral("ShippingMethodID"));
        });
    line = openRecordset(trap, line, m_lines->dc7(), m_lines->productList(),
                         &OrderLines::productsSource, [this] { m_lines->layoutColumns(); });
    trap(line, [&] { SetFullName(); });
    trap(line + 2, [&] { SetCalls(true); });
    trap(line + 4, [&] { recordsetOf(m_orders).MoveFirst(); });
    if (m_session.blnNewPurchaseOrder) {
        trap(line + 6, [&] { m_record->addRecord(); });
        trap(line + 8, [&] { m_session.blnNewPurchaseOrder = false; });
    }
    if (!m_session.purchaseOrderToShow.isNull()) {
        const QVariant order = std::exchange(m_session.purchaseOrderToShow, QVariant());
        trap(line + 10, [&] { m_record->showRecord(order); });
    }
}

void PurchaseOrdersWindow::SetFullName() {
    m_record->SetFullName();
}

void PurchaseOrdersWindow::SetCalls(bool blnStart) {
    m_lines->SetCalls(blnStart);
}

void PurchaseOrdersWindow::SaveTransactions() {
    m_lines->SaveTransactions();
}

void PurchaseOrdersWindow::storeOrderToPrint() {
    SharedConnection = OpenConnection();
    auto company = std::make_shared<Recordset>();
    company->Open(QStringLiteral("Select * FROM [My Company Information]"), SharedConnection);
    company->Requery();
    company->MoveFirst();
    // An empty identifier label counts as 0.
    company->setField(QStringLiteral("PurchaseOrderID"), m_id->text().toLongLong());
    company->Update();
    company->Close();
}

void PurchaseOrdersWindow::PushButton6_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton6_Click"), 100, this);
    // The report prints the order the company row names: only once this order's identifier
    // is stored there, never the order an earlier preview left.
    if (trap(102, [&] { storeOrderToPrint(); }))
        trap(104, [&] { reports::ShowReport(reports::PurchaseOrder, m_session, this); });
}

void PurchaseOrdersWindow::ShowForm5() {
    shell::WindowTable::openWindow(shell::WindowId::Form5, this);
    controls::updateAskingOnConflict(this, recordsetOf(m_orders));
    recordsetOf(m_suppliers).Requery();
    m_supplier->refreshList();
}

void PurchaseOrdersWindow::ShowForm6() {
    shell::WindowTable::openWindow(shell::WindowId::Form6, this);
    controls::updateAskingOnConflict(this, recordsetOf(m_orders));
    recordsetOf(m_employees).Requery();
    m_employee->refreshList();
}

void PurchaseOrdersWindow::Label2_Click(int index) {
    shell::catchAndReport(this, [this, index] {
        if (index == 0)
            ShowForm5();
        else if (index == 1)
            ShowForm6();
    });
}

bool PurchaseOrdersWindow::queryUnload() {
    return m_record->queryUnload();
}

} // namespace quarvel::orders
