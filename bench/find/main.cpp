// The find box on 100 000 products and 1 000 000 transactions: how long the list takes to
// show for one typed letter (matching, and the figures of the rows in view, painted), beside
// the engine's own query for the same letter (a case-blind LIKE over name and category, read
// through the data layer), on a SQLite file and, when a URL is given, on PostgreSQL.
// Usage: bench_find [POSTGRESQL-URL]   (the URL names an existing empty database)
#include "../Generated.h"
#include "../Timing.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "find/FindModel.h"
#include "find/FindProductWindow.h"
#include "shell/Session.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <cstdio>
#include <vector>

using namespace quarvel;

namespace {

const char letters[] = "aeiostrnlcmpbdgk";

void measure(const char* engine, const QString& database) {
    qputenv("QUARVEL_DATABASE", database.toUtf8());
    std::vector<double> shown;
    std::vector<double> raw;
    std::vector<double> opening;
    auto connection = Connection::open(BuildConnectionString(database));
    for (const char* letter = letters; *letter; ++letter) {
        const QString typed = QString(QLatin1Char(*letter));
        // A new box for each letter: no figures read before.
        shell::Session session;
        FindProductWindow box(session);
        QElapsedTimer t;
        t.start();
        box.Form_Load();
        box.show();
        QApplication::processEvents();
        opening.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        box.findBox()->setText(typed);
        box.list()->viewport()->repaint();
        shown.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        // The letter reaches the query as its place in `letters`, a number.
        const QString place = QString::number(letter - letters + 1);
        Recordset rs;
        rs.Open(QStringLiteral("SELECT Products.ProductID, Products.ProductName, "
                               "Categories.CategoryName, Products.ReorderLevel FROM Products "
                               "LEFT JOIN Categories ON Products.CategoryID = "
                               "Categories.CategoryID WHERE lower(Products.ProductName) LIKE "
                               "'%' || substr('%1', %2, 1) || '%' OR "
                               "lower(Categories.CategoryName) LIKE '%' || substr('%1', %2, 1) "
                               "|| '%' ORDER BY Products.ProductName, Products.ProductID;")
                    .arg(QLatin1String(letters), place),
                connection);
        if (rs.RecordCount() != box.model()->rowCount())
            std::printf("the engine found %d rows for \"%c\", the box %d\n", rs.RecordCount(),
                        *letter, box.model()->rowCount());
        raw.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("%s: opening the find box (reading every product) median %.1f ms\n", engine,
                median(opening));
    std::printf("%s: the list for one typed letter (%zu letters): median %.1f ms, worst %.1f ms; "
                "the engine's LIKE query for it median %.1f ms (target: list <= 50 ms)\n",
                engine, shown.size(), median(shown), *std::max_element(shown.begin(), shown.end()),
                median(raw));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quarvel::dbtool::GenerateOptions options;
    options.products = 100000;
    options.transactions = 1000000;
    QTemporaryDir dir;
    measure("SQLite", benchDatabase(QString(), dir, options));
    if (argc > 1) {
        generateTimed("PostgreSQL", QString::fromLocal8Bit(argv[1]), options);
        measure("PostgreSQL", QString::fromLocal8Bit(argv[1]));
    }
    return 0;
}
