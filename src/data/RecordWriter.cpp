#include "data/RecordWriter.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Tr.h"

#include <QDate>
#include <QSet>

namespace quarvel {

namespace {

// A value as it was read, turned back into what the engine stores.
QVariant storedForm(const QVariant& value) {
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(Qt::ISODate);
    return value;
}

} // namespace

RecordWriter::RecordWriter(std::shared_ptr<Connection> connection, QVector<ColumnInfo> columns)
    : m_connection(std::move(connection)), m_columns(std::move(columns)),
      m_writable(m_columns.size(), false) {
    QStringList tables;
    for (const ColumnInfo& c : m_columns) {
        if (!c.table.isEmpty() && !tables.contains(c.table))
            tables.append(c.table);
    }
    for (const QString& table : tables) {
        const QString key = backend().primaryKey(table);
        if (key.isEmpty())
            continue;
        for (int i = 0; i < m_columns.size(); ++i) {
            if (m_columns[i].table == table &&
                m_columns[i].origin.compare(key, Qt::CaseInsensitive) == 0) {
                m_table = table;
                m_keyColumn = i;
                break;
            }
        }
        if (!m_table.isEmpty())
            break;
    }
    if (m_table.isEmpty() && tables.size() == 1)
        m_table = tables.first();
    if (m_table.isEmpty())
        return;
    QSet<QString> seen;
    for (int i = 0; i < m_columns.size(); ++i) {
        const ColumnInfo& c = m_columns[i];
        if (c.table == m_table && !seen.contains(c.origin.toLower())) {
            seen.insert(c.origin.toLower());
            m_writable[i] = true;
            m_written.append(i);
            m_writtenNames.append(c.origin);
        }
    }
}

BackendSession& RecordWriter::backend() const {
    return m_connection->backend();
}

void RecordWriter::requireTable() const {
    if (m_table.isEmpty())
        throw DatabaseError(Tr::tr("This result cannot be changed: its rows belong to no "
                                   "single table."));
}

RowMatch RecordWriter::rowMatch(const QVector<int>& columns,
                                const QVector<QVariant>& original) const {
    RowMatch match;
    for (int c : columns) {
        match.columns << m_columns[c].origin;
        match.values << storedForm(original[c]);
    }
    return match;
}

QVector<int> RecordWriter::identifyingColumns(const QVector<int>& checked) const {
    QVector<int> result;
    if (m_keyColumn >= 0)
        result.append(m_keyColumn);
    for (int c : checked) {
        if (c != m_keyColumn)
            result.append(c);
    }
    return result;
}

void RecordWriter::readBack(QVector<QVariant>& values, const QVector<QVariant>& stored) const {
    for (int i = 0; i < m_written.size() && i < stored.size(); ++i)
        values[m_written[i]] = FieldValue::fromStorage(stored[i], m_columns[m_written[i]].kind);
}

void RecordWriter::insert(QVector<QVariant>& values) const {
    requireTable();
    QStringList names;
    QVector<QVariant> bound;
    for (int i : m_written) {
        if (values[i].isNull())
            continue;
        names << m_columns[i].origin;
        bound << FieldValue::toStorage(values[i], m_columns[i].kind, m_columns[i].name);
    }
    QVector<QVariant> stored;
    try {
        stored = backend().insertRow(m_table, names, bound, m_writtenNames);
    } catch (const DatabaseError& error) {
        if (error.kind() != DatabaseError::Kind::Failure)
            throw;
        throwWriteError(error, values);
    }
    readBack(values, stored);
}

void RecordWriter::update(QVector<QVariant>& values, const QVector<QVariant>& original) const {
    requireTable();
    QVector<int> changed;
    for (int i : m_written) {
        if (!FieldValue::same(values[i], original[i]))
            changed.append(i);
    }
    if (changed.isEmpty())
        return;
    QStringList names;
    QVector<QVariant> bound;
    for (int c : changed) {
        names << m_columns[c].origin;
        bound << FieldValue::toStorage(values[c], m_columns[c].kind, m_columns[c].name);
    }
    // A row without a key in the result is found by all of its values.
    const RowMatch match =
        rowMatch(m_keyColumn >= 0 ? identifyingColumns(changed) : m_written, original);
    std::optional<QVector<QVariant>> stored;
    try {
        stored =
            backend().updateRow(m_table, names, bound, match, m_keyColumn >= 0, m_writtenNames);
    } catch (const DatabaseError& error) {
        if (error.kind() != DatabaseError::Kind::Failure)
            throw;
        throwWriteError(error, values);
    }
    if (!stored)
        throwConflict(original);
    readBack(values, *stored);
}

void RecordWriter::remove(const QVector<QVariant>& original) const {
    requireTable();
    bool deleted = false;
    try {
        deleted = backend().deleteRow(m_table, rowMatch(identifyingColumns(m_written), original),
                                      m_keyColumn >= 0);
    } catch (const DatabaseError& error) {
        if (error.kind() != DatabaseError::Kind::Failure)
            throw;
        throwDeleteError(error, original);
    }
    if (!deleted)
        throwConflict(original);
}

void RecordWriter::reread(QVector<QVariant>& values) const {
    requireTable();
    if (m_keyColumn < 0)
        throw DatabaseError(Tr::tr("The row of '%1' cannot be read again: the result "
                                   "holds no key of its table.")
                                .arg(m_table));
    const std::optional<QVector<QVariant>> stored =
        backend().readRow(m_table, rowMatch({m_keyColumn}, values), m_writtenNames);
    if (!stored)
        throw DatabaseError(Tr::tr("The row of '%1' was deleted by another user.").arg(m_table));
    readBack(values, *stored);
}

void RecordWriter::throwConflict(const QVector<QVariant>& original) const {
    const bool stillThere =
        m_keyColumn >= 0 && backend().countRows(m_table, rowMatch({m_keyColumn}, original)) > 0;
    if (stillThere)
        throw DatabaseError(Tr::tr("The row of '%1' was changed by another user since it "
                                   "was read. Nothing was written.")
                                .arg(m_table),
                            DatabaseError::Kind::Conflict);
    throw DatabaseError(Tr::tr("The row of '%1' was changed or deleted by another user "
                               "since it was read. Nothing was written.")
                            .arg(m_table));
}

void RecordWriter::throwWriteError(const DatabaseError& error,
                                   const QVector<QVariant>& values) const {
    if (error.constraint() != DatabaseError::Constraint::ForeignKey)
        throw error;
    // The engine names no field: the first value that refers to no row is the one.
    for (const ForeignKey& key : backend().foreignKeys(m_table)) {
        for (int i : m_written) {
            if (m_columns[i].origin.compare(key.column, Qt::CaseInsensitive) != 0 ||
                values[i].isNull())
                continue;
            if (backend().countRows(key.parentTable,
                                    {{key.parentColumn}, {storedForm(values[i])}}) == 0)
                throw DatabaseError(
                    Tr::tr("The value %1 of the field '%2' refers to no "
                           "row of '%3'.")
                        .arg(values[i].toString(), m_columns[i].name, key.parentTable),
                    DatabaseError::Kind::Failure, DatabaseError::Constraint::ForeignKey);
        }
    }
    throw error;
}

void RecordWriter::throwDeleteError(const DatabaseError& error,
                                    const QVector<QVariant>& original) const {
    if (error.constraint() != DatabaseError::Constraint::ForeignKey || m_keyColumn < 0)
        throw error;
    QStringList users;
    qint64 rows = 0;
    for (const QString& child : backend().tables()) {
        for (const ForeignKey& key : backend().foreignKeys(child)) {
            if (key.parentTable.compare(m_table, Qt::CaseInsensitive) != 0)
                continue;
            const qint64 n =
                backend().countRows(child, {{key.column}, {storedForm(original[m_keyColumn])}});
            rows += n;
            if (n > 0)
                users << (n == 1 ? Tr::tr("1 row of '%1'").arg(child)
                                 : Tr::tr("%1 rows of '%2'").arg(n).arg(child));
        }
    }
    if (users.isEmpty())
        throw error;
    // Whole sentences: one row still refers to it, more rows still refer to it.
    const QString message =
        rows == 1 ? Tr::tr("This row of '%1' cannot be deleted: %2 still refers to it.")
                  : Tr::tr("This row of '%1' cannot be deleted: %2 still refer to it.");
    throw DatabaseError(message.arg(m_table, users.join(Tr::tr(" and "))),
                        DatabaseError::Kind::Failure, DatabaseError::Constraint::ForeignKey);
}

} // namespace quarvel
