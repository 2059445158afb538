#include "shell/GridEditor.h"

#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/SaveConflict.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "platform/UpdateFreeze.h"
#include "shell/FormWindow.h"
#include "shell/Globals.h"
#include "shell/LiveRows.h"
#include "shell/ReopenRecordset.h"
#include "shell/Trap.h"

#include <QAbstractItemDelegate>
#include <QDate>
#include <QPushButton>
#include <optional>

namespace quarvel::shell {

GridEditor::GridEditor(QWidget* form, controls::DataGrid* grid, controls::DataControl* bar,
                       std::shared_ptr<Recordset>& rows, Declaration declaration)
    : QObject(form), m_form(form), m_grid(grid), m_bar(bar), m_rows(rows),
      m_declaration(std::move(declaration)) {
    // Another program's change to a row shows at once (and in the figures), unless the user is
    // editing that row.
    if (auto* window = qobject_cast<FormWindow*>(form)) {
        LiveRows& live = window->liveRows();
        live.follow(
            m_rows,
            [this](RowRefresh, const QVariant&) {
                if (m_declaration.refigure)
                    m_declaration.refigure();
            },
            [this] { return m_grid->isEditingCell(); });
        connect(m_grid->itemDelegate(), &QAbstractItemDelegate::closeEditor, &live,
                &LiveRows::retryHeld, Qt::QueuedConnection);
    }
    connect(m_grid, &controls::DataGrid::newRowBegun, this,
            guarded(m_form, [this] { gridRowBegun(); }));
    connect(m_grid, &controls::DataGrid::cellEditBegun, this,
            guarded(m_form, [this](int) { cellEditBegun(); }));
}

void GridEditor::setButtons(QPushButton* add, QPushButton* save, QPushButton* remove) {
    m_add = add;
    m_save = save;
    m_delete = remove;
    connect(add, &QPushButton::clicked, this, guarded(m_form, [this] { addRow(); }));
    connect(save, &QPushButton::clicked, this, guarded(m_form, [this] { saveRow(); }));
    connect(remove, &QPushButton::clicked, this, guarded(m_form, [this] { deleteRow(); }));
}

Recordset& GridEditor::current() const {
    return recordsetOf(m_bar->recordset());
}

QString GridEditor::rowDate() const {
    const QString format =
        m_declaration.dateFormat ? m_declaration.dateFormat() : QStringLiteral("MM/dd/yyyy");
    return current().Fields(m_declaration.dateField).toDate().toString(format);
}

void GridEditor::reload() {
    const QVariant key = m_declaration.parentKey();
    if (key.isNull())
        return;
    // Re-reading drops what the recordset holds: a row's edits are written first, and a user
    // who keeps editing after another user's change keeps the rows as they are.
    if (m_rows && !controls::settleBeforeLeaving(m_form, *m_rows))
        return;
    // The grid follows its bar to the new recordset and rebuilds its columns from it.
    reopenRecordset(m_rows, m_declaration.source + key.toString(),
                    [this] { m_bar->setRecordset(m_rows.get()); });
    if (m_declaration.layoutColumns)
        m_declaration.layoutColumns();
    if (m_declaration.refigure)
        m_declaration.refigure();
}

bool GridEditor::save() {
    Recordset& rows = current();
    bool written = true;
    if (rows.EditMode() != Recordset::adEditNone)
        written = controls::updateAskingOnConflict(m_form, rows) == controls::SaveOutcome::Written;
    if (m_declaration.refigure)
        m_declaration.refigure();
    return written;
}

bool GridEditor::settlePendingRow() {
    if (!m_grid->finishEdit())
        return false;
    Recordset* rows = m_bar->recordset();
    if (!rows || !rows->isOpen() || rows->EditMode() == Recordset::adEditNone)
        return true;
    if (!m_declaration.pendingQuestion.isEmpty() &&
        platform::msgBox(m_form, m_declaration.pendingQuestion, platform::msgstyle::yesNo,
                         tr("Question")) != QMessageBox::Yes) {
        rows->CancelUpdate();
        return true;
    }
    return controls::settleBeforeLeaving(m_form, *rows);
}

void GridEditor::showRow(const QVariant& key, int row) {
    Recordset& rows = current();
    const int found = rows.rowOf(rows.fieldIndex(m_declaration.keyField), key);
    if (found >= 0)
        row = found;
    if (row >= 0 && row < rows.RecordCount())
        rows.MoveTo(row);
}

void GridEditor::addRow() {
    Trap trap(m_declaration.object, clickProcedure(m_add), Trap::firstLine, m_form);
    trap.next([&] { current().AddNew(); });
    for (const NewValue& value : std::as_const(m_declaration.addedRow))
        trap.next([&] { current().setField(value.first, value.second()); });
    trap.next([&] { current().Update(); });
}

void GridEditor::saveRow() {
    Trap trap(m_declaration.object, clickProcedure(m_save), Trap::firstLine, m_form);
    QString suffix;
    trap.next([&] {
        if (m_declaration.savedSuffix)
            suffix = m_declaration.savedSuffix();
    });
    // Drawing stays suspended from the first suspension to the end, message box aside.
    std::optional<platform::UpdateFreeze> first;
    std::optional<platform::UpdateFreeze> second;
    trap.next([&] { first.emplace(m_form); });
    bool kept = true; // false when the user took another user's stored values instead
    const bool written = trap.next([&] { kept = save(); });
    // The note reports the write: after a failure it is shown only when no edit of the row is
    // left unwritten (the failure was in re-figuring).
    const bool saved = written ? kept
                               : (m_bar->recordset() && m_bar->recordset()->isOpen() &&
                                  m_bar->recordset()->EditMode() == Recordset::adEditNone);
    if (saved) {
        trap.next([&] {
            platform::msgBox(m_form, rowDate() + suffix + tr("\r\n  saved."),
                             platform::msgstyle::okOnly);
        });
    } else {
        trap.skip();
    }
    // A row the first save could not write is neither tried again nor re-read: one failure,
    // one report, and the typed values stay in the grid.
    const int rereadSteps = m_declaration.reReadAfterSave ? 3 : 0;
    if (written) {
        trap.next([&] { second.emplace(m_form); });
        trap.next([&] { save(); });
        if (m_declaration.reReadAfterSave) {
            QVariant key;
            int row = -1;
            trap.next([&] {
                key = current().Fields(m_declaration.keyField);
                row = current().AbsolutePosition();
            });
            trap.next([&] { reload(); });
            trap.next([&] { showRow(key, row); });
        }
    } else {
        trap.skip(2 + rereadSteps);
    }
    trap.next([&] { m_grid->setFocus(Qt::OtherFocusReason); });
    trap.next([&] {
        second.reset();
        first.reset();
    });
}

void GridEditor::deleteRow() {
    Trap trap(m_declaration.object, clickProcedure(m_delete), Trap::firstLine, m_form);
    QString suffix;
    if (m_declaration.deleteSuffix)
        trap.next([&] { suffix = m_declaration.deleteSuffix(); });
    QMessageBox::StandardButton answer = QMessageBox::No;
    trap.next([&] {
        answer =
            platform::msgBox(m_form,
                             tr("Do you really want to delete this transaction record ?\r\nFor: ") +
                                 rowDate() + suffix,
                             platform::msgstyle::yesNoDefaultNo, tr("Question"));
    });
    if (answer == QMessageBox::Yes)
        trap.next([&] { current().Delete(); });
}

void GridEditor::gridRowBegun() {
    Recordset& rows = current();
    for (const NewValue& value : std::as_const(m_declaration.gridRow))
        rows.setField(value.first, value.second());
}

void GridEditor::cellEditBegun() {
    if (m_declaration.cellEditBegun)
        m_declaration.cellEditBegun();
    if (m_rows)
        controls::settleBeforeLeaving(m_form, *m_rows);
    if (m_declaration.refigure)
        m_declaration.refigure();
}

} // namespace quarvel::shell
