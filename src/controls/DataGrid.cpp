#include "controls/DataGrid.h"

#include "controls/DataControl.h"
#include "controls/ErrorReport.h"
#include "controls/GridDelegate.h"
#include "controls/GridExport.h"
#include "controls/GridList.h"
#include "controls/RecordsetModel.h"
#include "controls/SaveConflict.h"
#include "data/Recordset.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace quarvel::controls {

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), m_model(new RecordsetModel(this)) {
    setModel(m_model);
    GridExport::install(this);
    setItemDelegate(new GridDelegate(
        m_model,
        [this](int column) {
            // The owner's handler runs inside the view's editing: nothing may escape from it.
            runReported(this, [&] { emit cellEditBegun(column); });
        },
        this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(m_model, &RecordsetModel::newRowBegun, this, &DataGrid::newRowBegun);
    connect(m_model, &RecordsetModel::writeFailed, this,
            [this](const QString& message) { reportFailure(this, message); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { followRecordset(); });
}

DataGrid::~DataGrid() = default;

void DataGrid::setRecordset(Recordset* recordset) {
    for (const auto& connection : std::as_const(m_recordsetConnections))
        disconnect(connection);
    m_recordsetConnections.clear();
    m_refusal.clear();
    m_model->setRecordset(recordset);
    // Every column back to its defaults: the owner lays the new columns out again.
    for (int column = 0; column < m_model->columnCount(); ++column) {
        QTableView::setColumnHidden(column, false);
        setColumnWidth(column, horizontalHeader()->defaultSectionSize());
    }
    if (recordset) {
        // A row changed or left may be written next time: its refusal is news again.
        m_recordsetConnections << connect(recordset, &Recordset::currentChanged, this, [this] {
            m_refusal.clear();
            followRecordset();
        }) << connect(recordset, &Recordset::fieldChanged, this, [this] { m_refusal.clear(); });
    }
    followRecordset();
}

Recordset* DataGrid::recordset() const {
    return m_model->recordset();
}

void DataGrid::setDataControl(DataControl* control) {
    disconnect(m_controlConnection);
    m_control = control;
    if (control) {
        m_controlConnection = connect(control, &DataControl::recordsetChanged, this,
                                      [this](Recordset* recordset) { setRecordset(recordset); });
    }
    setRecordset(control ? control->recordset() : nullptr);
}

int DataGrid::columnOf(const QString& fieldName) const {
    const Recordset* rs = recordset();
    return rs && rs->isOpen() ? rs->fieldIndex(fieldName) : -1;
}

void DataGrid::setColumnHidden(const QString& fieldName, bool hidden) {
    const int column = columnOf(fieldName);
    if (column >= 0)
        QTableView::setColumnHidden(column, hidden);
    keepCurrentVisible();
}

void DataGrid::setColumnCaption(const QString& fieldName, const QString& caption) {
    const int column = columnOf(fieldName);
    if (column >= 0)
        m_model->setCaption(column, caption);
}

void DataGrid::setColumnWidthTwips(const QString& fieldName, int twips) {
    const int column = columnOf(fieldName);
    if (column >= 0)
        setColumnWidth(column, platform::Twips::toPixels(twips, Qt::Horizontal, this));
}

void DataGrid::setColumnLocked(const QString& fieldName, bool locked) {
    const int column = columnOf(fieldName);
    if (column >= 0)
        m_model->setLocked(column, locked);
}

void DataGrid::setColumnList(const QString& fieldName, Recordset* list, const QString& listField,
                             const QString& boundColumn, const QString& dataField,
                             const QString& editorName) {
    const int column = columnOf(fieldName);
    const int dataColumn = columnOf(dataField);
    if (column >= 0 && dataColumn >= 0)
        m_model->setColumnList(column, {list, listField, boundColumn, dataColumn, editorName});
}

QString DataGrid::columnCaption(int column) const {
    return m_model->caption(column);
}

bool DataGrid::isColumnLocked(int column) const {
    return m_model->isLocked(column);
}

void DataGrid::setAllowAddNew(bool allow) {
    m_model->setAllowAddNew(allow);
}

int DataGrid::currentColumn() const {
    return currentIndex().column();
}

void DataGrid::setCurrentColumn(int column) {
    const int row = currentIndex().isValid() ? currentIndex().row() : 0;
    const QModelIndex target = m_model->index(row, column);
    if (target.isValid())
        setCurrentIndex(target);
}

int DataGrid::newRow() const {
    return m_model->newRow();
}

QRect DataGrid::cellRect(int row, int column) const {
    return visualRect(m_model->index(row, column));
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    Recordset* rs = recordset();
    if (m_syncing || !rs || !rs->isOpen() || !current.isValid())
        return;
    const int row = current.row();
    if (row >= rs->RecordCount() || row == rs->AbsolutePosition())
        return;
    // Selecting a row moves the recordset there, which writes the row left; another user's
    // change to it asks first, and keeping the typing keeps the row.
    QString failure;
    try {
        if (!settleBeforeLeaving(this, *rs)) {
            followRecordset();
            return;
        }
        rs->MoveTo(row);
    } catch (...) {
        failure = currentFailureText();
    }
    if (failure.isEmpty())
        return;
    // The refusal of an unchanged row is reported once: the second press of a double click,
    // or another key press, does not repeat the same box.
    if (failure != m_refusal) {
        m_refusal = failure;
        controls::reportFailure(this, failure);
    }
    followRecordset(); // back to the row the recordset stayed on
}

void DataGrid::followRecordset() {
    if (state() == QAbstractItemView::EditingState) {
        // An editor is committing (a new row was begun, or the edit moved the recordset):
        // changing the current cell now would close the editor under the delegate's feet.
        if (!m_followPending) {
            m_followPending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_followPending = false;
                    moveToRecordsetRow();
                },
                Qt::QueuedConnection);
        }
        return;
    }
    moveToRecordsetRow();
}

void DataGrid::moveToRecordsetRow() {
    const Recordset* rs = recordset();
    if (m_syncing || !rs || !rs->isOpen())
        return;
    const int row = rs->AbsolutePosition();
    if (row < 0 || row == currentIndex().row())
        return;
    int column = currentIndex().column();
    if (column < 0 || isColumnHidden(column))
        column = firstVisibleColumn();
    showAsCurrent(m_model->index(row, column));
}

int DataGrid::firstVisibleColumn() const {
    int column = 0;
    while (column < m_model->columnCount() && isColumnHidden(column))
        ++column;
    return column;
}

void DataGrid::showAsCurrent(const QModelIndex& target) {
    if (!target.isValid())
        return;
    m_syncing = true;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
    scrollTo(target);
}

void DataGrid::keepCurrentVisible() {
    const QModelIndex current = currentIndex();
    if (current.isValid() && isColumnHidden(current.column()))
        showAsCurrent(m_model->index(current.row(), firstVisibleColumn()));
}

bool DataGrid::finishEdit() {
    // An open list has nothing to hand over until a choice is made.
    if (m_list)
        m_list->dismiss();
    QWidget* editor = indexWidget(currentIndex());
    if (state() != QAbstractItemView::EditingState || !editor)
        return true;
    bool accepted = true;
    const auto connection =
        connect(m_model, &RecordsetModel::writeFailed, this, [&accepted] { accepted = false; });
    commitData(editor);
    disconnect(connection);
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    return accepted;
}

bool DataGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Only the current row's cells are edited: a double click on a row the grid could not
    // move to opens no editor there.
    if (index.isValid() && currentIndex().isValid() && index.row() != currentIndex().row())
        return false;
    // A list column's cell is chosen with the grid's list.
    if (isListCell(index) &&
        (trigger & (DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed)) &&
        state() != EditingState) {
        openList(index);
        if (trigger == AnyKeyPressed && event && m_list && m_list->isVisible())
            QCoreApplication::sendEvent(m_list, event);
        return true;
    }
    return QTableView::edit(index, trigger, event);
}

