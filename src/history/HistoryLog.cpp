#include "history/HistoryLog.h"

#include "csv/CsvText.h"
#include "data/Backend.h"
#include "data/Connection.h"
#include "data/DatabaseFacts.h"
#include "data/ProgramUser.h"
#include "data/Transaction.h"
#include "data/postgres/PostgresLink.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <optional>

namespace quarvel::history {

namespace {

const QString columns = QStringLiteral(
    "SELECT HistoryID, ChangedAt, ChangedBy, TableName, RowKey, Action, Changes FROM History");

QVariant valueOf(const QJsonValue& value) {
    if (value.isNull() || value.isUndefined())
        return {};
    if (value.isDouble()) {
        const double d = value.toDouble();
        return d == std::floor(d) && std::abs(d) < 9e15 ? QVariant(qlonglong(d)) : QVariant(d);
    }
    if (value.isBool())
        return value.toBool() ? 1 : 0;
    return value.toString();
}

QList<Entry> entriesOf(Connection& connection, const QString& sql,
                       const QVector<QVariant>& values) {
    QList<Entry> entries;
    const auto cursor = connection.query(sql, values);
    while (cursor->next()) {
        Entry e;
        e.id = cursor->value(0).toLongLong();
        e.changedAt = cursor->value(1).toString().left(19);
        e.changedBy = cursor->value(2).toString();
        e.table = cursor->value(3).toString();
        e.key = cursor->value(4);
        e.action = cursor->value(5).toString();
        const QJsonObject changes =
            QJsonDocument::fromJson(cursor->value(6).toString().toUtf8()).object();
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            const QJsonArray pair = it.value().toArray();
            e.changes << FieldChange{it.key(), valueOf(pair.at(0)), valueOf(pair.at(1))};
        }
        entries << e;
    }
    return entries;
}

// The condition that picks the entries of the record `key` of `table`, with its values: the
// company row has no key, and is the only row of its table.
QString recordCondition(const QString& table, const QVariant& key, QVector<QVariant>* values) {
    *values = {table};
    if (table == u"My Company Information")
        return QStringLiteral(" WHERE TableName = $1");
    *values << key;
    return QStringLiteral(" WHERE TableName = $1 AND RowKey = $2");
}

// The field of a child row that names its parent.
QString parentField(const QString& table) {
    if (table == u"Products")
        return QStringLiteral("ProductID");
    if (table == u"Purchase Orders")
        return QStringLiteral("PurchaseOrderID");
    return {};
}

// The old and new value of `field` in an entry, when it changed it.
std::optional<FieldChange> changeOf(const Entry& entry, const QString& field) {
    for (const FieldChange& change : entry.changes)
        if (change.field == field)
            return change;
    return std::nullopt;
}

// The entries of the transactions that belong, or once belonged, to the product or order
// `key` (`field` names it): while they belonged to it. Candidates are its transactions now, and
// those deleted or moved from one product or order to another; each one's entries are walked
// from the newest back, following whom it belonged to.
QList<Entry> linesOf(Connection& connection, const QString& field, qint64 key) {
    const QString lines = QStringLiteral("Inventory Transactions");
    // The changes as text: a server keeps them as jsonb.
    const QString changesText = isPostgresUrl(connection.path()) ? QStringLiteral("[Changes]::text")
                                                                 : QStringLiteral("Changes");
    const QString moved = QStringLiteral("SELECT RowKey FROM History WHERE TableName = $1 AND "
                                         "(Action = 'delete' OR %1 LIKE $3)")
                              .arg(changesText);
    const QVector<QVariant> values{lines, key, QStringLiteral("%\"%1\"%").arg(field)};
    QHash<qint64, qint64> owner; // a transaction that still exists: its product or order now
    const auto now = connection.query(
        QStringLiteral("SELECT TransactionID, [%1] FROM [%2] WHERE [%1] = $2 OR TransactionID IN "
                       "(%3)")
            .arg(field, lines, moved),
        values);
    while (now->next())
        owner.insert(now->value(0).toLongLong(), now->value(1).toLongLong());
    QList<Entry> candidates = entriesOf(
        connection,
        columns + QStringLiteral(" WHERE TableName = $1 AND (RowKey IN (SELECT TransactionID FROM "
                                 "[%1] WHERE [%2] = $2) OR RowKey IN (%3)) ORDER BY HistoryID DESC")
                      .arg(lines, field, moved),
        values);
    QList<Entry> belonging;
    QHash<qint64, qint64> after = owner; // whom each belonged to after the entry walked
    for (const Entry& e : std::as_const(candidates)) {
        const qint64 row = e.key.toLongLong();
        const std::optional<FieldChange> change = changeOf(e, field);
        const qint64 before = change ? change->oldValue.toLongLong() : after.value(row, -1);
        const qint64 then = e.action == u"delete" ? before : after.value(row, -1);
        if (then == key || before == key ||
            (e.action == u"insert" && change && change->newValue.toLongLong() == key))
            belonging << e;
        after.insert(row, e.action == u"insert" ? -1 : before);
    }
    return belonging;
}

} // namespace

