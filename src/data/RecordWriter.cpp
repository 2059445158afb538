#include "data/RecordWriter.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/SqliteStatement.h"

#include <QDate>
#include <QSet>
#include <QStringList>
#include <sqlite3.h>

namespace quarvel {

namespace {

QString quoted(const QString& name) {
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

// A value as it was read, turned back into what the engine stores.
QVariant storedForm(const QVariant& value) {
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(Qt::ISODate);
    return value;
}

struct ForeignKey {
    QString column;
    QString parentTable;
    QString parentColumn;
};

QVector<ForeignKey> foreignKeysOf(sqlite3* db, const QString& table) {
    QVector<ForeignKey> keys;
    SqliteStatement list(db, QStringLiteral("SELECT \"from\", \"table\", \"to\" FROM "
                                            "pragma_foreign_key_list(?)"));
    list.bind(1, table);
    while (list.step())
        keys.append({list.value(0).toString(), list.value(1).toString(), list.value(2).toString()});
    return keys;
}

QString primaryKeyOf(sqlite3* db, const QString& table) {
    SqliteStatement info(db, QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk = 1 "
                                            "AND (SELECT count(*) FROM pragma_table_info(?) "
                                            "WHERE pk > 0) = 1"));
    info.bind(1, table);
    info.bind(2, table);
    return info.step() ? info.value(0).toString() : QString();
}

} // namespace

RecordWriter::RecordWriter(std::shared_ptr<Connection> connection, QVector<ColumnInfo> columns)
    : m_connection(std::move(connection)), m_columns(std::move(columns)),
      m_writable(m_columns.size(), false) {
    sqlite3* db = m_connection->handle();
    QStringList tables;
    for (const ColumnInfo& c : m_columns) {
        if (!c.table.isEmpty() && !tables.contains(c.table))
            tables.append(c.table);
    }
    for (const QString& table : tables) {
        const QString key = primaryKeyOf(db, table);
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
        }
    }
}

QString RecordWriter::quotedTable() const {
    return quoted(m_table);
}

void RecordWriter::requireTable() const {
    if (m_table.isEmpty())
        throw DatabaseError(QStringLiteral("This result cannot be changed: its rows belong to no "
                                           "single table."));
}

QString RecordWriter::rowCondition(const QVector<int>& columns) const {
    QStringList parts;
    for (int c : columns)
        parts << quoted(m_columns[c].origin) + QStringLiteral(" IS ?");
    return parts.join(QStringLiteral(" AND "));
}

void RecordWriter::bindRowCondition(SqliteStatement& statement, int firstIndex,
                                    const QVector<int>& columns,
                                    const QVector<QVariant>& original) const {
    int index = firstIndex;
    for (int c : columns)
        statement.bind(index++, storedForm(original[c]));
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

qlonglong RecordWriter::rowidOf(const QVector<QVariant>& original) const {
    QVector<int> all;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_writable[i])
            all.append(i);
    }
    SqliteStatement find(m_connection->handle(),
                         QStringLiteral("SELECT rowid FROM %1 WHERE %2 LIMIT 1")
                             .arg(quotedTable(), rowCondition(all)));
    bindRowCondition(find, 1, all, original);
    if (!find.step())
        throwConflict(original);
    return find.value(0).toLongLong();
}

void RecordWriter::readBack(QVector<QVariant>& values, qlonglong rowid) const {
    QStringList names;
    QVector<int> indexes;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_writable[i]) {
            names << quoted(m_columns[i].origin);
            indexes << i;
        }
    }
    SqliteStatement read(
        m_connection->handle(),
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(names.join(u','), quotedTable()));
    read.bind(1, rowid);
    if (!read.step())
        return;
    for (int i = 0; i < indexes.size(); ++i)
        values[indexes[i]] = FieldValue::fromStorage(read.value(i), m_columns[indexes[i]].kind);
}

