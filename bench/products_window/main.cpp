// Times the Products window on one large generated database against the raw SQLite queries
// that each step runs:
//   1. opening: the window built, loaded and shown until its first product is on screen,
//      against the start-up queries read raw plus an empty window of the same size shown;
//   2. moving to the next product with the navigation bar (name, labels, transactions grid,
//      stock figures), median over many moves, against the move's queries read raw.
// Usage: QT_QPA_PLATFORM=offscreen bench_products_window [database]   (generates 100 000
// products and 1 000 000 transactions in a temporary folder when no database is given).
#include "../Generated.h"
#include "../RawRead.h"
#include "../WindowOpening.h"
#include "DbTool.h"
#include "app/ProductsWindow.h"
#include "controls/DataControl.h"
#include "data/sqlite/FileHealth.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

using namespace quarvel;

namespace {

std::string transactionsOf(long long id) {
    return "SELECT TransactionID, ProductID, TransactionDate, PurchaseOrderID, "
           "TransactionDescription, UnitsOrdered, UnitsReceived, UnitsSold, UnitsShrinkage "
           "FROM \"Inventory Transactions\" WHERE ProductID=" +
           std::to_string(id);
}

std::string totalsOf(long long id) {
    return "SELECT * FROM qryProducts WHERE ProductID=" + std::to_string(id);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QTemporaryDir dir;
    const QString path = benchDatabase(app.arguments().value(1), dir, {100000, 1000000});
    qputenv("QUARVEL_DATABASE", path.toUtf8());

    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);

    // Warm the file cache, so that neither side pays for the first read from disk.
    rawRead(raw, "SELECT * FROM Products");
    rawRead(raw, transactionsOf(1));

    // Opening is timed until the first product shows; closing the window is not.
    // The file's damage check is done first, so that the plain openings run without it.
    FileHealth::checkOnce(QFileInfo(path).absoluteFilePath());
    FileHealth::waitForChecks();
    const double openMs = openingMs([&] { return std::make_unique<ProductsWindow>(dir.path()); });
    // The same while the file's damage check (which a process runs once, on its first
    // opening) reads the whole file beside the window.
    const double checkedOpenMs = openingMs([&] {
        FileHealth::forget();
        FileHealth::checkOnce(QFileInfo(path).absoluteFilePath());
        return std::make_unique<ProductsWindow>(dir.path());
    });
    QElapsedTimer checkTime;
    checkTime.start();
    FileHealth::waitForChecks();
    std::printf("open the Products window while the damage check reads the file beside it: "
                "%.1f ms (%+.1f%%); the check ended %.0f ms after the last opening\n",
                checkedOpenMs, 100.0 * (checkedOpenMs - openMs) / openMs,
                double(checkTime.elapsed()));
    const double emptyMs = emptyWindowMs({728, 586});
    const double rawOpenMs = bestMs(5, [&] {
        rawRead(raw, "SELECT * FROM Products");
        rawRead(raw, "SELECT * FROM \"Inventory Transactions\" WHERE ProductID=1");
        rawRead(raw, totalsOf(1));
        rawRead(raw, "SELECT Categories.* FROM Categories ORDER BY Categories.CategoryID");
        rawRead(raw, transactionsOf(1));
        rawRead(raw, totalsOf(1));
    });
    std::printf("open the Products window until its first product shows: %.1f ms; raw queries "
                "%.1f ms + empty window %.1f ms = %.1f ms (ratio %.2f, target <= 2)\n",
                openMs, rawOpenMs, emptyMs, rawOpenMs + emptyMs, openMs / (rawOpenMs + emptyMs));

    ProductsWindow window(dir.path());
    window.Form_Load();
    window.show();
    QApplication::processEvents();
    auto* bar = window.findChild<controls::DataControl*>(QStringLiteral("dc"));
    auto* id = window.findChild<QLabel*>(QStringLiteral("ProductID"));
    if (!bar || !id) {
        std::fprintf(stderr, "the window has no navigation bar dc or label ProductID\n");
        return 1;
    }
    const int moves = 400;
    std::vector<double> moveMs, rawMs;
    for (int i = 0; i < moves; ++i) {
        const QString before = id->text();
        QElapsedTimer t;
        t.start();
        bar->nextButton()->click();
        QApplication::processEvents();
        moveMs.push_back(t.nsecsElapsed() / 1e6);
        if (id->text() == before) {
            std::fprintf(stderr, "move %d did not change the product\n", i);
            return 1;
        }
        const long long productId = id->text().toLongLong();
        t.restart();
        rawRead(raw, transactionsOf(productId));
        rawRead(raw, totalsOf(productId));
        rawMs.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("move to the next product (%d moves): median %.3f ms; its raw queries median "
                "%.3f ms (target < 5 ms)\n",
                moves, median(moveMs), median(rawMs));
    sqlite3_close(raw);
    return 0;
}
