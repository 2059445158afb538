#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>

namespace quarvel {
class PostgresLink;
}
namespace quarvel::sqlite {
class Database;
}

namespace quarvel::dbtool {

// A Quarvel database read for a copy: a file or a server database, opened for reading only and
// read in one snapshot, so that every table is read as it stood at one moment while other
// programs go on writing (a file's read transaction; a server's repeatable-read transaction).
class CopySource {
public:
    // Opens path or URL; throws Error when it cannot be read or is no Quarvel database.
    explicit CopySource(const QString& pathOrUrl);
    ~CopySource();
    CopySource(const CopySource&) = delete;
    CopySource& operator=(const CopySource&) = delete;

    QString name() const { return m_name; }
    bool isPostgres() const { return m_link != nullptr; }
    int version() const { return m_version; }
    bool hasTable(const QString& table) const;
    QStringList columns(const QString& table) const;
    qint64 rowCount(const QString& table) const;
    // The last key the table's numbering gave out (deleted rows included), 0 when none.
    qint64 lastKey(const QString& table, const QString& keyColumn) const;

    // Hands every row of `table` to `row`, in key order, as the data layer reads values:
    // integers as qlonglong, other numbers as double, dates as YYYY-MM-DD text.
    using RowHandler = std::function<void(const QVector<QVariant>& values)>;
    void readRows(const QString& table, const QStringList& columns, const RowHandler& row) const;

    // The open connection, for figures read in the same snapshot.
    sqlite::Database* file() const { return m_file.get(); }
    PostgresLink* link() const { return m_link.get(); }

private:
    QString m_name;
    std::unique_ptr<sqlite::Database> m_file;
    std::unique_ptr<PostgresLink> m_link;
    int m_version = 1;
};

// A table whose rows a copy carries over: its name, its key column (empty for the company
// row), and the schema version that made it. Tables that triggers keep ("Product Stock") and
// the version row are not copied: the schema versions make them over the copied rows.
struct CopiedTable {
    QString name;
    QString key;
    int version = 1;
};
// The tables of a database of `version`, each after the tables it refers to.
QList<CopiedTable> copiedTables(int version);

// Told how far a copy is: the table, its rows copied so far and its rows in all.
using CopyProgress = std::function<void(const QString& table, qint64 done, qint64 total)>;

// A name in double quotes, as both engines take it.
QString quotedName(const QString& name);

} // namespace quarvel::dbtool