void RecordWriter::insert(QVector<QVariant>& values) const {
    requireTable();
    QStringList names;
    QVector<QVariant> bound;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!m_writable[i] || values[i].isNull())
            continue;
        names << quoted(m_columns[i].origin);
        bound << FieldValue::toStorage(values[i], m_columns[i].kind, m_columns[i].name);
    }
    QString sql;
    if (names.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedTable());
    } else {
        QStringList marks(names.size(), QStringLiteral("?"));
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quotedTable(), names.join(u','), marks.join(u','));
    }
    sqlite3* db = m_connection->handle();
    SqliteStatement statement(db, sql);
    for (int i = 0; i < bound.size(); ++i)
        statement.bind(i + 1, bound[i]);
    try {
        statement.execute();
    } catch (const DatabaseError& error) {
        if (error.kind() != DatabaseError::Kind::Failure)
            throw;
        throwWriteError(error.message(), values);
    }
    readBack(values, sqlite3_last_insert_rowid(db));
}

void RecordWriter::update(QVector<QVariant>& values, const QVector<QVariant>& original) const {
    requireTable();
    QVector<int> changed;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_writable[i] && !FieldValue::same(values[i], original[i]))
            changed.append(i);
    }
    if (changed.isEmpty())
        return;
    QVector<QVariant> bound;
    QStringList assignments;
    for (int c : changed) {
        assignments << quoted(m_columns[c].origin) + QStringLiteral(" = ?");
        bound << FieldValue::toStorage(values[c], m_columns[c].kind, m_columns[c].name);
    }
    sqlite3* db = m_connection->handle();
    const QVector<int> condition = identifyingColumns(changed);
    qlonglong rowid = 0;
    QString where = rowCondition(condition);
    if (m_keyColumn < 0) {
        rowid = rowidOf(original);
        where = QStringLiteral("rowid = ? AND ") + where;
    }
    SqliteStatement statement(db, QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                      .arg(quotedTable(), assignments.join(u','), where));
    int index = 1;
    for (const QVariant& v : bound)
        statement.bind(index++, v);
    if (m_keyColumn < 0)
        statement.bind(index++, rowid);
    bindRowCondition(statement, index, condition, original);
    int written = 0;
    try {
        written = statement.execute();
    } catch (const DatabaseError& error) {
        if (error.kind() != DatabaseError::Kind::Failure)
            throw;
        throwWriteError(error.message(), values);
    }
    if (written == 0)
        throwConflict(original);
    if (m_keyColumn >= 0) {
        SqliteStatement find(db, QStringLiteral("SELECT rowid FROM %1 WHERE %2 IS ?")
                                     .arg(quotedTable(), quoted(m_columns[m_keyColumn].origin)));
        find.bind(1, storedForm(values[m_keyColumn]));
        if (find.step())
            rowid = find.value(0).toLongLong();
    }
    readBack(values, rowid);
}

void RecordWriter::remove(const QVector<QVariant>& original) const {
    requireTable();
    QVector<int> all;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_writable[i])
            all.append(i);
    }
    sqlite3* db = m_connection->handle();
    QString where = rowCondition(all);
    qlonglong rowid = 0;
    if (m_keyColumn < 0) {
        rowid = rowidOf(original);
        where = QStringLiteral("rowid = ? AND ") + where;
    }
    SqliteStatement statement(db,
                              QStringLiteral("DELETE FROM %1 WHERE %2").arg(quotedTable(), where));
    int index = 1;
    if (m_keyColumn < 0)
        statement.bind(index++, rowid);
    bindRowCondition(statement, index, all, original);
    int deleted = 0;
    try {
        deleted = statement.execute();
    } catch (const DatabaseError& error) {
        if (error.kind() != DatabaseError::Kind::Failure)
            throw;
        throwDeleteError(error.message(), original);
    }
    if (deleted == 0)
        throwConflict(original);
}