bool DataGrid::isListCell(const QModelIndex& index) const {
    return index.isValid() && m_model->columnList(index.column()) &&
           (m_model->flags(index) & Qt::ItemIsEditable);
}

void DataGrid::openList(const QModelIndex& index) {
    const RecordsetModel::ColumnList* list = m_model->columnList(index.column());
    if (!list)
        return;
    const int column = index.column();
    runReported(this, [&] { emit cellEditBegun(column); });
    if (!m_list) {
        m_list = new GridList(window());
        connect(m_list, &GridList::chosen, this, &DataGrid::listChoiceMade);
        connect(m_list, &GridList::dismissed, this, [this] {
            m_listCell = QPersistentModelIndex();
            setFocus(Qt::OtherFocusReason);
        });
    }
    const QRect cell = visualRect(index);
    const QRect over(viewport()->mapTo(m_list->parentWidget(), cell.topLeft()), cell.size());
    m_listCell = index;
    m_list->open(list->list, list->listField, list->boundColumn, list->editorName,
                 m_model->caption(column), over, index.data(Qt::EditRole));
}

void DataGrid::listChoiceMade(const QVariant& value) {
    const QPersistentModelIndex cell = m_listCell;
    m_listCell = QPersistentModelIndex();
    setFocus(Qt::OtherFocusReason);
    if (!cell.isValid())
        return;
    const int column = cell.column();
    if (!m_model->setData(cell, value, Qt::EditRole))
        return;
    // Told from the event loop: the owner may re-bind the grid or open a window.
    QMetaObject::invokeMethod(
        this, [this, column] { runReported(this, [&] { emit listChosen(column); }); },
        Qt::QueuedConnection);
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    // Alt+Down or F4 opens a list cell's entries, as on any combo box.
    const QModelIndex current = currentIndex();
    const bool opens = event->key() == Qt::Key_F4 ||
                       (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (opens && isListCell(current)) {
        openList(current);
        if (m_list && m_list->isVisible())
            m_list->showPopup();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex DataGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // Tab stops at the grid's ends instead of wrapping round, so that it can leave the grid.
    const QModelIndex current = currentIndex();
    if (current.isValid() && (cursorAction == MoveNext || cursorAction == MovePrevious)) {
        const bool forward = cursorAction == MoveNext;
        const int row = forward ? m_model->rowCount() - 1 : 0;
        int column = forward ? m_model->columnCount() - 1 : 0;
        while (column >= 0 && column < m_model->columnCount() && isColumnHidden(column))
            column += forward ? -1 : 1;
        if (current.row() == row && current.column() == column)
            return {};
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

bool DataGrid::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & Qt::ControlModifier)) {
            leave(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QTableView::event(event);
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Tab in the editor of the last cell (Shift+Tab in the first) leaves the grid.
    const bool onward = hint == QAbstractItemDelegate::EditNextItem;
    if ((onward || hint == QAbstractItemDelegate::EditPreviousItem) &&
        !moveCursor(onward ? MoveNext : MovePrevious, Qt::NoModifier).isValid()) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        leave(onward);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void DataGrid::leave(bool forward) {
    QWidget::focusNextPrevChild(forward);
}

} // namespace quarvel::controls
