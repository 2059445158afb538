// Reading rows again: the current row's stored values (Resync, StoredValues), and a row
// another program changed, added or deleted (RefreshRow), each read through the recordset's
// own command text and connection.
#include "data/Recordset.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/FieldValue.h"
#include "data/RecordWriter.h"

namespace quarvel {

void Recordset::Resync() {
    if (!m_open)
        throw notOpen();
    Row& row = currentRow();
    if (row.isNew)
        return;
    const QVector<QVariant> before = row.original ? *row.original : row.values;
    QVector<QVariant> stored = before;
    m_writer->reread(stored);
    for (int i = 0; i < row.values.size(); ++i) {
        if (FieldValue::same(row.values[i], before[i]))
            row.values[i] = stored[i];
    }
    row.original = stored;
    emitRowValuesChanged();
}

QVector<QVariant> Recordset::StoredValues() const {
    if (!m_open)
        throw notOpen();
    const Row& row = currentRow();
    QVector<QVariant> stored = row.original ? *row.original : row.values;
    if (!row.isNew)
        m_writer->reread(stored);
    return stored;
}

bool Recordset::isRowEdited(int row) const {
    return row >= 0 && row < m_rows.size() && (m_rows[row].isNew || isDirty(m_rows[row]));
}

int Recordset::KeyColumn() const {
    return m_writer ? m_writer->keyColumn() : -1;
}

RowRefresh Recordset::RefreshRow(const QVariant& key) {
    if (!m_open)
        throw notOpen();
    const int keyColumn = KeyColumn();
    if (keyColumn < 0)
        return refreshWhole();
    const int index = rowOf(keyColumn, key);
    if (index >= 0 && m_rows[index].isNew)
        return RowRefresh::Held;
    const std::optional<QVector<QVariant>> stored = readKeyedRow(keyColumn, key);
    if (index >= 0 && isDirty(m_rows[index])) {
        // Stored as it was read (the change was this row's own, or undone): nothing to hold.
        const QVector<QVariant>& original = *m_rows[index].original;
        for (int i = 0; stored && i < original.size(); ++i) {
            if (!FieldValue::same(original[i], (*stored)[i]))
                return RowRefresh::Held;
        }
        return stored ? RowRefresh::Unchanged : RowRefresh::Held;
    }
    if (index < 0) {
        if (!stored)
            return RowRefresh::Absent;
        const bool atEnd = !m_onDeletedRow && m_position >= m_rows.size();
        Row& row = m_rows.emplace_back();
        row.values = *stored;
        if (atEnd)
            m_position = int(m_rows.size()); // EOF stays EOF
        emit rowInserted(int(m_rows.size()) - 1);
        return RowRefresh::Added;
    }
    if (!stored) {
        removeRefreshedRow(index);
        return RowRefresh::Removed;
    }
    Row& row = m_rows[index];
    row.original.reset();
    QVector<int> changed;
    for (int i = 0; i < row.values.size(); ++i) {
        if (!FieldValue::same(row.values[i], (*stored)[i]))
            changed.append(i);
    }
    if (changed.isEmpty())
        return RowRefresh::Unchanged;
    row.values = *stored;
    emit rowChanged(index);
    if (index == m_position && !m_onDeletedRow) {
        for (int column : std::as_const(changed))
            emit fieldChanged(column);
    }
    return RowRefresh::Refreshed;
}

std::optional<QVector<QVariant>> Recordset::readKeyedRow(int keyColumn, const QVariant& key) const {
    // The command text itself picks the row, so that joined and computed columns come out as
    // a whole read gives them, and a row that left the text's WHERE is found gone.
    BackendSession& backend = m_connection->backend();
    QString sql = backend.translate(m_source).trimmed();
    while (sql.endsWith(u';'))
        sql = sql.chopped(1).trimmed();
    QString name = m_columns[keyColumn];
    name.replace(u'"', QStringLiteral("\"\""));
    const auto cursor = backend.query(QStringLiteral("SELECT * FROM (") + sql +
                                          QStringLiteral(") refreshed_row WHERE refreshed_row.\"") +
                                          name + QStringLiteral("\" = $1"),
                                      {key});
    if (!cursor->next())
        return std::nullopt;
    const QVector<ColumnInfo>& columns = m_writer->columns();
    QVector<QVariant> values;
    values.reserve(columns.size());
    for (int i = 0; i < columns.size(); ++i)
        values.append(FieldValue::fromStorage(
            i < cursor->columnCount() ? cursor->value(i) : QVariant(), columns[i].kind));
    return values;
}

void Recordset::removeRefreshedRow(int index) {
    m_rows.removeAt(index);
    if (m_positionBeforeAdd > index)
        --m_positionBeforeAdd;
    const bool wasCurrent = !m_onDeletedRow && index == m_position;
    if (index < m_position)
        --m_position;
    emit rowRemoved(index);
    if (!wasCurrent)
        return;
    // The row that followed becomes current, or the last one; none when the result is empty.
    m_failedAddProcedure = 0;
    m_position = m_rows.isEmpty() ? -1 : std::min(index, int(m_rows.size()) - 1);
    emit currentChanged();
}

RowRefresh Recordset::refreshWhole() {
    for (const Row& row : std::as_const(m_rows)) {
        if (row.isNew || isDirty(row))
            return RowRefresh::Held;
    }
    const int position = m_position;
    const bool onDeleted = m_onDeletedRow;
    QVector<Row> before = m_rows;
    load(m_connection, m_source);
    bool same = before.size() == m_rows.size();
    for (int i = 0; same && i < m_rows.size(); ++i) {
        for (int c = 0; same && c < m_rows[i].values.size(); ++c)
            same = FieldValue::same(before[i].values[c], m_rows[i].values[c]);
    }
    if (!onDeleted && position > 0 && position <= m_rows.size()) {
        m_position = position;
        emit currentChanged();
    }
    return same ? RowRefresh::Unchanged : RowRefresh::Refreshed;
}

} // namespace quarvel