void RecordWriter::reread(QVector<QVariant>& values) const {
    requireTable();
    if (m_keyColumn < 0)
        throw DatabaseError(QStringLiteral("The row of '%1' cannot be read again: the result "
                                           "holds no key of its table.")
                                .arg(m_table));
    SqliteStatement find(m_connection->handle(),
                         QStringLiteral("SELECT rowid FROM %1 WHERE %2 IS ?")
                             .arg(quotedTable(), quoted(m_columns[m_keyColumn].origin)));
    find.bind(1, storedForm(values[m_keyColumn]));
    if (!find.step())
        throw DatabaseError(
            QStringLiteral("The row of '%1' was deleted by another user.").arg(m_table));
    readBack(values, find.value(0).toLongLong());
}

void RecordWriter::throwConflict(const QVector<QVariant>& original) const {
    bool stillThere = false;
    if (m_keyColumn >= 0) {
        SqliteStatement find(m_connection->handle(),
                             QStringLiteral("SELECT 1 FROM %1 WHERE %2 IS ?")
                                 .arg(quotedTable(), quoted(m_columns[m_keyColumn].origin)));
        find.bind(1, storedForm(original[m_keyColumn]));
        stillThere = find.step();
    }
    if (stillThere)
        throw DatabaseError(QStringLiteral("The row of '%1' was changed by another user since it "
                                           "was read. Nothing was written.")
                                .arg(m_table),
                            DatabaseError::Kind::Conflict);
    throw DatabaseError(QStringLiteral("The row of '%1' was changed or deleted by another user "
                                       "since it was read. Nothing was written.")
                            .arg(m_table));
}

void RecordWriter::throwWriteError(const QString& engineMessage,
                                   const QVector<QVariant>& values) const {
    if (!engineMessage.contains(QStringLiteral("FOREIGN KEY")))
        throw DatabaseError(engineMessage);
    sqlite3* db = m_connection->handle();
    for (const ForeignKey& key : foreignKeysOf(db, m_table)) {
        for (int i = 0; i < m_columns.size(); ++i) {
            if (!m_writable[i] ||
                m_columns[i].origin.compare(key.column, Qt::CaseInsensitive) != 0 ||
                values[i].isNull())
                continue;
            SqliteStatement parent(db, QStringLiteral("SELECT 1 FROM %1 WHERE %2 IS ?")
                                           .arg(quoted(key.parentTable), quoted(key.parentColumn)));
            parent.bind(1, storedForm(values[i]));
            if (!parent.step())
                throw DatabaseError(
                    QStringLiteral("The value %1 of the field '%2' refers to no "
                                   "row of '%3'.")
                        .arg(values[i].toString(), m_columns[i].name, key.parentTable));
        }
    }
    throw DatabaseError(engineMessage);
}

void RecordWriter::throwDeleteError(const QString& engineMessage,
                                    const QVector<QVariant>& original) const {
    if (!engineMessage.contains(QStringLiteral("FOREIGN KEY")) || m_keyColumn < 0)
        throw DatabaseError(engineMessage);
    sqlite3* db = m_connection->handle();
    QStringList users;
    SqliteStatement tables(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                              "ORDER BY name"));
    while (tables.step()) {
        const QString child = tables.value(0).toString();
        for (const ForeignKey& key : foreignKeysOf(db, child)) {
            if (key.parentTable.compare(m_table, Qt::CaseInsensitive) != 0)
                continue;
            SqliteStatement count(db, QStringLiteral("SELECT count(*) FROM %1 WHERE %2 IS ?")
                                          .arg(quoted(child), quoted(key.column)));
            count.bind(1, storedForm(original[m_keyColumn]));
            count.step();
            const qlonglong n = count.value(0).toLongLong();
            if (n > 0)
                users << QStringLiteral("%1 %2 of '%3'")
                             .arg(n)
                             .arg(n == 1 ? QStringLiteral("row") : QStringLiteral("rows"), child);
        }
    }
    if (users.isEmpty())
        throw DatabaseError(engineMessage);
    throw DatabaseError(QStringLiteral("This row of '%1' cannot be deleted: %2 still %3 to it.")
                            .arg(m_table, users.join(QStringLiteral(" and ")),
                                 users.size() == 1 && users.first().startsWith(u"1 ")
                                     ? QStringLiteral("refers")
                                     : QStringLiteral("refer")));
}

} // namespace quarvel
