#include "shell/RecordEditor.h"

#include "controls/BoundTextArea.h"
#include "controls/BoundTextBox.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/SaveConflict.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "shell/FormBuilder.h"
#include "shell/FormWindow.h"
#include "shell/Globals.h"
#include "shell/GridEditor.h"
#include "shell/LiveRows.h"
#include "shell/Trap.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace quarvel::shell {

RecordEditor::RecordEditor(FormWindow* form, controls::DataControl* bar,
                           std::shared_ptr<Recordset>& records, Declaration declaration)
    : QObject(form), m_form(form), m_bar(bar), m_records(records),
      m_declaration(std::move(declaration)) {
    // Moving to another record re-reads its rows: a row with edits is settled first.
    if (GridEditor* lines = m_declaration.lines) {
        m_bar->setWillMove([this, lines] {
            bool settled = false;
            catchAndReport(m_form, [&] { settled = lines->settlePendingRow(); });
            return settled;
        });
    }
    // Another program's change to a record shows at once, unless the user is editing it.
    form->liveRows().follow(m_records, [this](RowRefresh, const QVariant&) { showStoredRow(); });
}

void RecordEditor::showStoredRow() {
    if (!hasCurrentRow())
        return;
    QLabel* id = m_declaration.idLabel;
    if (id && m_records->Fields(m_declaration.keyField).toString() != id->text()) {
        SetFullName(); // another record became current: its lines are read too
        return;
    }
    if (m_declaration.heading && m_declaration.headingText)
        showHeading(m_declaration.headingText(*m_records));
}

void RecordEditor::addBox(int index, QWidget* box) {
    const auto changed = guarded(m_form, [this, index] {
        if ((index == 0 || index == 1) && hasCurrentRow())
            SetFullName();
    });
    if (auto* line = qobject_cast<controls::BoundTextBox*>(box))
        connect(line, &controls::BoundTextBox::changed, this, changed);
    else if (auto* area = qobject_cast<controls::BoundTextArea*>(box))
        connect(area, &controls::BoundTextArea::changed, this, changed);
    box->installEventFilter(this);
    m_boxes.insert(index, box);
    if (m_firstBox < 0)
        m_firstBox = index;
}

void RecordEditor::setButtons(QPushButton* add, QPushButton* remove, QPushButton* save) {
    m_add = add;
    m_delete = remove;
    m_save = save;
    if (add)
        connect(add, &QPushButton::clicked, this, guarded(m_form, [this] { addRecord(); }));
    if (remove)
        connect(remove, &QPushButton::clicked, this, guarded(m_form, [this] { deleteRecord(); }));
    if (save)
        connect(save, &QPushButton::clicked, this, guarded(m_form, [this] { saveRecord(); }));
}

bool RecordEditor::hasCurrentRow() const {
    return m_records && m_records->isOpen() && !m_records->isBOF() && !m_records->isEOF() &&
           m_records->AbsolutePosition() >= 0;
}

void RecordEditor::SetFullName() {
    QLabel* id = m_declaration.idLabel;
    if (!id)
        return;
    if (!hasCurrentRow()) {
        if (m_declaration.rowRequired)
            recordsetOf(m_records).Fields(m_declaration.keyField);
        return;
    }
    const QVariant key = m_records->Fields(m_declaration.keyField);
    const QString keyText = key.isNull() ? QString() : key.toString();
    QLabel* heading = m_declaration.heading;
    const bool headingFollows = heading && m_declaration.headingText;
    const QString text = headingFollows ? m_declaration.headingText(*m_records) : QString();
    if (m_declaration.headingFollowsTyping) {
        // Two rows may carry the same name: the key tells them apart.
        if (keyText == id->text() && (!headingFollows || text == heading->text()))
            return;
    } else if (key.isNull() || keyText == id->text()) {
        // A new row not yet written has no key: there is nothing to show yet.
        return;
    }
    id->setText(keyText);
    if (headingFollows)
        showHeading(text);
    if (m_declaration.lines)
        m_declaration.lines->reload();
}

void RecordEditor::showHeading(const QString& text) {
    QLabel* heading = m_declaration.heading;
    heading->setText(text);
    heading->setToolTip(text);
    heading->setAccessibleName(text);
    form::fitText(heading, m_declaration.headingPointSize);
}

QString RecordEditor::recordName() const {
    if (m_declaration.recordName)
        return m_declaration.recordName();
    return m_declaration.heading ? m_declaration.heading->text() : QString();
}

bool RecordEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && m_boxes.key(qobject_cast<QWidget*>(watched), -1) >= 0)
        catchAndReport(m_form, [this] {
            if (hasCurrentRow())
                SetFullName();
        });
    return QObject::eventFilter(watched, event);
}

