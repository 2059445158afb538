// The two engines side by side, through the data layer, on the same generated data:
//   1. opening and walking "Select * from Products", a product's totals (qryProducts) and its
//      transactions, and re-querying an unchanged result;
//   2. eight clients (threads, each with its own connection) saving inventory transactions
//      through Recordset for a while: saves per second, and every save found afterwards; with
//      the history the database keeps (schema version 3), then once more without it (its
//      triggers dropped), to show what keeping the history costs.
// Usage: bench_engines POSTGRESQL-URL [--products N] [--transactions M] [--seconds S]
// The URL names an existing empty database (createdb); the SQLite file is made in a
// temporary folder. Defaults: 20 000 products, 200 000 transactions, 60 s of saving.
#include "../Generated.h"
#include "../Timing.h"
#include "DbTool.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/Transaction.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

using namespace quarvel;

namespace {

struct Figures {
    double openAll = 0, walkAll = 0, totals = 0, transactions = 0, requery = 0;
    int rows = 0;
};

Figures openAndNavigate(const QString& database, int products) {
    Figures f;
    auto connection = Connection::open(BuildConnectionString(database));
    f.openAll = bestMs(3, [&] {
        Recordset rs;
        rs.Open("Select * from Products", connection);
        f.rows = rs.RecordCount();
    });
    Recordset all;
    all.Open("Select * from Products", connection);
    f.walkAll = bestMs(3, [&] {
        for (all.MoveFirst(); !all.isEOF(); all.MoveNext())
            all.Fields("ProductName");
    });
    f.requery = bestMs(5, [&] { all.Requery(); });
    const int lookups = 500;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < lookups; ++i) {
        Recordset rs;
        rs.Open("Select * FROM [qryProducts] Where ProductID=" +
                    QString::number(1 + (i * 7919LL) % products),
                Connection::open(BuildConnectionString(database)));
    }
    f.totals = t.nsecsElapsed() / 1e6 / lookups;
    t.restart();
    for (int i = 0; i < lookups; ++i) {
        Recordset rs;
        rs.Open("Select TransactionID,ProductID,TransactionDate,PurchaseOrderID,"
                "TransactionDescription,UnitsOrdered,UnitsReceived,UnitsSold,UnitsShrinkage  FROM "
                "[Inventory Transactions] Where ProductID=" +
                    QString::number(1 + (i * 7919LL) % products),
                Connection::open(BuildConnectionString(database)));
    }
    f.transactions = t.nsecsElapsed() / 1e6 / lookups;
    return f;
}

struct Load {
    qint64 saves = 0, failures = 0, found = 0;
    double seconds = 0;
};

Load saveAtOnce(const QString& database, int clients, int seconds, int products) {
    std::atomic<qint64> saves{0}, failures{0};
    std::atomic<bool> stop{false};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int client = 0; client < clients; ++client) {
        threads.emplace_back(QThread::create([&, client] {
            try {
                auto connection = Connection::open(BuildConnectionString(database));
                Recordset rs;
                const int product = 1 + (client * 104729LL) % products;
                rs.Open("Select * FROM [Inventory Transactions] Where ProductID=" +
                            QString::number(product),
                        connection);
                for (int i = 0; !stop; ++i) {
                    try {
                        Transaction transaction(connection);
                        rs.AddNew();
                        rs.setField("ProductID", product);
                        rs.setField("TransactionDate", QDate(2021, 6, 1 + i % 28));
                        rs.setField("TransactionDescription",
                                    QString("bench client %1").arg(client));
                        rs.setField("UnitsSold", 1);
                        rs.Update();
                        transaction.commit();
                        ++saves;
                    } catch (const std::exception&) {
                        ++failures;
                        if (rs.EditMode() != Recordset::adEditNone)
                            rs.CancelUpdate();
                    }
                }
            } catch (const std::exception& e) {
                std::fprintf(stderr, "client %d: %s\n", client, e.what());
                ++failures;
            }
        }));
    }
    QElapsedTimer t;
    t.start();
    for (auto& thread : threads)
        thread->start();
    QThread::sleep(seconds);
    stop = true;
    for (auto& thread : threads)
        thread->wait();
    Load load;
    load.seconds = t.nsecsElapsed() / 1e9;
    load.saves = saves;
    load.failures = failures;
    Recordset count;
    count.Open("SELECT count(*) AS n FROM [Inventory Transactions] WHERE TransactionDescription "
               "LIKE 'bench client %'",
               Connection::open(BuildConnectionString(database)));
    load.found = count.Fields(0).toLongLong();
    return load;
}

