// check(): compares a database file with the built-in schema. The expected tables, views
// and columns are read from an in-memory database made from that schema, so the list of
// names lives in schema.sql only.
#include "Connection.h"
#include "DbTool.h"
#include "Error.h"
#include "Statement.h"

#include <QFileInfo>
#include <QSet>

namespace quarvel::dbtool {

namespace {

struct SchemaObject {
    QString name;
    QString type; // "table" or "view"
};

QList<SchemaObject> objects(Connection& db) {
    Statement query = db.prepare(
        QStringLiteral("SELECT name, type FROM sqlite_schema WHERE type IN ('table', 'view') "
                       "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY type, rowid"));
    QList<SchemaObject> list;
    while (query.step())
        list.append({query.value(0).toString(), query.value(1).toString()});
    return list;
}

// Column names in lower case (SQLite and the program look names up without regard to case).
QStringList columns(Connection& db, const QString& object) {
    Statement query = db.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    query.bindText(1, object);
    QStringList list;
    while (query.step())
        list.append(query.value(0).toString());
    return list;
}

QString quoted(const QString& identifier) {
    return QLatin1Char('"') +
           QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString kindOf(const QString& type) {
    return type == QLatin1String("view") ? QStringLiteral("saved query (view)")
                                         : QStringLiteral("table");
}

} // namespace

QStringList check(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        throw Error(QStringLiteral("%1 does not exist").arg(path));
    if (!file.isFile())
        throw Error(QStringLiteral("%1 is not a file").arg(path));

    Connection target(path, Connection::Mode::OpenExisting);
    QList<SchemaObject> present;
    try {
        present = objects(target);
    } catch (const Error&) {
        throw Error(
            QStringLiteral("%1 is not a SQLite database (%2)").arg(path, target.lastError()));
    }
    QHash<QString, SchemaObject> byName;
    for (const SchemaObject& o : present)
        byName.insert(o.name.toLower(), o);

    Connection reference(QStringLiteral(":memory:"), Connection::Mode::Create);
    reference.exec(schemaSql());

    QStringList problems;
    for (const SchemaObject& expected : objects(reference)) {
        const auto found = byName.constFind(expected.name.toLower());
        if (found == byName.constEnd()) {
            problems.append(
                QStringLiteral("missing %1: %2").arg(kindOf(expected.type), expected.name));
            continue;
        }
        if (found->type != expected.type) {
            problems.append(QStringLiteral("%1 is a %2, not a %3")
                                .arg(expected.name, kindOf(found->type), kindOf(expected.type)));
            continue;
        }
        QString message;
        if (!target.compiles(QStringLiteral("SELECT * FROM %1").arg(quoted(expected.name)),
                             &message)) {
            problems.append(QStringLiteral("%1 %2 fails: %3")
                                .arg(kindOf(expected.type), expected.name, message));
            continue;
        }
        QSet<QString> have;
        for (const QString& column : columns(target, expected.name))
            have.insert(column.toLower());
        for (const QString& column : columns(reference, expected.name))
            if (!have.contains(column.toLower()))
                problems.append(QStringLiteral("missing column: %1.%2").arg(expected.name, column));
    }

    const QString company = QStringLiteral("My Company Information");
    if (byName.contains(company.toLower()) && problems.filter(company).isEmpty()) {
        Statement rows =
            target.prepare(QStringLiteral("SELECT count(*) FROM %1").arg(quoted(company)));
        rows.step();
        if (rows.intValue(0) == 0)
            problems.append(QStringLiteral("%1 has no row").arg(company));
    }
    return problems;
}

} // namespace quarvel::dbtool
