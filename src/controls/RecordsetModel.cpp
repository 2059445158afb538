#include "controls/RecordsetModel.h"

#include "controls/ControlError.h"
#include "controls/ValueFormat.h"
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
    if (!index.isValid() || !m_recordset || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (index.row() >= recordCount())
        return QString();
    const QVariant value = m_recordset->value(index.row(), index.column());
    return ValueFormat::displayText(value, dateFormat());
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
    if (!isLocked(index.column()) && m_recordset->isFieldUpdatable(index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

QVariant RecordsetModel::typedValue(int column, const QVariant& value) const {
    // A date is typed in the form the grid shows it in, whatever the recordset reads.
    if (m_recordset->fieldKind(column) != FieldKind::Date)
        return value;
    const QDate date = QDate::fromString(value.toString().trimmed(), dateFormat());
    return date.isValid() ? QVariant(date) : value;
}

bool RecordsetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !m_recordset ||
        !(flags(index) & Qt::ItemIsEditable))
        return false;
    Recordset* rs = m_recordset;
    const int column = index.column();
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
        if (data(index, Qt::EditRole).toString() == value.toString())
            return true;
        rs->MoveTo(row);
        rs->setField(column, typedValue(column, value));
        return true;
    } catch (const std::exception& error) {
        emit writeFailed(messageOf(error));
    } catch (...) {
        emit writeFailed(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace quarvel::controls
