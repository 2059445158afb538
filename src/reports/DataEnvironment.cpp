#include "DataEnvironment.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/FieldValue.h"
#include "reports/engine/ReportError.h"
#include "reports/engine/ShapeCommand.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quarvel::reports {

namespace {

struct Command {
    const char* name;
    const char* text;
};

// The commands exactly as the data source holds them (two blanks before each "AS" that
// follows a closing brace).
constexpr Command commands[] = {
    {"cm1", "SHAPE {SELECT * FROM `qryRep1A`}  AS cm1 APPEND ({SELECT * FROM `qryRep1B`}  AS "
            "cm1B RELATE 'ProductID' TO 'ProductID') AS cm1B"},
    {"cm2", "SHAPE {SELECT * FROM `qryRep2A`}  AS cm2 APPEND ({SELECT * FROM `qryRep2B`}  AS "
            "cm2B RELATE 'SupplierID' TO 'SupplierID') AS cm2B"},
    {"cm3", "`qryRep3A`"},
    {"cm4", "SHAPE {SELECT * FROM `qryRep4A`}  AS cm4 APPEND ({SELECT * FROM `qryRep4B`}  AS "
            "cm4B RELATE 'ProductID' TO 'ProductID') AS cm4B"},
    {"cm5", "SHAPE {SELECT * FROM `qryRep5A`}  AS cm5 APPEND ({SELECT * FROM `qryRep5B`}  AS "
            "cm5B RELATE 'PurchaseOrderID' TO 'qryRep5B.PurchaseOrderID') AS cm5B"},
};

bool wanted(const QString& column, const QStringList& columns, const QStringList& keep) {
    if (columns.isEmpty())
        return true;
    auto matches = [&](const QString& name) {
        return name.compare(column, Qt::CaseInsensitive) == 0 ||
               column.endsWith(u'.' + name, Qt::CaseInsensitive) ||
               name.endsWith(u'.' + column, Qt::CaseInsensitive);
    };
    return std::any_of(columns.begin(), columns.end(), matches) ||
           std::any_of(keep.begin(), keep.end(), matches);
}

} // namespace

DataEnvironment::DataEnvironment(std::shared_ptr<Connection> connection)
    : m_connection(std::move(connection)) {}

QString DataEnvironment::commandText(const QString& command) {
    for (const Command& c : commands) {
        if (command.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(c.text);
    }
    throw ReportError(QStringLiteral("The data source has no command named '%1'.").arg(command));
}

QStringList DataEnvironment::commandNames() {
    QStringList names;
    for (const Command& c : commands)
        names << QString::fromLatin1(c.name);
    return names;
}

ReportData DataEnvironment::load(const QString& command, const QStringList& columns) const {
    const ShapeCommand shape = ShapeCommand::parse(commandText(command));
    if (!shape.hasChild())
        return ReportData::flat(query(shape.masterSql, columns));
    ReportTable master = query(shape.masterSql, columns, {shape.masterField});
    ReportTable child = query(shape.childSql, columns, {shape.childField});
    return ReportData::shaped(std::move(master), std::move(child), shape.masterField,
                              shape.childField);
}

ReportTable DataEnvironment::query(const QString& sql, const QStringList& columns,
                                   const QStringList& keep) const {
    if (!m_connection)
        throw DatabaseError(QStringLiteral("The report data source is not connected."));
    // Read straight from the engine: a report reads every row once, front to back, and a
    // large one (a million transactions) must not pay for an editable cursor.
    BackendSession& backend = m_connection->backend();
    const std::unique_ptr<BackendCursor> cursor = backend.query(backend.translate(sql));
    struct Column {
        int index;
        FieldKind kind;
    };
    std::vector<Column> used;
    QStringList names;
    for (int c = 0; c < cursor->columnCount(); ++c) {
        const ResultColumn column = cursor->column(c);
        if (!wanted(column.name, columns, keep))
            continue;
        used.push_back({c, fieldKindFromDeclType(column.declType, !column.origin.isEmpty())});
        names << column.name;
    }
    ReportTable table(names);
    QVariantList row;
    row.reserve(static_cast<qsizetype>(used.size()));
    while (cursor->next()) {
        row.clear();
        for (const Column& column : used) {
            QVariant raw = cursor->value(column.index);
            if (column.kind == FieldKind::Text || column.kind == FieldKind::Integer)
                row.append(std::move(raw));
            else
                row.append(FieldValue::fromStorage(raw, column.kind));
        }
        table.addRow(row);
    }
    return table;
}

} // namespace quarvel::reports