void RecordEditor::focusBox(int index) {
    QWidget* target = box(index);
    if (!target)
        return;
    const bool willReceiveFocus =
        !target->hasFocus() && m_form->isActiveWindow() && target->isVisible();
    target->setFocus(Qt::OtherFocusReason);
    if (!willReceiveFocus || !target->hasFocus()) {
        if (hasCurrentRow())
            SetFullName();
    }
}

void RecordEditor::addRecord() {
    Trap trap(m_declaration.object, clickProcedure(m_add), Trap::firstLine, m_form);
    if (GridEditor* lines = m_declaration.lines) {
        bool settled = false;
        trap.next([&] { settled = lines->settlePendingRow(); });
        if (!settled)
            return;
    }
    if (m_declaration.beforeAdd)
        trap.next(m_declaration.beforeAdd);
    trap.next([&] { recordsetOf(m_records).AddNew(); });
    trap.next(
        [&] { recordsetOf(m_records).setField(m_declaration.nameField, m_declaration.newName); });
    trap.next([&] { recordsetOf(m_records).Update(); });
    if (GridEditor* lines = m_declaration.lines)
        trap.next([&] { lines->reload(); });
    if (m_declaration.focusAfterAdd)
        trap.next([&] { focusBox(m_firstBox); });
}

void RecordEditor::deleteRecord() {
    Trap trap(m_declaration.object, clickProcedure(m_delete), Trap::firstLine, m_form);
    // Without a current row there is nothing to delete.
    if (!hasCurrentRow())
        return;
    QMessageBox::StandardButton answer = QMessageBox::No;
    trap.next([&] {
        answer =
            platform::msgBox(m_form, m_declaration.deleteQuestion + tr("\r\nFor: ") + recordName(),
                             platform::msgstyle::yesNoDefaultNo, tr("Question"));
    });
    if (answer != QMessageBox::Yes)
        return;
    if (GridEditor* lines = m_declaration.lines) {
        bool settled = false;
        trap.next([&] { settled = lines->settlePendingRow(); });
        if (!settled)
            return;
    }
    // A row the database refuses to delete (still used elsewhere) stays current.
    if (!trap.next([&] { recordsetOf(m_records).Delete(); }))
        return;
    // After the last row there is no first row to move to: the labels keep the deleted row's.
    trap.next([&] {
        Recordset& rs = recordsetOf(m_records);
        if (rs.RecordCount() > 0)
            rs.MoveFirst();
    });
}

void RecordEditor::saveRecord() {
    Trap trap(m_declaration.object, clickProcedure(m_save), Trap::firstLine, m_form);
    // The note reports the write: it is shown only when the write succeeded. A row changed by
    // another user meanwhile is written over only if the user says so.
    bool saved = false;
    trap.next([&] {
        saved = controls::updateAskingOnConflict(m_form, recordsetOf(m_records)) ==
                controls::SaveOutcome::Written;
    });
    trap.next([&] { SetFullName(); });
    if (saved) {
        trap.next([&] {
            const QString note = m_declaration.savedNote ? m_declaration.savedNote()
                                                         : recordName() + tr("\r\n   saved.");
            platform::msgBox(m_form, note, platform::msgstyle::okOnly);
        });
    }
}

bool RecordEditor::showRecord(const QVariant& key) {
    Recordset& rs = recordsetOf(m_records);
    const int column = rs.fieldIndex(m_declaration.keyField);
    int row = rs.rowOf(column, key);
    if (row < 0) {
        // Re-reading drops what the recordsets hold: their edits are settled first.
        if (m_declaration.lines && !m_declaration.lines->settlePendingRow())
            return false;
        if (!controls::settleBeforeLeaving(m_form, rs))
            return false;
        rs.Requery();
        row = rs.rowOf(column, key);
    }
    if (row < 0) {
        platform::msgBox(m_form, tr("The record is no longer in the database."),
                         platform::msgstyle::okOnly);
        return false;
    }
    m_bar->moveTo(row);
    return rs.AbsolutePosition() == row;
}

bool RecordEditor::queryUnload() {
    QList<std::shared_ptr<Recordset>*> recordsets{&m_records};
    if (GridEditor* lines = m_declaration.lines) {
        // An open cell editor hands its text to the row first.
        lines->grid()->finishEdit();
        recordsets << &lines->rows();
    }
    return m_form->askToWriteEdits(m_declaration.recordKind, recordsets,
                                   m_declaration.closingName ? m_declaration.closingName()
                                                             : QString());
}

} // namespace quarvel::shell
