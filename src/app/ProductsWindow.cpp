#include "app/ProductsWindow.h"

#include "app/TaskMenu.h"
#include "controls/BoundTextArea.h"
#include "controls/BoundTextBox.h"
#include "controls/DataCombo.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/TabStrip.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "products/ProductEditor.h"
#include "products/ProductTransactions.h"
#include "reports/ReportsWindow.h"
#include "shell/ApplicationTitle.h"
#include "shell/FileExists.h"
#include "shell/Globals.h"
#include "shell/HoverFeedback.h"
#include "shell/Trap.h"
#include "shell/WindowLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace quarvel {

using shell::HoverFeedback;

namespace {

const QString formName = QStringLiteral("Form1");

// The window recordset convention: release the variable, open a new connection into
// SharedConnection, a new recordset on it with the source text, re-query it and bind it to the
// data control. Each step is one numbered statement of the caller's trap, from `line` on.
int openWindowRecordset(shell::Trap& trap, int line, controls::DataControl* control,
                        std::shared_ptr<Recordset>& variable,
                        const std::function<QString()>& source,
                        const std::function<void()>& afterBind = {}) {
    trap(line, [&] { variable.reset(); });
    trap(line + 2, [&] { SharedConnection = OpenConnection(); });
    trap(line + 4, [&] { variable = std::make_shared<Recordset>(); });
    trap(line + 6, [&] { recordsetOf(variable).Open(source(), SharedConnection); });
    trap(line + 8, [&] { recordsetOf(variable).Requery(); });
    trap(line + 10, [&] {
        control->setRecordset(variable.get());
        if (afterBind)
            afterBind();
    });
    return line + 12;
}

QString currentProductId() {
    return recordsetOf(rsProducts).Fields(QStringLiteral("ProductID")).toString();
}

} // namespace

ProductsWindow::ProductsWindow(const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : programFolder) {
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    QFont font(QStringLiteral("Arial"), 8);
    font.setBold(true);
    setFont(font);
    setFixedSize(platform::Twips::size(10920, 8790, this));

    m_menu = new TaskMenu(this);
    m_menu->setGeometry(platform::Twips::rect(6960, 120, 3840, 3540, this));
    m_editor = new ProductEditor(this);
    m_transactions = new ProductTransactions(m_editor);
    m_editor->setTransactions(m_transactions);

    auto highlight = [this](int index) {
        HighLightMenuPrompt(index);
    };
    m_editor->setHighlightMenuPrompt(highlight);
    m_transactions->setHighlightMenuPrompt(highlight);
    m_editor->setCategoriesWindow([this](QWidget*) { openWindow(Opens::Categories); });
    m_editor->setReportsWindow([this](QWidget*) { openWindow(Opens::Reports); });
    setWindowOpener(Opens::Reports, [this](QWidget* parent) {
        reports::ReportsWindow::showModal(parent, m_programFolder);
    });

    connect(m_menu, &TaskMenu::entryClicked, this, [this](int index) { Label3_Click(index); });
    connect(m_menu, &TaskMenu::entryHovered, this, [this](int index) {
        HoverFeedback::hand(this);
        HighLightMenuPrompt(index);
    });

    // Moving to another product re-reads the grid: its pending row is settled first.
    m_editor->dc()->setWillMove([this] {
        bool settled = false;
        shell::catchAndReport(this, [&] { settled = m_transactions->settlePendingRow(); });
        return settled;
    });

    // The designed colours: white window, frames and labels.
    shell::SetWhiteColors(this);
    attachHoverFeedback();
    setReadingTabOrder();
}

