#include "reference/LookupGridWindow.h"

#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/RecordsetModel.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/LiveRows.h"
#include "shell/Trap.h"

#include <QAbstractItemDelegate>
#include <QPushButton>

namespace quarvel::reference {

namespace {

using shell::HoverFeedback;
namespace form = shell::form;

// The layout in twips: the grid, the two buttons under it, the navigation bar at the bottom.
constexpr int margin = 120;
constexpr int gridHeight = 3135;
constexpr int buttonTop = margin + gridHeight + 120;
constexpr int buttonWidth = 2580;
constexpr int buttonHeight = 400;
constexpr int barTop = buttonTop + buttonHeight + 120;
constexpr int barHeight = 360;
constexpr int windowHeight = barTop + barHeight + margin;

} // namespace

LookupGridWindow::LookupGridWindow(const QString& name, const Texts& texts, int width,
                                   std::shared_ptr<Recordset>& records,
                                   const QString& programFolder, QWidget* parent)
    : FormWindow({name, texts.caption, width, windowHeight}, programFolder, parent), m_texts(texts),
      m_records(&records), m_gridWidth(width - 2 * margin) {
    // Created in reading order, which is the order of Tab.
    m_grid = form::control<controls::DataGrid>(this, QStringLiteral("DataGrid1"), margin, margin,
                                               m_gridWidth, gridHeight);
    m_grid->setAccessibleName(texts.caption);
    m_grid->setAllowAddNew(false);
    m_add = form::button(this, QStringLiteral("PushButton2"), texts.addCaption, margin, buttonTop,
                         buttonWidth, buttonHeight);
    m_delete = form::button(this, QStringLiteral("PushButton1"), texts.deleteCaption,
                            margin + buttonWidth + 120, buttonTop, buttonWidth, buttonHeight);
    m_dc3 = form::control<controls::DataControl>(this, QStringLiteral("dc3"), margin, barTop,
                                                 m_gridWidth, barHeight);
    m_dc3->setCaption(texts.caption);
    m_grid->setDataControl(m_dc3);

    attachHover(HoverFeedback::Reset, {this});
    attachHover(HoverFeedback::Hand, {m_add, m_delete});
    connect(m_delete, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton1_Click(); }));
    connect(m_add, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton2_Click(); }));
    // Every way a typed cell text reaches the row (Enter, Tab, leaving the cell, a list
    // entry) passes the delegate's commit; the view writes it first.
    connect(m_grid->itemDelegate(), &QAbstractItemDelegate::commitData, this,
            shell::guarded(this, [this](QWidget*) { gridEditCommitted(); }));
    // Other programs' changes to the rows show at once, except in the row being edited.
    liveRows().follow(*m_records, {}, [this] { return m_grid->isEditingCell(); });
    connect(m_grid->itemDelegate(), &QAbstractItemDelegate::closeEditor, &liveRows(),
            &shell::LiveRows::retryHeld, Qt::QueuedConnection);
}

LookupGridWindow::~LookupGridWindow() {
    // The recordset outlives the window.
    m_dc3->setRecordset(nullptr);
}

void LookupGridWindow::PushButton1_Click() {
    shell::Trap trap(objectName(), QStringLiteral("PushButton1_Click"), 100, this);
    // No current row (an empty table, or the row just deleted was the last): nothing to ask.
    int row = -1;
    trap(102, [&] { row = recordsetOf(*m_records).AbsolutePosition(); });
    if (row < 0)
        return;
    QString shown;
    trap(104, [&] { shown = m_grid->model()->index(row, 1).data().toString(); });
    QMessageBox::StandardButton answer = QMessageBox::No;
    trap(106, [&] {
        answer = platform::msgBox(this, m_texts.deleteQuestion + tr("\r\nFor: ") + shown,
                                  platform::msgstyle::yesNoDefaultNo, tr("Question"));
    });
    if (answer != QMessageBox::Yes)
        return;
    // A delete the database refuses leaves the row where it was, current and in view.
    if (!trap(108, [&] { recordsetOf(m_dc3->recordset()).Delete(); }))
        return;
    // After the last row there is no first row to show.
    trap(110, [&] {
        Recordset& records = recordsetOf(*m_records);
        if (records.RecordCount() > 0)
            records.MoveFirst();
    });
}

int LookupGridWindow::addNewRow(shell::Trap& trap, int line, const QString& firstValue) {
    trap(line, [&] { recordsetOf(*m_records).AddNew(); });
    trap(line + 2, [&] { recordsetOf(*m_records).setField(1, firstValue); });
    trap(line + 4, [&] { recordsetOf(*m_records).Update(); });
    return line + 6;
}

void LookupGridWindow::focusGrid() {
    m_grid->setFocus(Qt::OtherFocusReason);
}

bool LookupGridWindow::queryUnload() {
    // A cell editor still open hands its text to the row first; text the row refuses has been
    // reported, and the window stays so that the user sees the cell as it is.
    const bool editing = m_grid->indexWidget(m_grid->currentIndex()) != nullptr;
    if (!m_grid->finishEdit())
        return false;
    if (editing)
        gridEditCommitted();
    return askToWriteEdits(m_texts.recordKind, {m_records});
}

} // namespace quarvel::reference
