#include "data/postgres/PostgresSession.h"

#include "data/DatabaseError.h"
#include "data/JetSql.h"
#include "data/Tr.h"
#include "data/postgres/PostgresCatalog.h"
#include "data/postgres/PostgresPool.h"

#include <QHash>
#include <QRegularExpression>

namespace quarvel {

namespace {

const char* const programTables =
    "{Products,Categories,Suppliers,Employees,\"Shipping Methods\",\"Purchase Orders\","
    "\"Inventory Transactions\",\"My Company Information\"}";

QString columnList(const QStringList& columns) {
    QStringList names;
    for (const QString& c : columns)
        names << pgQuoted(c);
    return names.isEmpty() ? QStringLiteral("1") : names.join(u',');
}

// The match as a condition with `=` (so that a key is found through its index), IS NULL for
// a Null; its values are appended to `bound`.
QString condition(const RowMatch& match, QVector<QVariant>& bound) {
    QStringList parts;
    for (int i = 0; i < match.columns.size(); ++i) {
        const QVariant& v = match.values.value(i);
        if (!v.isValid() || v.isNull()) {
            parts << pgQuoted(match.columns[i]) + QStringLiteral(" IS NULL");
        } else {
            bound << v;
            parts << QStringLiteral("%1 = $%2").arg(pgQuoted(match.columns[i])).arg(bound.size());
        }
    }
    return parts.isEmpty() ? QStringLiteral("true") : parts.join(QStringLiteral(" AND "));
}

QVector<QVariant> rowOf(const PostgresResult& result, int columns) {
    QVector<QVariant> values(columns);
    for (int i = 0; i < columns; ++i)
        values[i] = result.value(0, i);
    return values;
}

// A keyed row is the one with its key; otherwise the first row holding all the values, by
// the server's row identity.
QString rowCondition(const QString& table, const RowMatch& match, bool keyed,
                     QVector<QVariant>& bound) {
    if (keyed) {
        const RowMatch key{match.columns.mid(0, 1), match.values.mid(0, 1)};
        const RowMatch rest{match.columns.mid(1), match.values.mid(1)};
        return condition(key, bound) + QStringLiteral(" AND ") + condition(rest, bound);
    }
    const QString first = QStringLiteral("ctid = (SELECT ctid FROM %1 WHERE %2 LIMIT 1)")
                              .arg(pgQuoted(table), condition(match, bound));
    return first + QStringLiteral(" AND ") + condition(match, bound);
}

} // namespace

class PostgresCursor : public BackendCursor {
public:
    PostgresCursor(PostgresSession& session, PostgresResult result, QVector<ResultColumn> columns)
        : m_session(session), m_result(std::move(result)), m_columns(std::move(columns)),
          m_rows(m_result.rows()) {}
    ~PostgresCursor() override {
        if (m_session.m_cursor == this) {
            m_session.m_cursor = nullptr;
            m_session.m_cursorStamp.reset();
        }
    }

