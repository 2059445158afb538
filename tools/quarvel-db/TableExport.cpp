#include "TableExport.h"
#include "ToolText.h"

#include "CopyFigures.h"
#include "CopySource.h"
#include "Error.h"
#include "SchemaUpgrade.h"
#include "csv/CsvWriter.h"
#include "data/Backend.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/postgres/PostgresLink.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <memory>

namespace quarvel::dbtool {

QStringList TableExport::names(int version) {
    QStringList names;
    for (const CopiedTable& table : copiedTables(version))
        names << table.name;
    return names + CopyFigures::savedQueries(version);
}

qint64 TableExport::write(const QString& database, const QString& name, const QString& file,
                          csv::Style style) {
    const QString shown = withoutPassword(database);
    const QStringList known = names(schema::version(database));
    const auto match = std::find_if(known.begin(), known.end(), [&](const QString& n) {
        return n.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (match == known.end())
        throw Error(ToolText::tr("%1 has no table or saved query \"%2\"; these can be "
                                 "exported: %3")
                        .arg(shown, name, known.join(QStringLiteral(", "))));
    const QList<CopiedTable> tables = copiedTables(schema::latestVersion);
    const bool keyed = std::any_of(tables.begin(), tables.end(), [&](const CopiedTable& t) {
        return t.name == *match && !t.key.isEmpty();
    });

    std::unique_ptr<QIODevice> out;
    QSaveFile* saved = nullptr;
    if (file == QLatin1String("-")) {
        auto standardOutput = std::make_unique<QFile>();
        if (!standardOutput->open(stdout, QIODevice::WriteOnly))
            throw Error(ToolText::tr("cannot write to standard output"));
        out = std::move(standardOutput);
    } else {
        auto target = std::make_unique<QSaveFile>(file);
        if (!target->open(QIODevice::WriteOnly))
            throw Error(ToolText::tr("cannot write %1: %2").arg(file, target->errorString()));
        saved = target.get();
        out = std::move(target);
    }
    csv::CsvWriter writer(out.get());
    qint64 rows = 0;
    try {
        const auto connection = Connection::open(database);
        const auto cursor =
            connection->query(QStringLiteral("SELECT * FROM [%1]%2")
                                  .arg(*match, keyed ? QStringLiteral(" ORDER BY 1") : QString()));
        QStringList header;
        for (int i = 0; i < cursor->columnCount(); ++i)
            header << cursor->column(i).name;
        writer.writeRow(header);
        QStringList fields;
        while (cursor->next()) {
            fields.clear();
            for (int i = 0; i < cursor->columnCount(); ++i)
                fields << csv::textOf(cursor->value(i), style);
            writer.writeRow(fields);
            ++rows;
        }
    } catch (const DatabaseError& e) {
        throw Error(ToolText::tr("cannot read %1 from %2: %3").arg(*match, shown, e.message()));
    }
    if (!writer.ok() || (saved && !saved->commit()))
        throw Error(ToolText::tr("cannot write %1: %2").arg(file, out->errorString()));
    return rows;
}

} // namespace quarvel::dbtool
