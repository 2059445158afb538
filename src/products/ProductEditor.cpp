#include "products/ProductEditor.h"

#include "controls/BoundTextArea.h"
#include "controls/BoundTextBox.h"
#include "controls/DataCombo.h"
#include "controls/DataControl.h"
#include "controls/LinkLabel.h"
#include "controls/SaveConflict.h"
#include "controls/TabStrip.h"
#include "data/Recordset.h"
#include "products/ProductLayout.h"
#include "products/ProductTransactions.h"
#include "shell/FormBuilder.h"
#include "shell/FormWindow.h"
#include "shell/Globals.h"
#include "shell/RecordEditor.h"
#include "shell/Session.h"
#include "shell/Trap.h"
#include "shell/WindowTable.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace quarvel {

using controls::BoundTextBox;
using namespace shell::form;
using namespace productlayout;

namespace {

const QString formName = QStringLiteral("Form1");

// Rows of the product panel Frame1(3), in twips from its top.
constexpr int rowId = 240;
constexpr int rowName = 720;
constexpr int rowCategory = 1200;
constexpr int rowLead = 1680;
constexpr int rowReorder = 2160;
constexpr int boxHeight = 330;
constexpr int labelHeight = 285;
// The title's type size; a name too long for it is shown smaller.
constexpr qreal titlePointSize = 27.75;

} // namespace

ProductEditor::ProductEditor(shell::FormWindow* form, shell::Session& session)
    : QObject(form), m_form(form), m_session(session) {
    m_title =
        heading(form, QStringLiteral("ProductName"), 120, 60, 6600, 720, titlePointSize, true);

    buildPanel();
    buildPages();
    buildButtons();

    m_dc = control<controls::DataControl>(form, QStringLiteral("dc"), 0, 8310, 10920, 480);
    m_dc->setCaption(tr("Products"));

    m_dc2 = control<controls::DataControl>(form, QStringLiteral("dc2"));
    m_dc2->hide();

    for (int index : {0, 1, 4}) {
        m_boxes[std::size_t(index)]->bind(m_dc, index == 0   ? QStringLiteral("ProductName")
                                                : index == 1 ? QStringLiteral("ReorderLevel")
                                                             : QStringLiteral("LeadTime"));
    }
    m_notes->bind(m_dc, QStringLiteral("ProductDescription"));
    m_category->bind(m_dc, QStringLiteral("CategoryID"));

    m_transactions = new ProductTransactions(this, session);
    declareRecord();
    connectHandlers();
}

void ProductEditor::declareRecord() {
    shell::RecordEditor::Declaration declaration;
    declaration.object = formName;
    declaration.recordKind = tr("Product");
    declaration.idLabel = m_id;
    declaration.keyField = QStringLiteral("ProductID");
    declaration.rowRequired = true;
    declaration.heading = m_title;
    declaration.headingPointSize = titlePointSize;
    declaration.headingText = [](const Recordset& products) {
        return products.Fields(QStringLiteral("ProductName")).toString();
    };
    declaration.nameField = QStringLiteral("ProductName");
    declaration.newName = tr("New Product");
    declaration.deleteQuestion = tr("Do you really want to delete this Product ?");
    // The question names the product as it stands in the window, typing included.
    declaration.closingName = [this] {
        const auto& products = m_session.rsProducts;
        return products && products->AbsolutePosition() >= 0
                   ? products->Fields(QStringLiteral("ProductName")).toString()
                   : QString();
    };
    declaration.lines = m_transactions->rows();
    // A new product shows its transactions page.
    declaration.beforeAdd = [this] {
        if (m_tabs->selectedIndex() == 1)
            tbsOptions_Click();
        else
            m_tabs->setSelectedIndex(1);
    };
    declaration.focusAfterAdd = true;
    m_record = new shell::RecordEditor(m_form, m_dc, m_session.rsProducts, std::move(declaration));
    for (int index : {0, 4, 1, 3, 7})
        m_record->addBox(index, m_boxes[std::size_t(index)]);
    m_record->addBox(2, m_notes);
    m_record->setButtons(m_add, m_delete, m_save);
}

void ProductEditor::buildPanel() {
    m_panel = frame(m_form, QStringLiteral("Frame1(3)"), 120, 840, 6600, 2820);

    label(m_panel, QStringLiteral("Label1(0)"), tr("Product ID:"), 120, rowId, 1560, labelHeight);
    m_id = label(m_panel, QStringLiteral("ProductID"), QStringLiteral("FullName"), 1800, rowId,
                 2400, labelHeight);

    auto makeBox = [&](int index, int labelIndex, const QString& caption, int left, int top,
                       int width) {
        QLabel* caption_ = label(m_panel, QStringLiteral("Label1(%1)").arg(labelIndex), caption,
                                 left, top + 45, 1680, labelHeight);
        auto* box = shell::form::box<BoundTextBox>(m_panel, QStringLiteral("Text1(%1)").arg(index),
                                                   caption_, left + 1680, top, width, boxHeight);
        m_boxes[std::size_t(index)] = box;
        return box;
    };

    makeBox(0, 1, tr("Product Name:"), 120, rowName, 4560);

    QLabel* categoryCaption =
        label(m_panel, QStringLiteral("Label1(2)"), QStringLiteral("Category:"), 120,
              rowCategory + 45, 1680, labelHeight);
    m_category =
        shell::form::box<controls::DataCombo>(m_panel, QStringLiteral("dcbCategoryID"),
                                              categoryCaption, 1800, rowCategory, 3720, boxHeight);

    m_editLink = link(m_panel, QStringLiteral("Label2"), tr("Edit"), 5640, rowCategory + 45, 720,
                      labelHeight);

    makeBox(4, 10, tr("Lead Time:"), 120, rowLead, 1440);
    makeBox(1, 11, tr("Reorder Level:"), 120, rowReorder, 1440);
    showAsFigure(makeBox(3, 12, tr("Units on Hand:"), 3360, rowLead, 1440));
    showAsFigure(makeBox(7, 13, tr("Units on Order:"), 3360, rowReorder, 1440));
}

