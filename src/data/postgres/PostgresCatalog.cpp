#include "data/postgres/PostgresCatalog.h"

#include <QHash>
#include <map>
#include <mutex>
#include <optional>

namespace quarvel {

namespace {

using ColumnRef = QPair<unsigned, int>; // relation, column number

struct Relation {
    QString name;
    bool isTable = false;
    bool isView = false;
    QHash<int, QPair<QString, QString>> columns; // number -> name, declared type
    // A view's columns that show a column of another relation as it is: number -> that column.
    QHash<int, ColumnRef> origins;
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

// Reads one value of a stored node tree (pg_node_tree text): the tokens, with `{`, `}`, `(`
// and `)` tokens of their own and backslash escapes resolved.
QStringList nodeTokens(const QString& text) {
    QStringList tokens;
    QString token;
    const auto flush = [&] {
        if (!token.isEmpty())
            tokens << token;
        token.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            token += text.at(++i);
        } else if (c.isSpace()) {
            flush();
        } else if (c == u'{' || c == u'}' || c == u'(' || c == u')') {
            flush();
            tokens << QString(c);
        } else {
            token += c;
        }
    }
    flush();
    return tokens;
}

// The columns of a view that show a column of a table or view as it is, from the target list
// of the view's query (its rule): column number -> the relation and column it comes from.
QHash<int, ColumnRef> viewOrigins(const QString& rule) {
    QHash<int, ColumnRef> origins;
    int depth = 0;
    bool inTargetList = false;
    QString field;
    int resno = 0;
    ColumnRef origin;
    for (const QString& token : nodeTokens(rule)) {
        if (token == u"{") {
            ++depth;
            if (depth == 2 && inTargetList) {
                resno = 0;
                origin = {};
            }
            field.clear();
        } else if (token == u"}") {
            if (depth == 2 && inTargetList && resno > 0 && origin.first != 0)
                origins.insert(resno, origin);
            --depth;
            field.clear();
        } else if (token.startsWith(u':')) {
            if (depth == 1)
                inTargetList = token == u":targetList";
            field = depth == 2 && inTargetList ? token : QString();
        } else if (!field.isEmpty()) {
            if (field == u":resno")
                resno = token.toInt();
            else if (field == u":resorigtbl")
                origin.first = token.toUInt();
            else if (field == u":resorigcol")
                origin.second = token.toInt();
            field.clear();
        }
    }
    return origins;
}

// Reads the relations `oids` (and the ones their views show columns of) into `known`.
void readRelations(const PostgresLink& link, QStringList oids, QHash<unsigned, Relation>& known) {
    while (!oids.isEmpty()) {
        const QString list = u'{' + oids.join(u',') + u'}';
        const PostgresResult read = link.exec(
            QStringLiteral("SELECT c.oid, c.relname, c.relkind::text, a.attnum, a.attname, "
                           "format_type(a.atttypid, a.atttypmod) FROM pg_class c JOIN "
                           "pg_attribute a ON a.attrelid = c.oid WHERE c.oid = ANY($1::oid[]) AND "
                           "a.attnum > 0 AND NOT a.attisdropped"),
            {list});
        for (int r = 0; r < read.rows(); ++r) {
            Relation& relation = known[unsigned(read.value(r, 0).toLongLong())];
            relation.name = read.value(r, 1).toString();
            const QString kind = read.value(r, 2).toString();
            relation.isTable = kind == u"r" || kind == u"p";
            relation.isView = kind == u"v";
            relation.columns.insert(int(read.value(r, 3).toLongLong()),
                                    {read.value(r, 4).toString(), read.value(r, 5).toString()});
        }
        const PostgresResult rules = link.exec(
            QStringLiteral("SELECT ev_class, ev_action::text FROM pg_rewrite WHERE ev_class = "
                           "ANY($1::oid[]) AND rulename = '_RETURN'"),
            {list});
        oids.clear();
        for (int r = 0; r < rules.rows(); ++r) {
            Relation& view = known[unsigned(rules.value(r, 0).toLongLong())];
            view.origins = viewOrigins(rules.value(r, 1).toString());
            for (const ColumnRef& origin : std::as_const(view.origins)) {
                const QString oid = QString::number(origin.first);
                if (!known.contains(origin.first) && !oids.contains(oid))
                    oids << oid;
            }
        }
    }
}

// The table column a result column shows, following views down to their tables; nullopt
// for a computed column.
std::optional<ColumnRef> tableColumn(const QHash<unsigned, Relation>& known, ColumnRef column) {
    // Views over views: as deep as any schema goes, and never round in circles.
    for (int depth = 0; depth < 32; ++depth) {
        const auto relation = known.constFind(column.first);
        if (relation == known.constEnd() || !relation->columns.contains(column.second))
            return std::nullopt;
        if (relation->isTable)
            return column;
        const auto origin = relation->origins.constFind(column.second);
        if (!relation->isView || origin == relation->origins.constEnd())
            return std::nullopt;
        column = *origin;
    }
    return std::nullopt;
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
        QHash<unsigned, Relation> read;
        readRelations(link, missing, read);
        std::lock_guard lock(c.mutex);
        c.relations[database].insert(read);
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
                column.declType = declTypeOf(found->second);
                const auto origin = tableColumn(known, {result.tableOid(i), found.key()});
                if (origin) {
                    const Relation& table = known[origin->first];
                    column.table = table.name;
                    column.origin = table.columns.value(origin->second).first;
                } else if (!relation->isView) {
                    column.origin = found->first;
                }
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
