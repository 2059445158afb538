#include "data/Recordset.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/FieldValue.h"
#include "data/ProcedureScope.h"
#include "data/RecordWriter.h"
#include "data/Tr.h"

namespace quarvel {

namespace {

DatabaseError noCurrentRow() {
    return DatabaseError(QStringLiteral(
        "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
        "requires a current record."));
}

} // namespace

DatabaseError Recordset::notOpen() {
    return DatabaseError(Tr::tr("Operation is not allowed when the object is closed."));
}

Recordset::Recordset(QObject* parent) : QObject(parent) {}

Recordset::~Recordset() = default;

void Recordset::Open(const QString& source, std::shared_ptr<Connection> connection) {
    if (!connection)
        throw DatabaseError(Tr::tr("The connection cannot be used to perform this "
                                   "operation. It is either closed or invalid."));
    load(std::move(connection), source);
}

void Recordset::Requery() {
    if (!m_open)
        throw notOpen();
    m_failedAddProcedure = 0;
    if (EditMode() != adEditNone)
        Update();
    // Nothing written here or by anyone else since the result was read: reading it again
    // would give the same rows (a window opens each recordset and re-queries it at once).
    if (m_loadedStamp && m_loadedStamp == m_connection->backend().changeStamp()) {
        showFirstRow();
        return;
    }
    load(m_connection, m_source);
}

void Recordset::Close() {
    m_open = false;
    m_failedAddProcedure = 0;
    m_loadedStamp.reset();
    m_connection.reset();
    m_writer.reset();
    m_columns.clear();
    m_rows.clear();
    m_position = -1;
    m_onDeletedRow = false;
    emit rowsReset();
    emit currentChanged();
}

void Recordset::load(std::shared_ptr<Connection> connection, const QString& source) {
    // Everything is read before anything is replaced: a bad command text or a failed read
    // leaves the recordset as it was.
    BackendSession& backend = connection->backend();
    const std::unique_ptr<BackendCursor> cursor = backend.query(backend.translate(source));
    const int count = cursor->columnCount();
    QVector<ColumnInfo> columns(count);
    QVector<FieldKind> kinds(count);
    QVector<bool> converts(count);
    for (int i = 0; i < count; ++i) {
        const ResultColumn column = cursor->column(i);
        ColumnInfo& c = columns[i];
        c.name = column.name;
        c.table = column.table;
        c.origin = column.origin;
        c.kind = fieldKindFromDeclType(column.declType, !c.origin.isEmpty());
        c.size = c.kind == FieldKind::Text ? textSizeFromDeclType(column.declType) : 0;
        kinds[i] = c.kind;
        // Text and plain numbers are kept as the engine gives them.
        converts[i] = kinds[i] == FieldKind::Date || kinds[i] == FieldKind::Currency ||
                      kinds[i] == FieldKind::Computed;
    }
    QVector<Row> rows;
    // Read again, a result is about as long as it was.
    if (source == m_source)
        rows.reserve(m_rows.size());
    // The change stamp is taken on the first row, while the engine holds the snapshot the rows
    // come from; an empty result has none and is read again by each Requery.
    std::optional<quint64> stamp;
    while (cursor->next()) {
        if (rows.isEmpty())
            stamp = backend.changeStamp();
        Row& row = rows.emplace_back();
        row.values.reserve(count);
        for (int i = 0; i < count; ++i) {
            QVariant value = cursor->value(i);
            row.values.append(converts[i] ? FieldValue::fromStorage(value, kinds[i])
                                          : std::move(value));
        }
    }
    auto writer = std::make_unique<RecordWriter>(connection, columns);

    m_connection = std::move(connection);
    m_source = source;
    m_open = true;
    m_loadedStamp = stamp;
    m_columns.resize(count);
    for (int i = 0; i < count; ++i)
        m_columns[i] = columns[i].name;
    m_writer = std::move(writer);
    m_rows = std::move(rows);
    showFirstRow();
}

void Recordset::showFirstRow() {
    m_position = m_rows.isEmpty() ? -1 : 0;
    m_onDeletedRow = false;
    m_positionBeforeAdd = -1;
    m_failedAddProcedure = 0;
    emit rowsReset();
    emit currentChanged();
}

QString Recordset::UpdatableTable() const {
    return m_writer ? m_writer->table() : QString();
}

bool Recordset::isBOF() const {
    return !m_onDeletedRow && (m_rows.isEmpty() || m_position < 0);
}

bool Recordset::isEOF() const {
    return !m_onDeletedRow && (m_rows.isEmpty() || m_position >= m_rows.size());
}

bool Recordset::hasCurrentRow() const {
    return !m_onDeletedRow && m_position >= 0 && m_position < m_rows.size();
}

int Recordset::AbsolutePosition() const {
    return hasCurrentRow() ? m_position : -1;
}

Recordset::Row& Recordset::currentRow() {
    if (!hasCurrentRow())
        throw noCurrentRow();
    return m_rows[m_position];
}

const Recordset::Row& Recordset::currentRow() const {
    if (!hasCurrentRow())
        throw noCurrentRow();
    return m_rows[m_position];
}

bool Recordset::isDirty(const Row& row) const {
    if (!row.original)
        return false;
    for (int i = 0; i < row.values.size(); ++i) {
        if (!FieldValue::same(row.values[i], (*row.original)[i]))
            return true;
    }
    return false;
}

int Recordset::EditMode() const {
    if (!hasCurrentRow())
        return adEditNone;
    const Row& row = m_rows[m_position];
    if (row.isNew)
        return adEditAdd;
    return isDirty(row) ? adEditInProgress : adEditNone;
}

void Recordset::leaveCurrentRow() {
    if (EditMode() != adEditNone)
        Update();
}

void Recordset::setPosition(int position) {
    m_failedAddProcedure = 0;
    m_onDeletedRow = false;
    m_position = position;
    emit currentChanged();
}

DatabaseError Recordset::emptyResult() {
    // A move on an empty result leaves the cursor at BOF and EOF, also after a delete.
    if (m_onDeletedRow) {
        m_onDeletedRow = false;
        m_position = -1;
        emit currentChanged();
    }
    return noCurrentRow();
}

void Recordset::MoveFirst() {
    if (!m_open)
        throw notOpen();
    if (m_rows.isEmpty())
        throw emptyResult();
    leaveCurrentRow();
    setPosition(0);
}

void Recordset::MoveLast() {
    if (!m_open)
        throw notOpen();
    if (m_rows.isEmpty())
        throw emptyResult();
    leaveCurrentRow();
    setPosition(int(m_rows.size()) - 1);
}

void Recordset::MoveNext() {
    if (!m_open)
        throw notOpen();
    if (isEOF())
        throw noCurrentRow();
    leaveCurrentRow();
    // On a deleted row, the row that followed it already sits at the same index.
    setPosition(m_onDeletedRow ? m_position : m_position + 1);
}

void Recordset::MovePrevious() {
    if (!m_open)
        throw notOpen();
    if (isBOF())
        throw noCurrentRow();
    leaveCurrentRow();
    setPosition(m_position - 1);
}

void Recordset::MoveTo(int index) {
    if (!m_open)
        throw notOpen();
    if (index < 0 || index >= m_rows.size())
        throw noCurrentRow();
    if (index == m_position && hasCurrentRow())
        return;
    leaveCurrentRow();
    setPosition(index);
}

QString Recordset::fieldName(int column) const {
    return m_columns.value(column);
}

int Recordset::fieldIndex(const QString& name) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Recordset::checkedColumn(int column) const {
    if (column < 0 || column >= m_columns.size())
        throw DatabaseError(Tr::tr("Item cannot be found in the collection corresponding "
                                   "to the requested name or ordinal: %1.")
                                .arg(column));
    return column;
}

int Recordset::checkedColumn(const QString& name) const {
    const int column = fieldIndex(name);
    if (column < 0)
        throw DatabaseError(Tr::tr("Item cannot be found in the collection corresponding "
                                   "to the requested name or ordinal: '%1'.")
                                .arg(name));
    return column;
}

FieldKind Recordset::fieldKind(int column) const {
    return m_writer ? m_writer->columns().value(column).kind : FieldKind::Computed;
}

bool Recordset::isFieldUpdatable(int column) const {
    return m_writer && m_writer->isWritable(column);
}

int Recordset::DefinedSize(int column) const {
    return m_writer ? m_writer->columns().value(column).size : 0;
}

QVariant Recordset::OriginalValue(int column) const {
    const Row& row = currentRow();
    checkedColumn(column);
    return row.original ? (*row.original)[column] : row.values[column];
}

void Recordset::refuseAfterFailedAdd(const QString& what) const {
    if (ProcedureScope::isRunning(m_failedAddProcedure))
        throw DatabaseError(Tr::tr("The new row could not be added, so %1 is not written "
                                   "into the row shown.")
                                .arg(what),
                            DatabaseError::Kind::NotAdded);
}

QVariant Recordset::Fields(int column) const {
    return currentRow().values[checkedColumn(column)];
}

QVariant Recordset::Fields(const QString& name) const {
    return currentRow().values[checkedColumn(name)];
}

void Recordset::setField(const QString& name, const QVariant& value) {
    setField(checkedColumn(name), value);
}

void Recordset::setField(int column, const QVariant& value) {
    checkedColumn(column);
    Row& row = currentRow();
    refuseAfterFailedAdd(QStringLiteral("the field '%1'").arg(m_columns[column]));
    if (!isFieldUpdatable(column))
        throw DatabaseError(Tr::tr("The field '%1' cannot be updated.").arg(m_columns[column]));
    const QVariant converted = FieldValue::fromUser(value, fieldKind(column));
    const int size = DefinedSize(column);
    const int characters =
        converted.typeId() == QMetaType::QString ? characterCount(converted.toString()) : 0;
    if (size > 0 && characters > size)
        throw DatabaseError(Tr::tr("The field '%1' takes at most %2 characters; the text "
                                   "given has %3. Nothing was changed.")
                                .arg(m_columns[column])
                                .arg(size)
                                .arg(characters));
    if (FieldValue::same(row.values[column], converted) &&
        row.values[column].typeId() == converted.typeId())
        return;
    if (!row.original)
        row.original = row.values;
    row.values[column] = converted;
    emit fieldChanged(column);
    emit rowChanged(m_position);
}

QVariant Recordset::value(int row, int column) const {
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return QVariant();
    return m_rows[row].values[column];
}

int Recordset::rowOf(int column, const QVariant& value) const {
    if (value.isNull() || column < 0)
        return -1;
    for (int row = 0; row < RecordCount(); ++row) {
        if (FieldValue::same(this->value(row, column), value))
            return row;
    }
    return -1;
}

void Recordset::AddNew() {
    try {
        addNew();
    } catch (...) {
        m_failedAddProcedure = ProcedureScope::current();
        throw;
    }
}

void Recordset::addNew() {
    if (!m_open)
        throw notOpen();
    if (UpdatableTable().isEmpty())
        throw DatabaseError(Tr::tr("Rows cannot be added to this result: they belong to "
                                   "no single table."));
    leaveCurrentRow();
    m_positionBeforeAdd = hasCurrentRow() ? m_position : -1;
    Row row;
    row.values.resize(m_columns.size());
    row.original = row.values;
    row.isNew = true;
    m_rows.append(std::move(row));
    const int index = int(m_rows.size()) - 1;
    emit rowInserted(index);
    setPosition(index);
}

void Recordset::Update() {
    if (!m_open)
        throw notOpen();
    Row& row = currentRow();
    refuseAfterFailedAdd(QStringLiteral("the row"));
    if (row.isNew) {
        QVector<QVariant> values = row.values;
        m_writer->insert(values);
        row.values = std::move(values);
        row.isNew = false;
        row.original.reset();
    } else {
        if (!isDirty(row)) {
            row.original.reset();
            return;
        }
        QVector<QVariant> values = row.values;
        m_writer->update(values, *row.original);
        row.values = std::move(values);
        row.original.reset();
    }
    emitRowValuesChanged();
}

void Recordset::emitRowValuesChanged() {
    emit rowChanged(m_position);
    for (int i = 0; i < m_columns.size(); ++i)
        emit fieldChanged(i);
}

void Recordset::CancelUpdate() {
    m_failedAddProcedure = 0;
    if (!hasCurrentRow())
        return;
    Row& row = m_rows[m_position];
    if (row.isNew) {
        const int index = m_position;
        m_rows.removeAt(index);
        emit rowRemoved(index);
        int back = m_positionBeforeAdd;
        if (back < 0 || back >= m_rows.size())
            back = m_rows.isEmpty() ? -1 : int(m_rows.size()) - 1;
        setPosition(back < 0 ? int(m_rows.size()) : back);
        return;
    }
    if (!row.original)
        return;
    row.values = *row.original;
    row.original.reset();
    emitRowValuesChanged();
}

void Recordset::Delete() {
    if (!m_open)
        throw notOpen();
    Row& row = currentRow();
    if (!row.isNew)
        m_writer->remove(row.original ? *row.original : row.values);
    const int index = m_position;
    m_rows.removeAt(index);
    m_onDeletedRow = true;
    emit rowRemoved(index);
    emit currentChanged();
}

} // namespace quarvel