void ProductEditor::buildPages() {
    m_tabs =
        control<controls::TabStrip>(m_form, QStringLiteral("tbsOptions"), 120, 3780, 10680, 360);
    m_tabs->addTab(tr("Inventory Transactions"));
    m_tabs->addTab(tr("Product Notes"));
    m_tabs->setExpanding(false);

    for (int i = 0; i < 2; ++i) {
        QFrame* page =
            frame(m_form, QStringLiteral("picOptions(%1)").arg(i), pageLeft, 4140, 10680, 3480);
        page->setFrameShape(QFrame::StyledPanel);
        m_pages[std::size_t(i)] = page;
    }
    // The notes page; the transactions page is filled by ProductTransactions.
    QFrame* notesFrame = frame(m_pages[1], QStringLiteral("Frame1(1)"), 0, 0, 10680, 3480);
    m_notes = control<controls::BoundTextArea>(notesFrame, QStringLiteral("Text1(2)"), 60, 60,
                                               10560, 3360);
    m_notes->setAccessibleName(tr("Product Notes"));
}

void ProductEditor::buildButtons() {
    constexpr int top = 7740;
    const auto makeButton = [&](const QString& name, const QString& caption, int column) {
        return button(m_form, name, caption, buttonColumnLeft(column) + pageLeft, top, buttonWidth,
                      buttonHeight);
    };
    m_add = makeButton(QStringLiteral("PushButton4"), tr("Add New Product"), 0);
    m_delete = makeButton(QStringLiteral("PushButton3"), tr("Delete Current Product"), 1);
    m_save = makeButton(QStringLiteral("PushButton7"), tr("Save Product"), 2);
    m_reports = makeButton(QStringLiteral("PushButton6"), tr("View Reports"), 3);
}

void ProductEditor::connectHandlers() {
    connect(m_reports, &QPushButton::clicked, this,
            shell::guarded(m_form, [this] { PushButton6_Click(); }));
    connect(m_editLink, &controls::LinkLabel::activated, this,
            shell::guarded(m_form, [this] { Label2_Click(); }));
    connect(m_tabs, &controls::TabStrip::clicked, this,
            shell::guarded(m_form, [this] { tbsOptions_Click(); }));
}

QWidget* ProductEditor::form() const {
    return m_form;
}

BoundTextBox* ProductEditor::box(int index) const {
    return index >= 0 && index < int(m_boxes.size()) ? m_boxes[std::size_t(index)] : nullptr;
}

void ProductEditor::SetFullName() {
    m_record->SetFullName();
}

void ProductEditor::showAsFigure(BoundTextBox* box) {
    // A figure to read, not a box to type in: no frame, no caret, no stop for Tab.
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    box->setPalette(palette);
}

void ProductEditor::ShowForm2() {
    shell::WindowTable::openWindow(shell::WindowId::Form2, m_form);
    controls::updateAskingOnConflict(m_form, recordsetOf(m_session.rsProducts));
    recordsetOf(m_session.rsCategories).Requery();
    m_category->refreshList();
}

void ProductEditor::ImportData() {
    // A pending edit is written first: an import of the same product must not be written over.
    Recordset& products = recordsetOf(m_session.rsProducts);
    controls::updateAskingOnConflict(m_form, products);
    shell::WindowTable::openWindow(shell::WindowId::ImportData, m_form);
    const QVariant shown = products.isBOF() || products.isEOF()
                               ? QVariant()
                               : products.Fields(QStringLiteral("ProductID"));
    recordsetOf(m_session.rsCategories).Requery();
    m_category->refreshList();
    products.Requery();
    if (!shown.isNull())
        m_record->showRecord(shown);
}

void ProductEditor::bindCategoryList() {
    m_category->setListSource(m_session.rsCategories.get(), QStringLiteral("CategoryName"),
                              QStringLiteral("CategoryID"));
}

void ProductEditor::tbsOptions_Click() {
    const int selected = m_tabs->selectedIndex();
    for (int i = 0; i < m_tabs->count(); ++i) {
        // A page not shown is hidden, so that neither Tab nor a screen reader reaches it.
        QWidget* page = m_pages[std::size_t(i)];
        page->setVisible(i == selected - 1);
        page->setEnabled(i == selected - 1);
    }
    if (m_highlight)
        m_highlight(-1);
}

QString ProductEditor::closingQuestion() {
    return shell::FormWindow::closingQuestion(tr("Product"), tr("Quarvel"));
}

void ProductEditor::PushButton6_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton6_Click"), 100, m_form);
    trap(102, [&] { shell::WindowTable::openWindow(shell::WindowId::Form3, m_form); });
}

void ProductEditor::Label2_Click() {
    shell::catchAndReport(m_form, [this] { ShowForm2(); });
}

} // namespace quarvel
