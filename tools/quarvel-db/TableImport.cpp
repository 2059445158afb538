#include "TableImport.h"
#include "ToolText.h"

#include "Error.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/postgres/PostgresLink.h"
#include "import/ImportCheck.h"
#include "import/ImportTable.h"
#include "import/ImportWriter.h"

#include <QFile>

namespace quarvel::dbtool {

namespace {

// Refused cells told one by one, then counted.
constexpr int kProblemsShown = 50;

} // namespace

int TableImport::run(const QString& database, const QString& table, const QString& file,
                     const Options& options, QTextStream& out, QTextStream& err) {
    using namespace quarvel::import;
    const std::optional<ImportTable> target = ImportTable::named(table);
    if (!target) {
        QStringList names;
        for (const ImportTable& t : ImportTable::all())
            names << t.name;
        throw Error(ToolText::tr("rows are imported into %1, not \"%2\"")
                        .arg(names.join(QStringLiteral(", ")), table));
    }
    QFile csv(file);
    if (!csv.open(QIODevice::ReadOnly))
        throw Error(ToolText::tr("cannot read %1: %2").arg(file, csv.errorString()));
    try {
        const QByteArray bytes = csv.readAll();
        FileFormat format = ImportFile::detect(bytes);
        if (options.encoding >= 0)
            format.dialect.encoding = options.encoding == 1 ? csv::Dialect::Encoding::Latin1
                                                            : csv::Dialect::Encoding::Utf8;
        if (options.separator >= 0)
            format.dialect.separator = ",;\t"[options.separator];
        if (options.dates >= 0)
            format.dates = DateOrder(options.dates);
        if (options.decimalComma >= 0)
            format.decimalComma = options.decimalComma == 1;
        const ImportFile rows = ImportFile::read(bytes, format);
        const auto connection = Connection::open(database);
        const CheckResult checked = ImportCheck::check(
            *connection, *target, rows, ImportCheck::autoMapping(*target, rows.header));
        for (int i = 0; i < checked.problems.size() && i < kProblemsShown; ++i)
            err << checked.problems[i].text() << "\n";
        if (checked.problems.size() > kProblemsShown)
            err << ToolText::tr("... and %1 more").arg(checked.problems.size() - kProblemsShown)
                << "\n";
        const ImportOutcome outcome = ImportWriter::write(
            connection, checked, rows,
            options.validRows ? ImportMode::ValidRows : ImportMode::AllOrNothing,
            options.errorFile);
        out << outcome.summary() << "\n";
        return outcome.refused == 0 && outcome.rows > 0 ? 0 : 1;
    } catch (const csv::ReadError& e) {
        throw Error(QStringLiteral("%1, line %2: %3").arg(file).arg(e.line).arg(e.message));
    } catch (const ImportError& e) {
        throw Error(e.message());
    } catch (const DatabaseError& e) {
        throw Error(ToolText::tr("nothing was imported into %1: %2")
                        .arg(withoutPassword(database), e.message()));
    }
}

} // namespace quarvel::dbtool
