#include "controls/DataGrid.h"

#include "controls/ControlError.h"
#include "controls/DataControl.h"
#include "controls/RecordsetModel.h"
#include "data/Recordset.h"
#include "platform/Twips.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace quarvel::controls {

namespace {

// Tells the grid that an editor is about to open, which is the moment a cell edit begins.
class CellEditDelegate : public QStyledItemDelegate {
public:
    CellEditDelegate(DataGrid* grid, std::function<void(int)> editBegins)
        : QStyledItemDelegate(grid), m_editBegins(std::move(editBegins)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        m_editBegins(index.column());
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

private:
    std::function<void(int)> m_editBegins;
};

} // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), m_model(new RecordsetModel(this)) {
    setModel(m_model);
    setItemDelegate(new CellEditDelegate(this, [this](int column) {
        // The owner's handler runs inside the view's editing: nothing may escape from it.
        runReported(this, [&] { emit cellEditBegun(column); });
    }));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(m_model, &RecordsetModel::newRowBegun, this, &DataGrid::newRowBegun);
    connect(m_model, &RecordsetModel::writeFailed, this, &DataGrid::reportFailure);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { followRecordset(); });
}

DataGrid::~DataGrid() = default;

void DataGrid::setRecordset(Recordset* recordset) {
    for (const auto& connection : std::as_const(m_recordsetConnections))
        disconnect(connection);
    m_recordsetConnections.clear();
    m_model->setRecordset(recordset);
    // Every column back to its defaults: the owner lays the new columns out again.
    for (int column = 0; column < m_model->columnCount(); ++column) {
        QTableView::setColumnHidden(column, false);
        setColumnWidth(column, horizontalHeader()->defaultSectionSize());
    }
    if (recordset) {
        m_recordsetConnections << connect(recordset, &Recordset::currentChanged, this,
                                          [this] { followRecordset(); });
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

quint64 DataGrid::currentRowBookmark() const {
    const Recordset* rs = recordset();
    return rs ? rs->bookmarkAt(currentIndex().row()) : 0;
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
    // Selecting a row moves the recordset there, which writes the row left.
    const bool moved = runReported(this, [&] { rs->MoveTo(row); });
    if (!moved)
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
    if (column < 0 || isColumnHidden(column)) {
        column = 0;
        while (column < m_model->columnCount() && isColumnHidden(column))
            ++column;
    }
    const QModelIndex target = m_model->index(row, column);
    if (!target.isValid())
        return;
    m_syncing = true;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

void DataGrid::reportFailure(const QString& message) {
    showControlError(this, message);
}

} // namespace quarvel::controls
