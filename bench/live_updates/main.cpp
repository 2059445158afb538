// What following other programs' changes costs the open windows, on one large generated
// database (100 000 products, 1 000 000 transactions) with the Products window and the find
// list open on it:
//   1. one change told: the time the windows take to show it (the change feed's signal handled
//      to the end), median over many changes, for a product elsewhere in the list, the product
//      on show, and a new transaction of the product on show (its row and figures);
//   2. from another connection's commit until the Products window shows it (the file's timer
//      or the server's notification included);
//   3. idle: the process's CPU time over one minute with no change.
// Usage: QT_QPA_PLATFORM=offscreen bench_live_updates [database path or URL]   (a file is
// generated in a temporary folder when none is given).
#include "../Generated.h"
#include "../Timing.h"
#include "SchemaUpgrade.h"
#include "app/ProductsWindow.h"
#include "data/Backend.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "find/FindProductWindow.h"
#include "products/ProductEditor.h"
#include "shell/ChangeFeed.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace quarvel;

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Runs the event loop until `done` or 10 s have passed; the time taken in ms.
template <typename Done> double waitMs(Done&& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QTemporaryDir dir;
    const QString path = benchDatabase(app.arguments().value(1), dir, {100000, 1000000});
    dbtool::schema::upgrade(path);
    qputenv("QUARVEL_DATABASE", path.toUtf8());
    shell::ChangeFeed* feed = shell::ChangeFeed::start(path);
    if (!feed->isWatching()) {
        std::fprintf(stderr, "the database cannot be watched\n");
        return 1;
    }

    ProductsWindow window(dir.path());
    window.Form_Load();
    window.show();
    shell::Session findSession;
    FindProductWindow find(findSession, dir.path());
    find.Form_Load();
    find.show();
    QApplication::processEvents();
    auto* title = window.editor()->titleLabel();
    const qint64 shown =
        window.session().rsProducts->Fields(QStringLiteral("ProductID")).toLongLong();
    std::printf("open: %d products in the Products window and the find list\n",
                window.session().rsProducts->RecordCount());

    const auto other = Connection::open(path);
    const int runs = 100;
    const auto timeChange = [&](const char* label, const QString& table, auto&& change) {
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            const QVariant key = change(i);
            QElapsedTimer t;
            t.start();
            emit feed->rowChanged(table, key);
            QApplication::processEvents();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("one change told, %s: median %.2f ms, slowest %.2f ms (%d changes)\n", label,
                    median(ms), *std::max_element(ms.begin(), ms.end()), runs);
    };
    timeChange("a product elsewhere in the list", QStringLiteral("Products"), [&](int i) {
        const qint64 id = 50000 + i;
        other->execute(QStringLiteral("UPDATE Products SET ReorderLevel = $1 WHERE ProductID = $2"),
                       {i, id});
        return QVariant(id);
    });
    timeChange("the product on show", QStringLiteral("Products"), [&](int i) {
        other->execute(QStringLiteral("UPDATE Products SET ProductName = $1 WHERE ProductID = $2"),
                       {QStringLiteral("Renamed %1").arg(i), shown});
        return QVariant(shown);
    });
    timeChange("a new transaction of the product on show", QStringLiteral("Inventory Transactions"),
               [&](int) {
                   other->execute(QStringLiteral("INSERT INTO [Inventory Transactions] (ProductID, "
                                                 "UnitsReceived) VALUES ($1, 1)"),
                                  {shown});
                   const auto id = other->query(
                       QStringLiteral("SELECT max(TransactionID) FROM [Inventory Transactions]"));
                   id->next();
                   return id->value(0);
               });

    // From the commit until the window shows it: the file's timer or the server's notification.
    std::vector<double> latency;
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("Seen %1").arg(i);
        other->execute(QStringLiteral("UPDATE Products SET ProductName = $1 WHERE ProductID = $2"),
                       {name, shown});
        latency.push_back(waitMs([&] { return title->text() == name; }));
    }
    std::printf("from another connection's commit until the window shows it: median %.0f ms, "
                "slowest %.0f ms (target: about a second)\n",
                median(latency), *std::max_element(latency.begin(), latency.end()));

    // Idle: a minute of the event loop with no change.
    const double before = cpuMs();
    QTimer::singleShot(60000, &app, &QApplication::quit);
    QApplication::exec();
    std::printf("idle: %.0f ms of CPU in one minute with no change\n", cpuMs() - before);
    return 0;
}