QString HistoryLog::keyField(const QString& table) {
    static const QHash<QString, QString> keys = {
        {QStringLiteral("Categories"), QStringLiteral("CategoryID")},
        {QStringLiteral("Products"), QStringLiteral("ProductID")},
        {QStringLiteral("Suppliers"), QStringLiteral("SupplierID")},
        {QStringLiteral("Employees"), QStringLiteral("EmployeeID")},
        {QStringLiteral("Shipping Methods"), QStringLiteral("ShippingMethodID")},
        {QStringLiteral("Purchase Orders"), QStringLiteral("PurchaseOrderID")},
        {QStringLiteral("Inventory Transactions"), QStringLiteral("TransactionID")},
    };
    return keys.value(table);
}

bool HistoryLog::available(Connection& connection) {
    return schemaVersion(connection) >= 3;
}

QList<Entry> HistoryLog::read(Connection& connection, const QDate& since, const QString& table) {
    QStringList conditions;
    QVector<QVariant> values;
    if (since.isValid()) {
        values << since.toString(Qt::ISODate);
        conditions << QStringLiteral("ChangedAt >= $%1").arg(values.size());
    }
    if (!table.isEmpty()) {
        values << table;
        conditions << QStringLiteral("TableName = $%1").arg(values.size());
    }
    const QString where =
        conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(" AND ");
    return entriesOf(connection, columns + where + QStringLiteral(" ORDER BY HistoryID"), values);
}

QString Entry::shownTime() const {
    QDateTime when = QDateTime::fromString(changedAt, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    when.setTimeZone(QTimeZone::utc());
    return QLocale().toString(when.toLocalTime(), QLocale::ShortFormat);
}

QList<Entry> HistoryLog::ofRecord(Connection& connection, const QString& table,
                                  const QVariant& key) {
    QVector<QVariant> values;
    const QString condition = recordCondition(table, key, &values);
    QList<Entry> entries = entriesOf(connection, columns + condition, values);
    if (const QString field = parentField(table); !field.isEmpty())
        entries += linesOf(connection, field, key.toLongLong());
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.id > b.id; });
    return entries;
}

std::optional<Entry> HistoryLog::lastChange(Connection& connection, const QString& table,
                                            const QVariant& key) {
    QVector<QVariant> values;
    const QString condition = recordCondition(table, key, &values);
    const QList<Entry> newest =
        entriesOf(connection,
                  columns + condition + QStringLiteral(" ORDER BY HistoryID DESC LIMIT 1"), values);
    return newest.isEmpty() ? std::nullopt : std::optional<Entry>(newest.first());
}

qint64 HistoryLog::trimBefore(const std::shared_ptr<Connection>& connection, const QDate& before) {
    Transaction transaction(connection);
    const qint64 removed = connection->execute(
        QStringLiteral("DELETE FROM History WHERE ChangedAt < $1"), {before.toString(Qt::ISODate)});
    const QJsonObject changes{
        {QStringLiteral("Entries removed"), QJsonArray{removed, QJsonValue()}},
        {QStringLiteral("Before"), QJsonArray{before.toString(Qt::ISODate), QJsonValue()}}};
    connection->execute(
        QStringLiteral("INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, "
                       "Changes) VALUES ($1, $2, 'History', NULL, 'delete', $3)"),
        {QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
         loginName(), QString::fromUtf8(QJsonDocument(changes).toJson(QJsonDocument::Compact))});
    transaction.commit();
    return removed;
}

QList<QStringList> HistoryLog::csvRows(const QList<Entry>& entries) {
    QList<QStringList> rows{{QStringLiteral("When (UTC)"), QStringLiteral("Who"),
                             QStringLiteral("Table"), QStringLiteral("Key"),
                             QStringLiteral("Action"), QStringLiteral("Field"),
                             QStringLiteral("Old Value"), QStringLiteral("New Value")}};
    for (const Entry& e : entries) {
        const QStringList head{e.changedAt, e.changedBy, e.table, csv::textOf(e.key), e.action};
        if (e.changes.isEmpty())
            rows << head + QStringList{QString(), QString(), QString()};
        for (const FieldChange& c : e.changes)
            rows << head + QStringList{c.field, csv::textOf(c.oldValue), csv::textOf(c.newValue)};
    }
    return rows;
}

} // namespace quarvel::history
