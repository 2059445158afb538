#include "controls/RecordsetModel.h"

#include "controls/ErrorReport.h"
#include "controls/ValueFormat.h"
#include "csv/CsvText.h"
#include "data/FieldValue.h"
#include "data/Recordset.h"

#include <QDate>

namespace quarvel::controls {

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

RecordsetModel::~RecordsetModel() = default;

void RecordsetModel::setRecordset(Recordset* recordset) {
    beginResetModel();
    for (const auto& connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_recordset = recordset;
    m_captions.clear();
    m_locked.clear();
    m_lists.clear();
    connectRecordset();
    m_rows = recordCount() + (newRow() >= 0 ? 1 : 0);
    m_columns = recordset && recordset->isOpen() ? recordset->fieldCount() : 0;
    endResetModel();
}

Recordset* RecordsetModel::recordset() const {
    return m_recordset;
}

void RecordsetModel::connectRecordset() {
    Recordset* rs = m_recordset;
    if (!rs)
        return;
    m_connections << connect(rs, &Recordset::rowsReset, this, &RecordsetModel::onRowsReset)
                  << connect(rs, &Recordset::rowInserted, this, &RecordsetModel::onRowInserted)
                  << connect(rs, &Recordset::rowRemoved, this, &RecordsetModel::onRowRemoved)
                  << connect(rs, &Recordset::rowChanged, this, &RecordsetModel::onRowChanged)
                  << connect(rs, &QObject::destroyed, this, [this] { setRecordset(nullptr); });
}

int RecordsetModel::recordCount() const {
    return m_recordset && m_recordset->isOpen() ? m_recordset->RecordCount() : 0;
}

void RecordsetModel::onRowsReset() {
    beginResetModel();
    m_rows = recordCount() + (newRow() >= 0 ? 1 : 0);
    m_columns = m_recordset && m_recordset->isOpen() ? m_recordset->fieldCount() : 0;
    endResetModel();
}

void RecordsetModel::onRowInserted(int row) {
    beginInsertRows({}, row, row);
    ++m_rows;
    endInsertRows();
}

void RecordsetModel::onRowRemoved(int row) {
    beginRemoveRows({}, row, row);
    --m_rows;
    endRemoveRows();
}

void RecordsetModel::onRowChanged(int row) {
    if (row < 0 || row >= m_rows || m_columns == 0)
        return;
    emit dataChanged(index(row, 0), index(row, m_columns - 1));
}

void RecordsetModel::setCaption(int column, const QString& caption) {
    m_captions.insert(column, caption);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString RecordsetModel::caption(int column) const {
    if (m_captions.contains(column))
        return m_captions.value(column);
    return m_recordset ? m_recordset->fieldName(column) : QString();
}

void RecordsetModel::setLocked(int column, bool locked) {
    if (locked)
        m_locked.insert(column);
    else
        m_locked.remove(column);
}

bool RecordsetModel::isLocked(int column) const {
    return m_locked.contains(column);
}

void RecordsetModel::setColumnList(int column, const ColumnList& list) {
    m_lists.insert(column, list);
    if (Recordset* rs = list.list) {
        // Renamed, added or re-read list rows change what the cells show.
        const auto announce = [this, column] {
            announceColumn(column);
        };
        m_connections << connect(rs, &Recordset::rowsReset, this, announce)
                      << connect(rs, &Recordset::rowChanged, this, announce)
                      << connect(rs, &Recordset::rowInserted, this, announce)
                      << connect(rs, &Recordset::rowRemoved, this, announce);
    }
    announceColumn(column);
}

const RecordsetModel::ColumnList* RecordsetModel::columnList(int column) const {
    const auto found = m_lists.constFind(column);
    return found == m_lists.cend() ? nullptr : &found.value();
}

void RecordsetModel::announceColumn(int column) {
    if (m_rows > 0 && column >= 0 && column < m_columns)
        emit dataChanged(index(0, column), index(m_rows - 1, column));
}

QString RecordsetModel::listText(const ColumnList& list, int row, int column) const {
    const QVariant key = m_recordset->value(row, list.dataColumn);
    const Recordset* rs = list.list;
    if (!key.isNull() && rs && rs->isOpen()) {
        const int shown = rs->fieldIndex(list.listField);
        const int stored = rs->fieldIndex(list.boundColumn);
        if (shown >= 0 && stored >= 0) {
            const int listRow = listRowOf(*rs, stored, key);
            if (listRow >= 0)
                return ValueFormat::displayText(rs->value(listRow, shown), dateFormat());
        }
    }
    return ValueFormat::displayText(m_recordset->value(row, column), dateFormat());
}

int RecordsetModel::listRowOf(const Recordset& list, int boundColumn, const QVariant& key) const {
    // The list's rows by their bound value's text, built once for each state of the list: a
    // long list (every product) is searched neither once per cell painted nor again for each
    // recordset the grid shows.
    auto found = m_listRows.find(&list);
    if (found == m_listRows.end() || found->boundColumn != boundColumn) {
        if (!m_watchedLists.contains(&list)) {
            // Any change of the list's rows makes the index stale.
            auto* self = const_cast<RecordsetModel*>(this);
            const Recordset* rs = &list;
            m_watchedLists.insert(rs);
            connect(rs, &Recordset::rowsReset, self, [self, rs] { self->m_listRows.remove(rs); });
            connect(rs, &Recordset::rowChanged, self, [self, rs] { self->m_listRows.remove(rs); });
            connect(rs, &Recordset::rowInserted, self, [self, rs] { self->m_listRows.remove(rs); });
            connect(rs, &Recordset::rowRemoved, self, [self, rs] { self->m_listRows.remove(rs); });
            connect(rs, &QObject::destroyed, self, [self, rs] {
                self->m_listRows.remove(rs);
                self->m_watchedLists.remove(rs);
            });
        }
        ListRows index{boundColumn, {}};
        index.rows.reserve(list.RecordCount());
        for (int listRow = list.RecordCount() - 1; listRow >= 0; --listRow)
            index.rows.insert(ValueFormat::displayText(list.value(listRow, boundColumn)), listRow);
        found = m_listRows.insert(&list, std::move(index));
    }
    const int listRow = found->rows.value(ValueFormat::displayText(key), -1);
    return listRow >= 0 && FieldValue::same(list.value(listRow, boundColumn), key) ? listRow : -1;
}

void RecordsetModel::setDateFormat(const QString& format) {
    m_dateFormat = format;
    if (m_rows > 0 && m_columns > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
}

QString RecordsetModel::dateFormat() const {
    return m_dateFormat.isEmpty() ? ValueFormat::shortDateFormat() : m_dateFormat;
}

void RecordsetModel::setAllowAddNew(bool allow) {
    if (allow == m_allowAddNew)
        return;
    beginResetModel();
    m_allowAddNew = allow;
    m_rows = recordCount() + (newRow() >= 0 ? 1 : 0);
    endResetModel();
}

int RecordsetModel::newRow() const {
    if (!m_allowAddNew || !m_recordset || !m_recordset->isOpen() ||
        m_recordset->UpdatableTable().isEmpty())
        return -1;
    return recordCount();
}

bool RecordsetModel::isNewRow(int row) const {
    return row >= 0 && row == newRow();
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_recordset ||
        (role != Qt::DisplayRole && role != Qt::EditRole && role != csv::PortableValueRole))
        return {};
    if (index.row() >= recordCount())
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    const ColumnList* list = columnList(index.column());
    if (role == csv::PortableValueRole)
        return list ? listText(*list, index.row(), index.column())
                    : m_recordset->value(index.row(), index.column());
    if (role == Qt::EditRole)
        return m_recordset->value(index.row(), list ? list->dataColumn : index.column());
    if (list)
        return listText(*list, index.row(), index.column());
    return ValueFormat::displayText(m_recordset->value(index.row(), index.column()), dateFormat());
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return caption(section);
    return isNewRow(section) ? QStringLiteral("*") : QString();
}

Qt::ItemFlags RecordsetModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !m_recordset)
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // A list column takes no typing, only the list's entries: a lock does not keep its list shut.
    const ColumnList* list = columnList(index.column());
    if (list ? m_recordset->isFieldUpdatable(list->dataColumn)
             : !isLocked(index.column()) && m_recordset->isFieldUpdatable(index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

QVariant RecordsetModel::typedValue(int column, const QVariant& value) const {
    // A date is typed in the form the grid shows it in, whatever the recordset reads.
    if (m_recordset->fieldKind(column) != FieldKind::Date || value.typeId() != QMetaType::QString)
        return value;
    const QDate date = QDate::fromString(value.toString().trimmed(), dateFormat());
    return date.isValid() ? QVariant(date) : value;
}

bool RecordsetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !m_recordset ||
        !(flags(index) & Qt::ItemIsEditable))
        return false;
    Recordset* rs = m_recordset;
    const ColumnList* list = columnList(index.column());
    const int column = list ? list->dataColumn : index.column();
    const int row = index.row();
    try {
        if (isNewRow(row)) {
            if (value.toString().isEmpty())
                return false; // nothing typed: no row is begun
            rs->AddNew();
            emit newRowBegun();
            if (m_recordset != rs || rs->EditMode() != Recordset::adEditAdd)
                return false; // the handler re-bound the grid or dropped the row
            rs->setField(column, typedValue(column, value));
            return true;
        }
        if (row >= recordCount())
            return false;
        // An unchanged cell writes nothing and does not count as an edit.
        if (ValueFormat::displayText(rs->value(row, column), dateFormat()) ==
            ValueFormat::displayText(value, dateFormat()))
            return true;
        rs->MoveTo(row);
        rs->setField(column, typedValue(column, value));
        return true;
    } catch (...) {
        emit writeFailed(currentFailureText());
    }
    return false;
}

} // namespace quarvel::controls
