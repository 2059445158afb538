// Reorder Stock on 100 000 products and 1 000 000 transactions (dated over 2021; "today" is
// 2021-12-31, so the last 90 days hold sales): reading the list, opening the window on it,
// and making 50 purchase orders with 1 000 lines in one transaction, on a SQLite file (of
// schema version 2, then of version 1: without the figures kept for each product and the index
// of the transactions by date) and, when a URL is given, on PostgreSQL.
// Usage: bench_reorder [POSTGRESQL-URL]   (the URL names an existing empty database)
#include "../Generated.h"
#include "../Timing.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "reorder/DraftOrders.h"
#include "reorder/ReorderList.h"
#include "reorder/ReorderWindow.h"
#include "shell/Globals.h"
#include "shell/Session.h"
#include "sqlite/Database.h"

#include <QApplication>
#include <cstdio>

using namespace quarvel;

namespace {

const QDate lastDay(2021, 12, 31);

void measure(const char* engine, const QString& database) {
    qputenv("QUARVEL_DATABASE", database.toUtf8());
    auto connection = Connection::open(BuildConnectionString(database));
    std::size_t listed = 0;
    const double list =
        bestMs(5, [&] { listed = reorder::readSuggestions(connection, lastDay).size(); });
    shell::Session session;
    const double window = bestMs(3, [&] {
        reorder::ReorderWindow w(session);
        w.Form_Load();
        w.show();
        QApplication::processEvents();
    });
    std::printf("%s: the reorder list (%zu products) read in %.1f ms; the window open on it in "
                "%.1f ms (target: 500 ms)\n",
                engine, listed, list, window);

    // 50 suppliers, 20 products each.
    std::vector<reorder::Suggestion> rows;
    for (int i = 0; i < 1000; ++i) {
        reorder::Suggestion s;
        s.productId = 1 + i * 97;
        s.supplierId = qint64(1 + i % 50);
        s.quantity = 10;
        s.unitPrice = 2.5;
        rows.push_back(s);
    }
    reorder::DraftResult made;
    const double create =
        bestMs(3, [&] { made = reorder::createOrders(connection, rows, lastDay); });
    std::printf("%s: %lld purchase orders with %d lines made in %.1f ms, one transaction "
                "(target: 1000 ms)\n",
                engine, qlonglong(made.orders.size()), made.lines, create);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setTodayForTesting(lastDay);
    dbtool::GenerateOptions options;
    options.products = 100000;
    options.transactions = 1000000;
    QTemporaryDir dir;
    const QString file = benchDatabase(QString(), dir, options);
    measure("SQLite", file);
    {
        // The same file as the first schema version has it: without the figures kept for each
        // product and the index of the transactions by date.
        sqlite::Database db(file, sqlite::OpenMode::ReadWrite);
        db.exec(QStringLiteral(
            "DROP TRIGGER tr_ProductStock_Insert; DROP TRIGGER tr_ProductStock_Delete; "
            "DROP TRIGGER tr_ProductStock_Update; DROP TRIGGER tr_ProductStock_ProductDelete; "
            "DROP TABLE \"Product Stock\"; DROP INDEX ix_InventoryTransactions_Date; "
            "DROP TABLE \"Stock Count Lines\"; DROP TABLE \"Stock Counts\"; "
            "DROP TABLE \"Schema Version\";"));
    }
    measure("SQLite, schema version 1", file);
    if (argc > 1) {
        generateTimed("PostgreSQL", QString::fromLocal8Bit(argv[1]), options);
        measure("PostgreSQL", QString::fromLocal8Bit(argv[1]));
    }
    return 0;
}