    int columnCount() const override { return int(m_columns.size()); }
    ResultColumn column(int index) const override { return m_columns.value(index); }
    bool next() override { return ++m_row < m_rows; }
    QVariant value(int column) const override { return m_result.value(m_row, column); }

private:
    PostgresSession& m_session;
    PostgresResult m_result;
    QVector<ResultColumn> m_columns;
    int m_rows;
    int m_row = -1;
};

template <typename F> auto PostgresSession::run(F&& f, bool write) const {
    if (m_transaction) {
        if (!write)
            return f(*m_transaction);
        m_transaction->execScript(QStringLiteral("SAVEPOINT quarvel_write"));
        try {
            auto result = f(*m_transaction);
            m_transaction->execScript(QStringLiteral("RELEASE SAVEPOINT quarvel_write"));
            return result;
        } catch (const DatabaseError&) {
            try {
                m_transaction->execScript(QStringLiteral("ROLLBACK TO SAVEPOINT quarvel_write"));
            } catch (const DatabaseError&) {
                // The connection is gone; so is the transaction, which commit() will say.
            }
            throw;
        }
    }
    std::unique_ptr<PostgresLink> link = PostgresPool::take(m_url);
    try {
        auto result = f(*link);
        PostgresPool::give(m_url, std::move(link));
        return result;
    } catch (const DatabaseError&) {
        // A connection the server closed while it was idle in the pool: a read is tried once
        // more on a new one (a write may have reached the server; it is not repeated).
        if (!write && link->isBroken()) {
            link = PostgresLink::connect(m_url);
            auto result = f(*link);
            PostgresPool::give(m_url, std::move(link));
            return result;
        }
        PostgresPool::give(m_url, std::move(link));
        throw;
    }
}

PostgresSession::PostgresSession(QString url, bool readOnly)
    : m_url(std::move(url)), m_name(withoutPassword(m_url)), m_readOnly(readOnly) {}

PostgresSession::~PostgresSession() {
    // A transaction left open is rolled back; only an idle connection goes back to the pool.
    try {
        if (m_transaction) {
            m_transaction->execScript(QStringLiteral("ROLLBACK"));
            PostgresPool::give(m_url, std::move(m_transaction));
        }
    } catch (...) {
        // The connection is closed with the session instead.
    }
}

std::unique_ptr<PostgresSession> PostgresSession::open(const QString& url) {
    std::unique_ptr<PostgresLink> link = PostgresPool::take(url);
    // A connection kept from an earlier session was checked when it was made.
    if (!link->checked) {
        const PostgresResult found = link->exec(
            QStringLiteral("SELECT count(*) FROM pg_class WHERE relkind IN ('r', 'p') AND "
                           "relnamespace = to_regnamespace(current_schema()) AND relname = "
                           "ANY($1::text[])"),
            {QString::fromLatin1(programTables)});
        if (found.value(0, 0).toLongLong() != 8)
            throw DatabaseError(Tr::tr("The database '%1' has no Quarvel tables in it: it "
                                       "is not a Quarvel database.")
                                    .arg(link->databaseName()));
        // A role that may only read, or a server that only reads (a standby).
        const PostgresResult readOnly = link->exec(
            QStringLiteral("SELECT current_setting('transaction_read_only') = 'on' OR NOT "
                           "has_table_privilege('\"Products\"', 'UPDATE')"));
        link->readOnly = readOnly.value(0, 0).toLongLong() != 0;
        link->checked = true;
    }
    const bool readOnly = link->readOnly;
    PostgresPool::give(url, std::move(link));
    return std::unique_ptr<PostgresSession>(new PostgresSession(url, readOnly));
}

QString PostgresSession::translate(const QString& programSql) const {
    return orderedByKey(TranslateJetSql(programSql, JetTarget::Postgres));
}

QString PostgresSession::orderedByKey(const QString& sql) const {
    static const QRegularExpression literal(QStringLiteral("'([^']|'')*'"));
    static const QRegularExpression shape(
        QStringLiteral("^\\s*SELECT\\s.*?\\sFROM\\s+(\"(?:[^\"]|\"\")+\"|\\w+)(?:\\s+(?:WHERE|LEFT|"
                       "RIGHT|INNER|JOIN)\\b.*)?$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression ordered(
        QStringLiteral("\\b(ORDER|GROUP|UNION|INTERSECT|EXCEPT|DISTINCT|LIMIT|OFFSET|FOR|"
                       "HAVING)\\b|\\bSELECT\\b.*\\bSELECT\\b|\\b(count|sum|avg|min|max|"
                       "every|bool_and|bool_or|string_agg|array_agg)\\s*\\("),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString body = sql.trimmed();
    while (body.endsWith(u';'))
        body = body.chopped(1).trimmed();
    QString masked = body;
    masked.replace(literal, QStringLiteral("''"));
    const QRegularExpressionMatch match = shape.match(masked);
    if (!match.hasMatch() || ordered.match(masked).hasMatch())
        return sql;
    QString table = match.captured(1);
    if (table.startsWith(u'"'))
        table =
            table.mid(1, table.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    const QString key = const_cast<PostgresSession*>(this)->primaryKey(table);
    if (key.isEmpty())
        return sql;
    return body + QStringLiteral(" ORDER BY %1.%2").arg(pgQuoted(table), pgQuoted(key));
}

quint64 PostgresSession::stampOf(const QString& snapshot) const {
    return quint64(qHash(snapshot, 0)) ^ (m_writes * 0x9E3779B97F4A7C15ULL);
}

std::unique_ptr<BackendCursor> PostgresSession::query(const QString& sql,
                                                      const QVector<QVariant>& values) {
    return run(
        [&](const PostgresLink& link) -> std::unique_ptr<BackendCursor> {
            // Taken before the statement: a commit in between makes the stamp older than the
            // rows, which costs a second reading at most, never a stale one.
            const QString snapshot = link.exec(QStringLiteral("SELECT pg_current_snapshot()::text"))
                                         .value(0, 0)
                                         .toString();
            PostgresResult result = link.exec(sql, values);
            QVector<ResultColumn> columns = PostgresCatalog::describe(link, result);
            auto cursor =
                std::make_unique<PostgresCursor>(*this, std::move(result), std::move(columns));
            m_cursor = cursor.get();
            m_cursorStamp = stampOf(snapshot);
            return cursor;
        },
        false);
}

qint64 PostgresSession::execute(const QString& sql, const QVector<QVariant>& values) {
    ++m_writes;
    return run(
        [&](const PostgresLink& link) {
            return values.isEmpty() ? link.execScript(sql, true)
                                    : link.exec(sql, values, true).affected();
        },
        true);
}

std::optional<quint64> PostgresSession::changeStamp() {
    // While a cursor is read, the stamp of its statement; otherwise the server's snapshot now.
    if (m_cursor && m_cursorStamp)
        return m_cursorStamp;
    return run(
        [&](const PostgresLink& link) {
            return stampOf(link.exec(QStringLiteral("SELECT pg_current_snapshot()::text"))
                               .value(0, 0)
                               .toString());
        },
        false);
}

QString PostgresSession::primaryKey(const QString& table) {
    return run([&](const PostgresLink& link) { return PostgresCatalog::primaryKey(link, table); },
               false);
}

QStringList PostgresSession::tables() {
    return run([&](const PostgresLink& link) { return PostgresCatalog::tables(link); }, false);
}

QVector<ForeignKey> PostgresSession::foreignKeys(const QString& table) {
    return run([&](const PostgresLink& link) { return PostgresCatalog::foreignKeys(link, table); },
               false);
}

QVector<QVariant> PostgresSession::insertRow(const QString& table, const QStringList& columns,
                                             const QVector<QVariant>& values,
                                             const QStringList& readBack) {
    ++m_writes;
    QString sql;
    if (columns.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(pgQuoted(table));
    } else {
        QStringList marks;
        for (int i = 1; i <= columns.size(); ++i)
            marks << QStringLiteral("$%1").arg(i);
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(pgQuoted(table), columnList(columns), marks.join(u','));
    }
    sql += QStringLiteral(" RETURNING ") + columnList(readBack);
    return run(
        [&](const PostgresLink& link) {
            return rowOf(link.exec(sql, values, true), int(readBack.size()));
        },
        true);
}

std::optional<QVector<QVariant>> PostgresSession::updateRow(const QString& table,
                                                            const QStringList& columns,
                                                            const QVector<QVariant>& values,
                                                            const RowMatch& match, bool keyed,
                                                            const QStringList& readBack) {
    ++m_writes;
    QStringList assignments;
    for (int i = 0; i < columns.size(); ++i)
        assignments << QStringLiteral("%1 = $%2").arg(pgQuoted(columns[i])).arg(i + 1);
    QVector<QVariant> bound = values;
    const QString where = rowCondition(table, match, keyed, bound);
    const QString sql =
        QStringLiteral("UPDATE %1 SET %2 WHERE %3 RETURNING %4")
            .arg(pgQuoted(table), assignments.join(u','), where, columnList(readBack));
    return run(
        [&](const PostgresLink& link) -> std::optional<QVector<QVariant>> {
            const PostgresResult result = link.exec(sql, bound, true);
            if (result.rows() == 0)
                return std::nullopt;
            return rowOf(result, int(readBack.size()));
        },
        true);
}

bool PostgresSession::deleteRow(const QString& table, const RowMatch& match, bool keyed) {
    ++m_writes;
    QVector<QVariant> bound;
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2")
                            .arg(pgQuoted(table), rowCondition(table, match, keyed, bound));
    return run([&](const PostgresLink& link) { return link.exec(sql, bound, true).affected() > 0; },
               true);
}

std::optional<QVector<QVariant>>
PostgresSession::readRow(const QString& table, const RowMatch& match, const QStringList& readBack) {
    QVector<QVariant> bound;
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 LIMIT 1")
                            .arg(columnList(readBack), pgQuoted(table), condition(match, bound));
    return run(
        [&](const PostgresLink& link) -> std::optional<QVector<QVariant>> {
            const PostgresResult result = link.exec(sql, bound);
            if (result.rows() == 0)
                return std::nullopt;
            return rowOf(result, int(readBack.size()));
        },
        false);
}

qint64 PostgresSession::countRows(const QString& table, const RowMatch& match) {
    QVector<QVariant> bound;
    const QString sql = QStringLiteral("SELECT count(*) FROM %1 WHERE %2")
                            .arg(pgQuoted(table), condition(match, bound));
    return run(
        [&](const PostgresLink& link) { return link.exec(sql, bound).value(0, 0).toLongLong(); },
        false);
}

void PostgresSession::begin() {
    std::unique_ptr<PostgresLink> link = PostgresPool::take(m_url);
    link->execScript(QStringLiteral("BEGIN"));
    m_transaction = std::move(link);
}

void PostgresSession::commit() {
    std::unique_ptr<PostgresLink> link = std::move(m_transaction);
    try {
        // The server ends a failed transaction with a rollback where COMMIT is asked.
        if (link->inFailedTransaction()) {
            link->execScript(QStringLiteral("ROLLBACK"));
            throw DatabaseError(Tr::tr("The transaction failed and was rolled back: "
                                       "nothing of it was saved."));
        }
        link->execScript(QStringLiteral("COMMIT"), true);
    } catch (const DatabaseError&) {
        PostgresPool::give(m_url, std::move(link));
        throw;
    }
    PostgresPool::give(m_url, std::move(link));
}

void PostgresSession::rollback() {
    if (!m_transaction)
        return;
    std::unique_ptr<PostgresLink> link = std::move(m_transaction);
    link->execScript(QStringLiteral("ROLLBACK"));
    PostgresPool::give(m_url, std::move(link));
}

} // namespace quarvel
