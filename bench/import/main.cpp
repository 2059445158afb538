// Importing 100 000 products from a CSV file (a name, a category given by name, a reorder level
// and a lead time) into a new database: the file read, every row checked, all written in one
// transaction, on a SQLite file and, when a URL is given, on PostgreSQL.
// Usage: bench_import [POSTGRESQL-URL]   (the URL names an existing empty database)
#include "DbTool.h"
#include "csv/CsvWriter.h"
#include "data/Connection.h"
#include "import/ImportCheck.h"
#include "import/ImportWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace quarvel;
using namespace quarvel::import;

namespace {

QByteArray productsFile(int rows) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    csv::CsvWriter writer(&buffer);
    writer.writeRow({"Product Name", "Category", "Reorder Level", "Lead Time", "Description"});
    const char* categories[] = {"Bulbs", "Fertilizers", "Flower Seeds", "Tools"};
    for (int i = 0; i < rows; ++i)
        writer.writeRow({QStringLiteral("Imported product %1, \"boxed\"").arg(i),
                         QString::fromLatin1(categories[i % 4]), QString::number(i % 50),
                         QStringLiteral("%1 days").arg(i % 30 + 1),
                         QStringLiteral("Line one\nline two of %1").arg(i)});
    return buffer.data();
}

void measure(const char* engine, const QString& database, const QByteArray& bytes) {
    auto connection = Connection::open(database);
    connection->execute("INSERT INTO Categories (CategoryName) VALUES ('Bulbs'), ('Fertilizers'), "
                        "('Flower Seeds'), ('Tools')");
    QElapsedTimer t;
    t.start();
    const ImportFile file = ImportFile::read(bytes);
    const double read = t.nsecsElapsed() / 1e6;
    const ImportTable table = *ImportTable::named(QStringLiteral("Products"));
    const CheckResult checked =
        ImportCheck::check(*connection, table, file, ImportCheck::autoMapping(table, file.header));
    const double check = t.nsecsElapsed() / 1e6 - read;
    const ImportOutcome outcome =
        ImportWriter::write(connection, checked, file, ImportMode::AllOrNothing);
    const double total = t.nsecsElapsed() / 1e6;
    std::printf("%s: %d rows: read %.0f ms, checked %.0f ms, written %.0f ms, in all %.2f s "
                "(target: 10 s); %s\n",
                engine, outcome.rows, read, check, total - read - check, total / 1000.0,
                qPrintable(outcome.summary()));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QByteArray bytes = productsFile(100000);
    std::printf("the file: %.1f MiB\n", bytes.size() / 1048576.0);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("import.db"));
    dbtool::createDatabase(file, false, false);
    measure("SQLite file", file, bytes);
    if (argc > 1) {
        const QString url = QString::fromLocal8Bit(argv[1]);
        dbtool::createDatabase(url, false, false);
        measure("PostgreSQL", url, bytes);
    }
    return 0;
}
