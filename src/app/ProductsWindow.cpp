#include "app/ProductsWindow.h"

#include "app/ProgramWindows.h"
#include "app/TaskMenu.h"
#include "backup/DatabaseBackup.h"
#include "controls/BoundTextArea.h"
#include "controls/BoundTextBox.h"
#include "controls/DataCombo.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/ErrorReport.h"
#include "controls/SaveConflict.h"
#include "controls/TabStrip.h"
#include "data/ConnectionString.h"
#include "data/DatabaseFacts.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "data/sqlite/FileHealth.h"
#include "platform/MessageBox.h"
#include "products/ProductEditor.h"
#include "products/ProductTransactions.h"
#include "shell/ApplicationTitle.h"
#include "shell/ChangeFeed.h"
#include "shell/ChangeNotice.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/HoverFeedback.h"
#include "shell/LiveRows.h"
#include "shell/RecordEditor.h"
#include "shell/Trap.h"
#include "shell/WindowLook.h"
#include "shell/WindowTable.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <utility>

namespace quarvel {

using shell::HoverFeedback;

namespace {

const QString formName = QStringLiteral("Form1");

QString currentProductId(const shell::Session& session) {
    return recordsetOf(session.rsProducts).Fields(QStringLiteral("ProductID")).toString();
}

} // namespace

ProductsWindow::ProductsWindow(const QString& programFolder, QWidget* parent)
    : FormWindow({formName, QString(), 10920, 8790, Kind::Main, true}, programFolder, parent) {
    registerProgramWindows(m_session);

    // The task menu's panel, taller than its place since entries were added, scrolls there;
    // the scroll area draws the panel's box.
    auto* menuPlace = new QScrollArea(this);
    menuPlace->setObjectName(QStringLiteral("TaskMenuPlace"));
    shell::form::place(menuPlace, 6960, 120, 3840, 3540);
    menuPlace->setFrameShape(QFrame::Box);
    menuPlace->setFrameShadow(QFrame::Plain);
    menuPlace->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    menuPlace->setFocusPolicy(Qt::NoFocus);
    m_menu = new TaskMenu(menuPlace);
    m_menu->setFrameShape(QFrame::NoFrame);
    shell::form::place(m_menu, 0, 0, 3840, TaskMenu::panelHeight);
    menuPlace->setWidget(m_menu);
    m_editor = new ProductEditor(this, m_session);
    m_transactions = m_editor->transactions();

    auto highlight = [this](int index) {
        HighLightMenuPrompt(index);
    };
    m_editor->setHighlightMenuPrompt(highlight);
    m_transactions->setHighlightMenuPrompt(highlight);

    connect(m_menu, &TaskMenu::entryClicked, this,
            shell::guarded(this, [this](int index) { Label3_Click(index); }));
    connect(m_menu, &TaskMenu::entryHovered, this, shell::guarded(this, [this](int index) {
                HoverFeedback::hand(this);
                HighLightMenuPrompt(index);
            }));

    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, shell::guarded(this, [this] { findProduct(); }));
    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this, shell::guarded(this, [this] { showAbout(); }));

    // A database file found damaged (see FileHealth) is told once, in a box of its own.
    FileHealth::setListener([window = QPointer<ProductsWindow>(this)](const QString& message) {
        QMetaObject::invokeMethod(
            qApp,
            [window, message] {
                if (window)
                    controls::reportFailure(window, message);
            },
            Qt::QueuedConnection);
    });

    // The designed colours: white window, frames and labels.
    shell::setWhiteColors(this);
    attachHoverFeedback();
    setReadingTabOrder();
    // The category list follows other programs' changes, as the product and its rows do.
    liveRows().follow(m_session.rsCategories);
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
    FileHealth::setListener({});
    // The recordsets belong to this window; the controls let go of them with it. The program
    // ends with this window, so the last connection goes too.
    m_session.releaseRecordsets();
    SharedConnection.reset();
}

void ProductsWindow::attachHoverFeedback() {
    auto clear = [this] {
        HighLightMenuPrompt(-1);
    };
    attachHover(HoverFeedback::ResetAndClear, {this}, clear);
    attachHoverByName(HoverFeedback::ResetAndClear, {"Frame1", "Label1"}, clear);
    attachHoverByName(HoverFeedback::Hand,
                      {"PushButton1", "PushButton2", "PushButton3", "PushButton4", "PushButton6",
                       "PushButton7", "PushButton8", "Label2", "dcbCategoryID"});
    attachHoverByName(HoverFeedback::Reset, {"Text1"});
    attachHover(HoverFeedback::Clear, {m_editor->titleLabel()}, clear);
}

