#include "data/postgres/PostgresCatalog.h"

#include <QHash>
#include <map>
#include <mutex>

namespace quarvel {

namespace {

struct Relation {
    QString name;
    bool isTable = false;
    QHash<int, QPair<QString, QString>> columns; // number -> name, declared type
};

struct Cache {
    std::mutex mutex;
    std::map<QString, QHash<unsigned, Relation>> relations;
    std::map<QString, QHash<QString, QString>> keys;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

QString declTypeOf(const QString& formatted) {
    if (formatted.startsWith(QLatin1String("character varying(")))
        return QStringLiteral("TEXT") + formatted.mid(int(qstrlen("character varying")));
    if (formatted == u"character varying" || formatted == u"text")
        return QStringLiteral("TEXT");
    if (formatted == u"numeric(19,4)")
        return QStringLiteral("CURRENCY");
    if (formatted.startsWith(QLatin1String("numeric")))
        return QStringLiteral("NUMERIC");
    if (formatted == u"double precision" || formatted == u"real")
        return QStringLiteral("DOUBLE");
    if (formatted == u"integer" || formatted == u"bigint" || formatted == u"smallint")
        return QStringLiteral("INTEGER");
    return formatted.toUpper();
}

// The declared type of a computed column, from the type of its values.
QString declTypeOfType(unsigned type) {
    switch (type) {
    case 20:
    case 21:
    case 23:
        return QStringLiteral("INTEGER");
    case 700:
    case 701:
    case 1700:
        return QStringLiteral("NUMERIC");
    case 1082:
        return QStringLiteral("DATE");
    default:
        return QStringLiteral("TEXT");
    }
}

} // namespace

QString pgQuoted(const QString& name) {
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QVector<ResultColumn> PostgresCatalog::describe(const PostgresLink& link,
                                                const PostgresResult& result) {
    Cache& c = cache();
    const QString database = link.databaseName();
    QStringList missing;
    {
        std::lock_guard lock(c.mutex);
        const QHash<unsigned, Relation>& known = c.relations[database];
        for (int i = 0; i < result.columns(); ++i) {
            const unsigned oid = result.tableOid(i);
            if (oid != 0 && !known.contains(oid) && !missing.contains(QString::number(oid)))
                missing << QString::number(oid);
        }
    }
    if (!missing.isEmpty()) {
        const PostgresResult read = link.exec(
            QStringLiteral("SELECT c.oid, c.relname, c.relkind IN ('r', 'p'), a.attnum, a.attname, "
                           "format_type(a.atttypid, a.atttypmod) FROM pg_class c JOIN "
                           "pg_attribute a ON a.attrelid = c.oid WHERE c.oid = ANY($1::oid[]) AND "
                           "a.attnum > 0 AND NOT a.attisdropped"),
            {u'{' + missing.join(u',') + u'}'});
        std::lock_guard lock(c.mutex);
        QHash<unsigned, Relation>& known = c.relations[database];
        for (int r = 0; r < read.rows(); ++r) {
            Relation& relation = known[unsigned(read.value(r, 0).toLongLong())];
            relation.name = read.value(r, 1).toString();
            relation.isTable = read.value(r, 2).toLongLong() != 0;
            relation.columns.insert(int(read.value(r, 3).toLongLong()),
                                    {read.value(r, 4).toString(), read.value(r, 5).toString()});
        }
    }
    QVector<ResultColumn> columns(result.columns());
    std::lock_guard lock(c.mutex);
    const QHash<unsigned, Relation>& known = c.relations[database];
    for (int i = 0; i < result.columns(); ++i) {
        ResultColumn& column = columns[i];
        column.name = result.columnName(i);
        const auto relation = known.constFind(result.tableOid(i));
        if (relation != known.constEnd()) {
            const auto found = relation->columns.constFind(result.tableColumn(i));
            if (found != relation->columns.constEnd()) {
                column.table = relation->isTable ? relation->name : QString();
                column.origin = found->first;
                column.declType = declTypeOf(found->second);
                continue;
            }
        }
        column.declType = declTypeOfType(result.typeOid(i));
    }
    return columns;
}

QString PostgresCatalog::primaryKey(const PostgresLink& link, const QString& table) {
    Cache& c = cache();
    {
        std::lock_guard lock(c.mutex);
        const QHash<QString, QString>& keys = c.keys[link.databaseName()];
        const auto cached = keys.constFind(table);
        if (cached != keys.constEnd())
            return *cached;
    }
    const PostgresResult read = link.exec(
        QStringLiteral("SELECT a.attname FROM pg_index i JOIN pg_attribute a ON a.attrelid = "
                       "i.indrelid AND a.attnum = i.indkey[0] WHERE i.indrelid = to_regclass($1) "
                       "AND i.indisprimary AND i.indnatts = 1"),
        {pgQuoted(table)});
    const QString key = read.rows() > 0 ? read.value(0, 0).toString() : QString();
    std::lock_guard lock(c.mutex);
    c.keys[link.databaseName()].insert(table, key);
    return key;
}

QStringList PostgresCatalog::tables(const PostgresLink& link) {
    const PostgresResult read = link.exec(
        QStringLiteral("SELECT relname FROM pg_class WHERE relkind IN ('r', 'p') AND "
                       "relnamespace = to_regnamespace(current_schema()) ORDER BY relname"));
    QStringList names;
    for (int r = 0; r < read.rows(); ++r)
        names << read.value(r, 0).toString();
    return names;
}

QVector<ForeignKey> PostgresCatalog::foreignKeys(const PostgresLink& link, const QString& table) {
    const PostgresResult read = link.exec(
        QStringLiteral("SELECT a.attname, p.relname, pa.attname FROM pg_constraint k "
                       "JOIN pg_attribute a ON a.attrelid = k.conrelid AND a.attnum = k.conkey[1] "
                       "JOIN pg_class p ON p.oid = k.confrelid "
                       "JOIN pg_attribute pa ON pa.attrelid = k.confrelid AND pa.attnum = "
                       "k.confkey[1] WHERE k.contype = 'f' AND k.conrelid = to_regclass($1) "
                       "ORDER BY k.conname"),
        {pgQuoted(table)});
    QVector<ForeignKey> keys;
    for (int r = 0; r < read.rows(); ++r)
        keys.append({table, read.value(r, 0).toString(), read.value(r, 1).toString(),
                     read.value(r, 2).toString()});
    return keys;
}

} // namespace quarvel