// Removes the rows the clients saved and drops the triggers that keep the history, on both
// databases: the second run starts from the same rows as the first.
void dropHistory(const QString& file, const QString& url) {
    sqlite::Database db(file, sqlite::OpenMode::ReadWrite);
    db.exec(QStringLiteral("DELETE FROM \"Inventory Transactions\" WHERE TransactionDescription "
                           "LIKE 'bench client %'"));
    sqlite::Statement triggers = db.prepare(QStringLiteral(
        "SELECT name FROM sqlite_schema WHERE type = 'trigger' AND name LIKE 'tr_History_%'"));
    QStringList names;
    while (triggers.step())
        names << triggers.text(0);
    for (const QString& name : names)
        db.exec(QStringLiteral("DROP TRIGGER \"%1\"").arg(name));
    const auto link = PostgresLink::connect(url);
    link->execScript(QStringLiteral("DELETE FROM \"Inventory Transactions\" WHERE "
                                    "\"TransactionDescription\" LIKE 'bench client %'"));
    for (const char* table :
         {"Categories", "Products", "Suppliers", "Employees", "Shipping Methods", "Purchase Orders",
          "Inventory Transactions", "My Company Information"})
        link->execScript(
            QStringLiteral("DROP TRIGGER \"tr_History\" ON \"%1\"").arg(QLatin1String(table)));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || !args[1].startsWith("postgres")) {
        std::fprintf(stderr, "usage: bench_engines POSTGRESQL-URL [--products N] "
                             "[--transactions M] [--seconds S]\n");
        return 2;
    }
    const QString url = args[1];
    dbtool::GenerateOptions options{20000, 200000};
    int seconds = 60;
    for (int i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == "--products")
            options.products = args[i + 1].toInt();
        else if (args[i] == "--transactions")
            options.transactions = args[i + 1].toInt();
        else if (args[i] == "--seconds")
            seconds = args[i + 1].toInt();
    }
    QTemporaryDir dir;
    const QString file = benchDatabase(QString(), dir, options);
    generateTimed("PostgreSQL", url, options);

    const struct {
        const char* name;
        QString database;
    } engines[] = {{"SQLite", file}, {"PostgreSQL", url}};
    std::printf("\n%-11s %14s %12s %14s %14s %12s\n", "", "open Products", "walk all",
                "qryProducts 1", "transactions 1", "requery");
    for (const auto& engine : engines) {
        const Figures f = openAndNavigate(engine.database, options.products);
        std::printf("%-11s %11.1f ms %9.1f ms %11.3f ms %11.3f ms %9.3f ms   (%d rows)\n",
                    engine.name, f.openAll, f.walkAll, f.totals, f.transactions, f.requery, f.rows);
    }
    std::printf("\n8 clients saving inventory transactions for %d s each engine:\n", seconds);
    double withHistory[2] = {0, 0};
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t e = 0; e < std::size(engines); ++e) {
            const auto& engine = engines[e];
            const Load load = saveAtOnce(engine.database, 8, seconds, options.products);
            const double rate = load.saves / load.seconds;
            std::printf("%-11s %8.0f saves/s %s (%lld saved, %lld refused or failed, %lld found "
                        "afterwards%s)",
                        engine.name, rate, pass == 0 ? "with history   " : "without history",
                        load.saves, load.failures, load.found,
                        load.found == load.saves ? ": none lost" : ": ROWS LOST");
            if (pass == 0)
                withHistory[e] = rate;
            else
                std::printf(": the history costs %.1f%% (target: 15%%)",
                            100.0 * (1.0 - withHistory[e] / rate));
            std::printf("\n");
        }
        if (pass == 0)
            dropHistory(file, url);
    }
    return 0;
}
