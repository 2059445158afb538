// Times the Purchase Orders window on one large generated database against the raw SQLite
// queries that each step runs:
//   1. opening: the window built, loaded and shown until its first order is on screen,
//      against the queries it runs read raw plus an empty window of the same size shown;
//   2. moving to the next order with the navigation bar (header, lists, lines grid with the
//      subtotals), median over many moves, against the move's query read raw;
//   3. choosing another product for a line (written, the lines re-read, the row current
//      again), median over many choices, against the same write and re-read done raw. The
//      half-second pause window is left out: it waits by design.
// Usage: QT_QPA_PLATFORM=offscreen bench_purchase_orders [database]   (generates 10 000
// products, 100 000 orders and 1 000 000 order lines in a temporary folder when no database
// is given).
#include "../Generated.h"
#include "../RawRead.h"
#include "../WindowOpening.h"
#include "DbTool.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "data/Recordset.h"
#include "orders/OrderLines.h"
#include "orders/PurchaseOrdersWindow.h"
#include "shell/Session.h"
#include "shell/WindowTable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>
#include <ctime>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

using namespace quarvel;

namespace {

// The processor time of this thread, in milliseconds: on a busy machine the wall time of a
// step also holds the time other programs had the processor.
double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void rawExec(sqlite3* db, const std::string& sql) {
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

std::string linesOf(long long id) {
    return "SELECT t.TransactionID, t.PurchaseOrderID, t.ProductID, t.TransactionDate, "
           "p.ProductName, t.UnitsOrdered, t.UnitPrice, t.UnitsOrdered * t.UnitPrice AS Subtotal "
           "FROM \"Inventory Transactions\" t LEFT JOIN Products p ON p.ProductID = t.ProductID "
           "WHERE t.PurchaseOrderID=" +
           std::to_string(id);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QTemporaryDir dir;
    const QString path = benchDatabase(app.arguments().value(1), dir, {10000, 0, 100000, 1000000});
    qputenv("QUARVEL_DATABASE", path.toUtf8());
    shell::WindowTable::registerWindow(shell::WindowId::Form9, [](QWidget*) {});
    shell::Session session;

    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    rawExec(raw, "PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL");

    // Warm the file cache, so that neither side pays for the first read from disk.
    rawRead(raw, "SELECT * FROM \"Purchase Orders\"");
    rawRead(raw, "SELECT ProductID, ProductName FROM Products ORDER BY ProductName");

    // Opening is timed until the first order shows; closing the window is not.
    const double openMs = openingMs(
        [&] { return std::make_unique<orders::PurchaseOrdersWindow>(session, dir.path()); });
    const double emptyMs = emptyWindowMs({713, 643});
    // The window reads the first order's lines three times: when its fields are first bound,
    // when the lines' bar is opened and when load re-reads them.
    const double rawOpenMs = bestMs(5, [&] {
        rawRead(raw, "SELECT * FROM \"Purchase Orders\"");
        for (int i = 0; i < 3; ++i)
            rawRead(raw, linesOf(1));
        rawRead(raw, "SELECT * FROM Suppliers ORDER BY SupplierName");
        rawRead(raw, "SELECT EmployeeID, LastName || ', ' || FirstName AS EmployeeName FROM "
                     "Employees ORDER BY LastName || ', ' || FirstName");
        rawRead(raw, "SELECT * FROM \"Shipping Methods\" ORDER BY ShippingMethod");
        rawRead(raw, "SELECT ProductID, ProductName FROM Products ORDER BY ProductName");
    });
    std::printf("open the Purchase Orders window until its first order shows: %.1f ms; raw "
                "queries %.1f ms + empty window %.1f ms = %.1f ms (ratio %.2f, target <= 2)\n",
                openMs, rawOpenMs, emptyMs, rawOpenMs + emptyMs, openMs / (rawOpenMs + emptyMs));

    orders::PurchaseOrdersWindow window(session, dir.path());
    window.Form_Load();
    window.show();
    QApplication::processEvents();
    QLabel* id = window.idLabel();
    const int moves = 400;
    std::vector<double> moveMs, moveCpuMs, rawMoveMs;
    for (int i = 0; i < moves; ++i) {
        const QString before = id->text();
        QElapsedTimer t;
        t.start();
        const double cpu = cpuMs();
        window.dc()->nextButton()->click();
        QApplication::processEvents();
        moveMs.push_back(t.nsecsElapsed() / 1e6);
        moveCpuMs.push_back(cpuMs() - cpu);
        if (id->text() == before) {
            std::fprintf(stderr, "move %d did not change the order\n", i);
            return 1;
        }
        t.restart();
        rawRead(raw, linesOf(id->text().toLongLong()));
        rawMoveMs.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("move to the next order (%d moves): median %.3f ms (processor %.3f ms); its raw "
                "query median %.3f ms (target < 5 ms)\n",
                moves, median(moveMs), median(moveCpuMs), median(rawMoveMs));

    // Choosing a product: the grid's list writes the ProductID into the line, then the window
    // saves the line and re-reads the lines.
    orders::OrderLines* lines = window.lines();
    controls::DataGrid* grid = lines->grid();
    const int choices = 100;
    std::vector<double> chooseMs, chooseCpuMs, rawChooseMs;
    for (int i = 0; i < choices; ++i) {
        Recordset& rs = *lines->lines();
        if (rs.RecordCount() == 0) {
            window.dc()->nextButton()->click();
            continue;
        }
        const int row = i % rs.RecordCount();
        const long long product =
            1 + (rs.value(row, rs.fieldIndex("ProductID")).toLongLong() % 10000);
        QElapsedTimer t;
        t.start();
        const double cpu = cpuMs();
        grid->model()->setData(grid->model()->index(row, grid->columnOf("ProductName")), product);
        lines->dcbProductID_Change();
        QApplication::processEvents();
        chooseMs.push_back(t.nsecsElapsed() / 1e6);
        chooseCpuMs.push_back(cpuMs() - cpu);
        const long long transaction = lines->lines()->Fields("TransactionID").toLongLong();
        if (lines->lines()->Fields("ProductID").toLongLong() != product) {
            std::fprintf(stderr, "choice %d did not write the product\n", i);
            return 1;
        }
        t.restart();
        rawExec(raw, "UPDATE \"Inventory Transactions\" SET ProductID=" +
                         std::to_string(1 + product % 10000) +
                         " WHERE TransactionID=" + std::to_string(transaction));
        rawRead(raw, linesOf(id->text().toLongLong()));
        rawChooseMs.push_back(t.nsecsElapsed() / 1e6);
        // The raw write changed the row behind the window's back: read it again.
        lines->SetCalls(false);
    }
    std::printf("choose another product for a line (%zu choices): median %.3f ms (processor "
                "%.3f ms); its raw write and query median %.3f ms (target < 20 ms)\n",
                chooseMs.size(), median(chooseMs), median(chooseCpuMs), median(rawChooseMs));
    sqlite3_close(raw);
    return 0;
}
