#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

namespace quarvel {
class Connection;
}

namespace quarvel::history {

// One field an insert, update or delete changed: its old value (Null for an insert) and its
// new one (Null for a delete).
struct FieldChange {
    QString field;
    QVariant oldValue;
    QVariant newValue;
};

// One row of the history a database of schema version 3 keeps (see db/upgrade-3.sql).
struct Entry {
    qint64 id = 0;
    QString changedAt; // UTC, YYYY-MM-DD HH:MM:SS
    QString changedBy;
    QString table;
    QVariant key;   // Null for the company row
    QString action; // insert, update or delete
    QList<FieldChange> changes;

    // When, in the user's local time and the locale's short form.
    QString shownTime() const;
};

// Reading and trimming the history.
class HistoryLog {
public:
    // The key column of a table the history covers; empty for the company row's table.
    static QString keyField(const QString& table);

    // Whether the database keeps a history (schema version 3 or later).
    static bool available(Connection& connection);

    // Every entry from `since` on (all when invalid) of `table` (all when empty), oldest first.
    static QList<Entry> read(Connection& connection, const QDate& since = {},
                             const QString& table = {});

    // A record's entries, newest first: the row `key` of `table`, and for a product its
    // transactions, for a purchase order its lines, those deleted or moved away included. The
    // company row has no key: `key` is then ignored.
    static QList<Entry> ofRecord(Connection& connection, const QString& table, const QVariant& key);

    // The newest entry of the row `key` of `table`, if there is one.
    static std::optional<Entry> lastChange(Connection& connection, const QString& table,
                                           const QVariant& key);
    // Deletes the entries before `before` in one transaction and records in the history itself
    // how many it removed (an entry of table "History"); returns that number.
    static qint64 trimBefore(const std::shared_ptr<Connection>& connection, const QDate& before);

    // The entries as CSV rows: a header, then one row per changed field (an entry without
    // fields, one row).
    static QList<QStringList> csvRows(const QList<Entry>& entries);
};

} // namespace quarvel::history
