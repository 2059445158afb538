#include "DbTool.h"
#include "ToolText.h"

#include "DatabaseBuild.h"
#include "Error.h"
#include "Generator.h"
#include "PostgresTarget.h"
#include "SampleData.h"
#include "SchemaUpgrade.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"
#include "sqlite/Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

namespace quarvel::dbtool {

QString schemaSql() {
    QFile file(QStringLiteral(":/quarvel/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(ToolText::tr("the built-in schema is missing"));
    return QString::fromUtf8(file.readAll());
}

void createDatabase(const QString& path, bool sample, bool force, Journal journal) {
    buildDatabase(path, force, journal, [sample](sqlite::Database& db) {
        if (sample)
            SampleData::fill(db);
        else
            SampleData::insertCompany(db, {}, {});
    });
}

void generate(const QString& path, const GenerateOptions& options, bool force, Journal journal) {
    if (options.products < 1 || options.transactions < 0 || options.orders < 0 || options.lines < 0)
        throw Error(ToolText::tr("--products must be at least 1, --transactions, --orders and "
                                 "--lines at least 0"));
    buildDatabase(path, force, journal,
                  [&options](sqlite::Database& db) { Generator(options).fill(db); });
}

} // namespace quarvel::dbtool