void ProductsWindow::setReadingTabOrder() {
    // Top to bottom and left to right as laid out: the product panel, then the task menu
    // beside it, the tab strip, the pages (only the shown one takes the focus), the product
    // buttons and the navigation bar. Controls that take no focus are skipped by Qt.
    QList<QWidget*> order{m_editor->box(0), m_editor->categoryCombo(),
                          findChild<QWidget*>(QStringLiteral("Label2")), m_editor->box(4),
                          m_editor->box(1)};
    for (int index : TaskMenu::screenOrder())
        order << m_menu->entry(index);
    auto bar = [](controls::DataControl* control) {
        return QList<QWidget*>{control->firstButton(), control->previousButton(),
                               control->nextButton(), control->lastButton()};
    };
    auto named = [this](std::initializer_list<const char*> names) {
        QList<QWidget*> widgets;
        for (const char* name : names)
            widgets << findChild<QWidget*>(QLatin1String(name));
        return widgets;
    };
    order << m_editor->tabs() << m_transactions->grid() << bar(m_transactions->dc1())
          << named({"PushButton2", "PushButton8", "PushButton1"}) << m_editor->notesBox()
          << named({"PushButton4", "PushButton3", "PushButton7", "PushButton6"})
          << bar(m_editor->dc());
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

ProductsWindow::~ProductsWindow() {
    // The recordsets belong to this window; the controls let go of them with it. The program
    // ends with this window, so the last connection goes too.
    ReleaseProgramRecordsets();
    SharedConnection.reset();
}

void ProductsWindow::attachHoverFeedback() {
    auto clear = [this] {
        HighLightMenuPrompt(-1);
    };
    HoverFeedback::attach(this, HoverFeedback::ResetAndClear, clear);
    for (QFrame* frame : findChildren<QFrame*>()) {
        if (frame->objectName().startsWith(QLatin1String("Frame1(")))
            HoverFeedback::attach(frame, HoverFeedback::ResetAndClear, clear);
    }
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->objectName().startsWith(QLatin1String("Label1(")))
            HoverFeedback::attach(label, HoverFeedback::ResetAndClear, clear);
    }
    for (const char* name :
         {"PushButton1", "PushButton2", "PushButton3", "PushButton4", "PushButton6", "PushButton7",
          "PushButton8", "Label2", "dcbCategoryID"}) {
        if (auto* control = findChild<QWidget*>(QLatin1String(name)))
            HoverFeedback::attach(control, HoverFeedback::Hand);
    }
    for (int index : {0, 1, 3, 4, 7})
        HoverFeedback::attach(m_editor->box(index), HoverFeedback::Reset);
    HoverFeedback::attach(m_editor->notesBox(), HoverFeedback::Reset);
    HoverFeedback::attach(m_editor->titleLabel(), HoverFeedback::Clear, clear);
}

void ProductsWindow::load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    trap(104, [&] {
        // The task menu panel is a frame like the others, though of a class of its own.
        if (shell::ApplySkin(this, m_programFolder).found)
            m_menu->setBackgroundColor(shell::buttonFaceColor());
    });
    trap(106, [&] {
        const QString cursorFile = m_programFolder + QStringLiteral("/HAND-M.CUR");
        if (shell::FileExists(cursorFile))
            HoverFeedback::loadHandCursor(this, m_programFolder);
        else
            HoverFeedback::setMouseIcon(this, std::nullopt);
    });
    trap(108, [&] { setWindowTitle(QStringLiteral("Quarvel")); });
    trap(110, [&] { setWindowIcon(QIcon(QStringLiteral(":/icons/quarvel.png"))); });
    trap(112, [&] { shell::SetApplicationTitle(); });

    int line = 114;
    line = openWindowRecordset(trap, line, m_editor->dc(), rsProducts,
                               [] { return QStringLiteral("Select * from Products"); });
    line = openWindowRecordset(trap, line, m_transactions->dc1(), rsTransactions, [] {
        return QStringLiteral("Select * FROM [Inventory Transactions] Where ProductID=") +
               currentProductId();
    });
    line = openWindowRecordset(trap, line, m_transactions->dc5(), rsProductTotals, [] {
        return ProductTransactions::totalsSource() + currentProductId();
    });
    line = openWindowRecordset(
        trap, line, m_editor->dc2(), rsCategories,
        [] {
            return QStringLiteral("SELECT DISTINCTROW Categories.* FROM Categories ORDER BY "
                                  "Categories.CategoryID;");
        },
        [this] { m_editor->bindCategoryList(); });
    trap(line, [&] { blnNewPurchaseOrder = false; });
    trap(line + 2, [&] { SetFullName(); });
    trap(line + 4, [&] { m_editor->tbsOptions_Click(); });
    trap(line + 6, [&] { SetCalls(true); });
    trap(line + 8, [&] { recordsetOf(rsProducts).MoveFirst(); });
}