void ProductsWindow::Form_Load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    trap(104, [&] {
        // The task menu panel is a frame like the others, though of a class of its own.
        if (shell::ApplySkin(this, programFolder()).found)
            m_menu->setBackgroundColor(shell::buttonFaceColor());
    });
    trap(106, [&] { loadHandCursor(); });
    trap(108, [&] { setWindowTitle(tr("Quarvel")); });
    trap(110, [&] { setProgramIcon(); });
    trap(112, [&] { shell::SetApplicationTitle(); });

    int line = 114;
    line = openRecordset(trap, line, m_editor->dc(), m_session.rsProducts,
                         [] { return QStringLiteral("Select * from Products"); });
    line = openRecordset(trap, line, m_transactions->dc1(), m_session.rsTransactions, [this] {
        return QStringLiteral("Select * FROM [Inventory Transactions] Where ProductID=") +
               currentProductId(m_session);
    });
    line = openRecordset(trap, line, m_transactions->dc5(), m_session.rsProductTotals, [this] {
        return ProductTransactions::totalsSource() + currentProductId(m_session);
    });
    line = openRecordset(
        trap, line, m_editor->dc2(), m_session.rsCategories,
        [] {
            return QStringLiteral("SELECT DISTINCTROW Categories.* FROM Categories ORDER BY "
                                  "Categories.CategoryID;");
        },
        [this] { m_editor->bindCategoryList(); });
    trap(line, [&] { m_session.blnNewPurchaseOrder = false; });
    trap(line + 2, [&] { SetFullName(); });
    trap(line + 4, [&] { m_editor->tbsOptions_Click(); });
    trap(line + 6, [&] { SetCalls(true); });
    trap(line + 8, [&] { recordsetOf(m_session.rsProducts).MoveFirst(); });
    // Said once, at the start: how this database would show other users' changes as they happen.
    if (const auto* feed = shell::ChangeFeed::instance(); feed && feed->needsUpgrade())
        liveRows().notice()->showText(
            tr("Other users' changes show here when you move to another product. To see them "
               "as they happen, close Quarvel and run: quarvel-db upgrade %1")
                .arg(feed->database()));
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
    auto open = [this](shell::WindowId name) {
        shell::WindowTable::openWindow(name, this);
    };
    auto afterPurchaseOrders = [&] {
        // The grid is re-read when the window closes: its pending row is settled first.
        bool settled = false;
        trap(108, [&] { settled = m_transactions->settlePendingRow(); });
        if (!settled)
            return;
        trap(110, [&] { open(shell::WindowId::Form8); });
        trap(112,
             [&] { controls::updateAskingOnConflict(this, recordsetOf(m_session.rsProducts)); });
        trap(114, [&] { SetCalls(false); });
        trap(116, [&] { m_editor->box(0)->setFocus(Qt::OtherFocusReason); });
    };
    // A window whose work changes the products' figures (orders made, a count posted): the
    // grid's pending row is settled first, and the grid and figures are read again after it.
    auto openThenReread = [&](int line, shell::WindowId window) {
        bool settled = false;
        trap(line, [&] { settled = m_transactions->settlePendingRow(); });
        if (!settled)
            return;
        trap(line + 2, [&] { open(window); });
        trap(line + 4, [&] { SetCalls(false); });
    };
    // The entry's designer window, and the line of the statement that opens it.
    struct Entry {
        int index;
        int line;
        shell::WindowId window;
    };
    static constexpr Entry plainEntries[] = {{3, 118, shell::WindowId::Form3},
                                             {4, 120, shell::WindowId::Form6},
                                             {5, 122, shell::WindowId::Form5},
                                             {6, 124, shell::WindowId::Form4},
                                             {7, 126, shell::WindowId::Form7}};
    switch (index) {
    case 0:
        trap(104, [&] { ShowForm2(); });
        return;
    case 1:
        afterPurchaseOrders();
        return;
    case 2:
        trap(106, [&] { m_session.blnNewPurchaseOrder = true; });
        afterPurchaseOrders();
        return;
    case TaskMenu::FindEntry:
        trap(128, [&] { findProduct(); });
        return;
    case TaskMenu::ReorderEntry:
        openThenReread(130, shell::WindowId::ReorderStock);
        return;
    case TaskMenu::CountEntry:
        openThenReread(136, shell::WindowId::CountStock);
        return;
    case TaskMenu::ImportEntry: {
        bool settled = false;
        trap(144, [&] { settled = m_transactions->settlePendingRow(); });
        if (!settled)
            return;
        trap(146, [&] { m_editor->ImportData(); });
        trap(148, [&] { SetCalls(false); });
        return;
    }
    case TaskMenu::HistoryEntry:
        trap(150, [&] { showHistory(); });
        return;
    case TaskMenu::BackupEntry:
        trap(142, [&] { backup::DatabaseBackup::BackUpDatabase(this, DatabasePath(), today()); });
        return;
    default:
        for (const Entry& entry : plainEntries) {
            if (entry.index == index)
                trap(entry.line, [&] { open(entry.window); });
        }
    }
}

QString ProductsWindow::closingQuestion() {
    return ProductEditor::closingQuestion();
}

Recordset* ProductsWindow::historyRecordset() const {
    return m_session.rsProducts.get();
}

void ProductsWindow::showAbout() {
    const auto connection = OpenConnection();
    platform::msgBox(this, databaseFacts(*connection).join(u'\n'), 64, tr("About Quarvel"));
}

void ProductsWindow::findProduct() {
    shell::WindowTable::openWindow(shell::WindowId::FindProduct, this);
    const QVariant chosen = std::exchange(m_session.productToShow, QVariant());
    if (!chosen.isNull())
        m_editor->record()->showRecord(chosen);
}

bool ProductsWindow::queryUnload() {
    return m_editor->record()->queryUnload();
}

} // namespace quarvel
