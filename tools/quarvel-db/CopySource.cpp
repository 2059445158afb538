#include "CopySource.h"
#include "ToolText.h"

#include "DatabaseFile.h"
#include "Error.h"
#include "SchemaUpgrade.h"
#include "data/DatabaseError.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"
#include "sqlite/Error.h"

namespace quarvel::dbtool {

namespace {

// Rows fetched from a server at a time: few round trips, little memory.
constexpr int kFetchRows = 20000;

} // namespace

QString quotedName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QList<CopiedTable> copiedTables(int version) {
    const QList<CopiedTable> all = {
        {QStringLiteral("Categories"), QStringLiteral("CategoryID"), 1},
        {QStringLiteral("Suppliers"), QStringLiteral("SupplierID"), 1},
        {QStringLiteral("Employees"), QStringLiteral("EmployeeID"), 1},
        {QStringLiteral("Shipping Methods"), QStringLiteral("ShippingMethodID"), 1},
        {QStringLiteral("Products"), QStringLiteral("ProductID"), 1},
        {QStringLiteral("Purchase Orders"), QStringLiteral("PurchaseOrderID"), 1},
        {QStringLiteral("Inventory Transactions"), QStringLiteral("TransactionID"), 1},
        {QStringLiteral("My Company Information"), QString(), 1},
        {QStringLiteral("Stock Counts"), QStringLiteral("StockCountID"), 2},
        {QStringLiteral("Stock Count Lines"), QStringLiteral("StockCountLineID"), 2},
        {QStringLiteral("History"), QStringLiteral("HistoryID"), 3},
    };
    QList<CopiedTable> tables;
    for (const CopiedTable& t : all)
        if (t.version <= version)
            tables << t;
    return tables;
}

CopySource::CopySource(const QString& pathOrUrl) : m_name(withoutPassword(pathOrUrl)) {
    try {
        if (isPostgresUrl(pathOrUrl)) {
            m_link = PostgresLink::connect(pathOrUrl);
            m_link->execScript(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ, READ ONLY"));
            if (!hasTable(QStringLiteral("Products")))
                throw schema::notQuarvel(m_name);
            if (hasTable(QStringLiteral("Schema Version")))
                m_version = int(
                    m_link->exec(QStringLiteral("SELECT max(\"Version\") FROM \"Schema Version\""))
                        .value(0, 0)
                        .toLongLong());
        } else {
            m_file = std::make_unique<sqlite::Database>(DatabaseFile::openForReading(pathOrUrl));
            // The read transaction holds one snapshot until the copy is done.
            m_file->exec(QStringLiteral("BEGIN"));
            m_file->scalar(QStringLiteral("SELECT count(*) FROM sqlite_schema"));
            if (!hasTable(QStringLiteral("Products")))
                throw schema::notQuarvel(m_name);
            m_version = schema::versionOf(*m_file);
        }
    } catch (const DatabaseError& e) {
        throw Error(ToolText::tr("cannot read %1: %2").arg(m_name, e.message()));
    } catch (const sqlite::Error& e) {
        throw Error(ToolText::tr("cannot read %1: %2").arg(m_name, e.message()));
    }
    schema::requireKnown(m_version, m_name);
}

CopySource::~CopySource() = default;

bool CopySource::hasTable(const QString& table) const {
    if (m_link)
        return !m_link->exec(QStringLiteral("SELECT to_regclass($1) IS NULL"), {quotedName(table)})
                    .value(0, 0)
                    .toBool();
    sqlite::Statement find = m_file->prepare(
        QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?"));
    find.bind(1, table);
    return find.step();
}

QStringList CopySource::columns(const QString& table) const {
    if (!m_link)
        return m_file->columnNames(table);
    const PostgresResult result =
        m_link->exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quotedName(table)));
    QStringList names;
    for (int i = 0; i < result.columns(); ++i)
        names << result.columnName(i);
    return names;
}

qint64 CopySource::rowCount(const QString& table) const {
    const QString sql = QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(table));
    return m_link ? m_link->exec(sql).value(0, 0).toLongLong() : m_file->scalar(sql).toLongLong();
}

qint64 CopySource::lastKey(const QString& table, const QString& keyColumn) const {
    if (m_link)
        return m_link
            ->exec(QStringLiteral("SELECT coalesce(pg_sequence_last_value(pg_get_serial_sequence("
                                  "$1, $2)::regclass), 0)"),
                   {quotedName(table), keyColumn})
            .value(0, 0)
            .toLongLong();
    sqlite::Statement seq =
        m_file->prepare(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"));
    seq.bind(1, table);
    return seq.step() ? seq.value(0).toLongLong() : 0;
}

void CopySource::readRows(const QString& table, const QStringList& columns,
                          const RowHandler& row) const {
    QStringList quoted;
    for (const QString& c : columns)
        quoted << quotedName(c);
    QVector<QVariant> values(columns.size());
    if (!m_link) {
        sqlite::Statement rows = m_file->prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                                     .arg(quoted.join(u','), quotedName(table)));
        while (rows.step()) {
            for (int i = 0; i < columns.size(); ++i)
                values[i] = rows.value(i);
            row(values);
        }
        return;
    }
    m_link->execScript(QStringLiteral("DECLARE quarvel_copy NO SCROLL CURSOR FOR SELECT %1 FROM "
                                      "%2 ORDER BY 1")
                           .arg(quoted.join(u','), quotedName(table)));
    for (;;) {
        const PostgresResult batch =
            m_link->exec(QStringLiteral("FETCH %1 FROM quarvel_copy").arg(kFetchRows));
        for (int r = 0; r < batch.rows(); ++r) {
            for (int i = 0; i < columns.size(); ++i)
                values[i] = batch.value(r, i);
            row(values);
        }
        if (batch.rows() < kFetchRows)
            break;
    }
    m_link->execScript(QStringLiteral("CLOSE quarvel_copy"));
}

} // namespace quarvel::dbtool