void ProductsWindow::setWindowOpener(Opens which, WindowOpener opener) {
    m_openers[std::size_t(which)] = std::move(opener);
}

void ProductsWindow::openWindow(Opens which) {
    const WindowOpener& opener = m_openers[std::size_t(which)];
    if (opener)
        opener(this);
}

void ProductsWindow::HighLightMenuPrompt(int lngIndex) {
    m_menu->HighLightMenuPrompt(lngIndex);
}

void ProductsWindow::SetFullName() {
    m_editor->SetFullName();
}

void ProductsWindow::SetCalls(bool blnStart) {
    m_transactions->SetCalls(blnStart);
}

void ProductsWindow::SetSum() {
    m_transactions->SetSum();
}

void ProductsWindow::SaveTransactions() {
    m_transactions->SaveTransactions();
}

void ProductsWindow::ShowForm2() {
    m_editor->ShowForm2();
}

void ProductsWindow::Label3_Click(int index) {
    shell::Trap trap(formName, QStringLiteral("Label3_Click"), 100, this);
    trap(102, [&] { HighLightMenuPrompt(-1); });
    auto afterPurchaseOrders = [&] {
        // The grid is re-read when the window closes: its pending row is settled first.
        bool settled = false;
        trap(108, [&] { settled = m_transactions->settlePendingRow(); });
        if (!settled)
            return;
        trap(110, [&] { openWindow(Opens::PurchaseOrders); });
        trap(112, [&] { recordsetOf(rsProducts).Update(); });
        trap(114, [&] { SetCalls(false); });
        trap(116, [&] { m_editor->box(0)->setFocus(Qt::OtherFocusReason); });
    };
    switch (index) {
    case 0:
        trap(104, [&] { ShowForm2(); });
        break;
    case 1:
        afterPurchaseOrders();
        break;
    case 2:
        trap(106, [&] { blnNewPurchaseOrder = true; });
        afterPurchaseOrders();
        break;
    case 3:
        trap(118, [&] { openWindow(Opens::Reports); });
        break;
    case 4:
        trap(120, [&] { openWindow(Opens::Employees); });
        break;
    case 5:
        trap(122, [&] { openWindow(Opens::Suppliers); });
        break;
    case 6:
        trap(124, [&] { openWindow(Opens::ShippingMethods); });
        break;
    case 7:
        trap(126, [&] { openWindow(Opens::CompanyInformation); });
        break;
    default:
        break;
    }
}

QString ProductsWindow::closingQuestion() {
    return ProductEditor::closingQuestion();
}

bool ProductsWindow::confirmClose() {
    // An open grid cell editor hands its text to the grid first.
    m_transactions->grid()->finishEdit();

    auto pending = [](const std::shared_ptr<Recordset>& recordset) {
        return recordset && recordset->isOpen() && recordset->EditMode() != Recordset::adEditNone;
    };
    const bool productPending = pending(rsProducts);
    const bool transactionPending = pending(rsTransactions);
    if (!productPending && !transactionPending)
        return true;

    const QMessageBox::StandardButton answer =
        platform::msgBox(this, closingQuestion(), 4, QStringLiteral("Question"));
    if (answer != QMessageBox::Yes) {
        shell::catchAndReport(this, [&] {
            if (productPending)
                rsProducts->CancelUpdate();
            if (transactionPending)
                rsTransactions->CancelUpdate();
        });
        return true;
    }
    shell::Trap trap(formName, QStringLiteral("Form_QueryUnload"), 100, this);
    bool written = true;
    if (productPending)
        written = trap(102, [&] { rsProducts->Update(); }) && written;
    if (transactionPending)
        written = trap(104, [&] { rsTransactions->Update(); }) && written;
    return written;
}

void ProductsWindow::closeEvent(QCloseEvent* event) {
    bool close = true;
    shell::catchAndReport(this, [&] { close = confirmClose(); });
    if (close)
        event->accept();
    else
        event->ignore();
}

void ProductsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace quarvel
