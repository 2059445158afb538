#include "PostgresTarget.h"
#include "ToolText.h"

#include "CopySource.h"
#include "DbTool.h"
#include "Error.h"
#include "SchemaUpgrade.h"
#include "data/DatabaseError.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"

#include <QFile>
#include <QLocale>
#include <QSet>

namespace quarvel::dbtool {

namespace {

// A value in COPY's text format.
void appendCopyValue(QByteArray& out, const QVariant& value) {
    if (value.isNull()) {
        out += "\\N";
        return;
    }
    if (value.typeId() == QMetaType::Double) {
        out += QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        return;
    }
    for (const char c : value.toString().toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
}

std::unique_ptr<PostgresLink> connectTo(const QString& url) {
    try {
        return PostgresLink::connect(url);
    } catch (const DatabaseError& e) {
        throw Error(e.message());
    }
}

} // namespace

QString PostgresTarget::schemaSql() {
    QFile file(QStringLiteral(":/quarvel/schema-postgres.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(ToolText::tr("the built-in PostgreSQL schema is missing"));
    return QString::fromUtf8(file.readAll());
}

namespace {

// Rows sent in one COPY: the text of a batch stays small, however large the table.
constexpr int kCopyBatch = 50000;

void copyTable(const PostgresLink& link, const CopySource& source, const CopiedTable& table,
               const CopyProgress& progress) {
    const QStringList columns = source.columns(table.name);
    QStringList quotedColumns;
    for (const QString& c : columns)
        quotedColumns << quotedName(c);
    const QString copySql = QStringLiteral("COPY %1 (%2) FROM STDIN")
                                .arg(quotedName(table.name), quotedColumns.join(u','));
    const qint64 total = progress ? source.rowCount(table.name) : 0;
    qint64 done = 0;
    QByteArray copy;
    source.readRows(table.name, columns, [&](const QVector<QVariant>& values) {
        for (int i = 0; i < values.size(); ++i) {
            if (i > 0)
                copy += '\t';
            appendCopyValue(copy, values[i]);
        }
        copy += '\n';
        if (++done % kCopyBatch == 0) {
            link.copyIn(copySql, copy);
            copy.clear();
            if (progress)
                progress(table.name, done, total);
        }
    });
    if (!copy.isEmpty())
        link.copyIn(copySql, copy);
    if (progress)
        progress(table.name, done, total);
    // New rows are numbered after the keys the rows brought and after any number the source
    // gave out to rows since deleted: a key is never used twice.
    if (!table.key.isEmpty())
        link.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence($1, $2), greatest(coalesce("
                                 "max(%1), 0), $3) + 1, false) FROM %2")
                      .arg(quotedName(table.key), quotedName(table.name)),
                  {quotedName(table.name), table.key, source.lastKey(table.name, table.key)});
}

} // namespace

void PostgresTarget::fill(const QString& url, const CopySource& source,
                          const CopyProgress& progress,
                          const std::function<void(const PostgresLink&)>& finish) {
    const auto link = connectTo(url);
    const QString name = withoutPassword(url);
    try {
        const qint64 objects =
            link->exec(QStringLiteral("SELECT count(*) FROM pg_class WHERE relnamespace = "
                                      "to_regnamespace(current_schema()) AND relkind IN ('r', "
                                      "'p', 'v', 'm', 'S', 'f')"))
                .value(0, 0)
                .toLongLong();
        if (objects > 0)
            throw Error(ToolText::tr("%1 is not empty: quarvel-db makes the tables only in an "
                                     "empty database (createdb makes one)")
                            .arg(name));
        link->execScript(QStringLiteral("BEGIN"));
        link->execScript(schemaSql());
        const QList<CopiedTable> tables = copiedTables(source.version());
        for (const CopiedTable& table : tables)
            if (table.version == 1)
                copyTable(*link, source, table, progress);
        // The later versions over the rows, as an upgrade adds them; then the rows of the
        // tables they made.
        for (int version = 2; version <= schema::latestVersion; ++version)
            link->execScript(schema::upgradeSql(version, true));
        for (const CopiedTable& table : tables)
            if (table.version > 1)
                copyTable(*link, source, table, progress);
        if (finish)
            finish(*link);
        link->execScript(QStringLiteral("COMMIT"));
        link->execScript(QStringLiteral("ANALYZE"));
    } catch (const DatabaseError& e) {
        throw Error(ToolText::tr("cannot build %1: %2").arg(name, e.message()));
    }
}

namespace {

bool lacks(const PostgresLink& link, const char* table) {
    return link
        .exec(QStringLiteral("SELECT to_regclass($1) IS NULL"),
              {QStringLiteral("\"%1\"").arg(QLatin1String(table))})
        .value(0, 0)
        .toBool();
}

// The version of a database (1 without the version table).
int versionOf(const PostgresLink& link) {
    if (lacks(link, "Schema Version"))
        return 1;
    return int(link.exec(QStringLiteral("SELECT max(\"Version\") FROM \"Schema Version\""))
                   .value(0, 0)
                   .toLongLong());
}

} // namespace

int PostgresTarget::schemaVersion(const QString& url) {
    const auto link = connectTo(url);
    try {
        if (lacks(*link, "Products"))
            throw schema::notQuarvel(withoutPassword(url));
        return versionOf(*link);
    } catch (const DatabaseError& e) {
        throw Error(ToolText::tr("cannot read %1: %2").arg(withoutPassword(url), e.message()));
    }
}

int PostgresTarget::upgrade(const QString& url) {
    const auto link = connectTo(url);
    const QString name = withoutPassword(url);
    try {
        link->execScript(QStringLiteral("BEGIN"));
        if (lacks(*link, "Products"))
            throw schema::notQuarvel(name);
        // One upgrade at a time: a second one waits here, then finds the work done.
        link->execScript(QStringLiteral("LOCK TABLE \"Products\" IN SHARE ROW EXCLUSIVE MODE"));
        const int from = versionOf(*link);
        schema::requireKnown(from, name);
        for (int version = from + 1; version <= schema::latestVersion; ++version)
            link->execScript(schema::upgradeSql(version, true));
        link->execScript(QStringLiteral("COMMIT"));
        return from;
    } catch (const DatabaseError& e) {
        // Closing the connection rolls the transaction back.
        throw Error(
            ToolText::tr("cannot upgrade %1, which is unchanged: %2").arg(name, e.message()));
    }
}

QStringList PostgresTarget::check(const QString& url) {
    const auto link = connectTo(url);
    const QString name = withoutPassword(url);
    QStringList problems;
    try {
        // What should be there: the names of schema.sql, read from a database made from it.
        const int version = versionOf(*link);
        if (const QString newer = schema::newerProblem(version); !newer.isEmpty())
            problems << newer;
        sqlite::Database reference(QStringLiteral(":memory:"), sqlite::OpenMode::Create);
        reference.exec(schema::sqliteSchemaAt(version));
        sqlite::Statement expected = reference.prepare(QStringLiteral(
            "SELECT name, type FROM sqlite_schema WHERE type IN ('table', 'view') AND name NOT "
            "LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY type, rowid"));
        const PostgresResult present = link->exec(QStringLiteral(
            "SELECT c.relname, CASE WHEN c.relkind IN ('v', 'm') THEN 'view' ELSE 'table' END, "
            "a.attname FROM pg_class c JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 "
            "AND NOT a.attisdropped WHERE c.relnamespace = to_regnamespace(current_schema()) AND "
            "c.relkind IN ('r', 'p', 'v', 'm')"));
        QHash<QString, QString> types;
        QSet<QString> columns;
        for (int r = 0; r < present.rows(); ++r) {
            types.insert(present.value(r, 0).toString(), present.value(r, 1).toString());
            columns.insert(present.value(r, 0).toString() + u'.' + present.value(r, 2).toString());
        }
        while (expected.step()) {
            const QString object = expected.text(0), type = expected.text(1);
            const QString kind =
                type == u"view" ? ToolText::tr("saved query (view)") : ToolText::tr("table");
            if (!types.contains(object)) {
                problems << QStringLiteral("missing %1: %2").arg(kind, object);
                continue;
            }
            try {
                link->exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quotedName(object)));
            } catch (const DatabaseError& e) {
                problems << QStringLiteral("%1 %2 fails: %3").arg(kind, object, e.message());
                continue;
            }
            for (const QString& column : reference.columnNames(object))
                if (!columns.contains(object + u'.' + column))
                    problems << ToolText::tr("missing column: %1.%2").arg(object, column);
        }
        if (version >= 2 && types.contains(QStringLiteral("Product Stock"))) {
            const qint64 differing =
                link->exec(QStringLiteral(
                               "SELECT count(*) FROM \"qryProducts\" q LEFT JOIN \"Product "
                               "Stock\" s ON s.\"ProductID\" = q.\"ProductID\" WHERE "
                               "abs(coalesce(s.\"UnitsOnHand\", 0) - q.\"UnitsOnHand\") > 1e-9 "
                               "OR abs(coalesce(s.\"UnitsOnOrder\", 0) - q.\"UnitsOnOrder\") > "
                               "1e-9"))
                    .value(0, 0)
                    .toLongLong();
            if (differing > 0)
                problems << ToolText::tr("Product Stock disagrees with the transactions of %1 "
                                         "product(s)")
                                .arg(differing);
        }
        const QString company = QStringLiteral("My Company Information");
        if (types.contains(company) &&
            link->exec(QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(company)))
                    .value(0, 0)
                    .toLongLong() == 0)
            problems << ToolText::tr("%1 has no row").arg(company);
        if (types.contains(QStringLiteral("Products")) &&
            link->exec(QStringLiteral("SELECT has_table_privilege('\"Products\"', 'UPDATE')"))
                    .value(0, 0)
                    .toLongLong() == 0)
            problems << ToolText::tr("%1 is read-only for this role: the program can show its "
                                     "data but cannot save changes to it")
                            .arg(name);
    } catch (const DatabaseError& e) {
        throw Error(ToolText::tr("cannot read %1: %2").arg(name, e.message()));
    }
    return problems;
}

} // namespace quarvel::dbtool
