// What only a server database has: a URL with its parameters and password, roles, and several
// clients at once. Runs on PostgreSQL only (tst_postgres_postgres in ctest).
#include "Failure.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/Transaction.h"
#include "data/postgres/PostgresLink.h"

#include <QThread>
#include <QtTest>
#include <arpa/inet.h>
#include <csignal>
#include <memory>
#include <mutex>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

using namespace quarvel;

namespace {

// The test database's URL with `userinfo` in place of "postgres@", and `query` appended.
QString urlWith(const TempDatabase& db, const QString& userinfo, const QString& query = {}) {
    QString url = db.path();
    url.replace(QStringLiteral("//postgres@"), QStringLiteral("//") + userinfo + u'@');
    return query.isEmpty() ? url : url + u'?' + query;
}

} // namespace

class PostgresTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> db;

    std::unique_ptr<Recordset> open(const QString& sql, const QString& url = {}) {
        auto rs = std::make_unique<Recordset>();
        rs->Open(sql, Connection::open(BuildConnectionString(url.isEmpty() ? db->path() : url)));
        return rs;
    }

private slots:
    void init() {
        db = std::make_unique<TempDatabase>(TempDatabase::Backend::Postgres);
        db->exec("INSERT INTO Categories (CategoryName) VALUES ('Tools');"
                 "INSERT INTO Products (ProductName, CategoryID) VALUES ('Hammer', 1), "
                 "('Saw', 1)");
    }
    void cleanup() { db.reset(); }

    void theUrlPassesItsParametersAndKeepsNoPassword() {
        // Trust authentication takes any password; the connection must not keep it.
        const QString url =
            urlWith(*db, "postgres:s3cret",
                    "application_name=quarvel_test&connect_timeout=5&password=s3cret");
        auto connection = Connection::open(BuildConnectionString(url));
        QVERIFY2(!connection->path().contains("s3cret"), qPrintable(connection->path()));
        Recordset rs;
        rs.Open("SELECT current_setting('application_name') AS n", connection);
        QCOMPARE(rs.Fields(0).toString(), QString("quarvel_test"));
        // Without one, an administrator sees the program, its version and its user.
        rs.Open("SELECT current_setting('application_name') AS n",
                Connection::open(BuildConnectionString(db->path())));
        QVERIFY2(rs.Fields(0).toString().contains(QRegularExpression("^Quarvel \\d+\\.\\d+ \\S+$")),
                 qPrintable(rs.Fields(0).toString()));

        const QString missing = urlWith(*db, "postgres:s3cret") + "_missing";
        const QString refused = errorOf([&] { Connection::open(missing); });
        QVERIFY2(refused.contains("_missing") && !refused.contains("s3cret"), qPrintable(refused));

        // Every spelling of a password that libpq reads: each connects, none is shown. One
        // that libpq refuses is not shown in the refusal either.
        const QList<QPair<QString, QString>> spellings = {
            {"postgres:s3%63ret", {}},
            {"postgres", "password=s3cret"},
            {"postgres", "pass%77ord=s3cret&application_name=x"},
            {"postgres", "%70%61ssword=s3cret"},
        };
        for (const auto& [userinfo, query] : spellings) {
            const QString shown = Connection::open(urlWith(*db, userinfo, query))->path();
            QVERIFY2(!shown.contains("s3cret") && !shown.contains("s3%63ret"), qPrintable(shown));
        }
        const QString badKey =
            errorOf([&] { Connection::open(urlWith(*db, "postgres", "PASSWORD=s3cret")); });
        QVERIFY2(!badKey.contains("s3cret"), qPrintable(badKey));
    }

    // A server that stops answering in the middle of the work: the statement ends with an
    // error that says so, and the connection is not used again.
    void aServerThatStopsAnsweringEndsTheStatement() {
        auto link = PostgresLink::connect(db->path());
        const qint64 backend = link->exec("SELECT pg_backend_pid()").value(0, 0).toLongLong();
        PostgresLink::setAnswerTimeout(1500);
        QVERIFY(::kill(pid_t(backend), SIGSTOP) == 0);
        auto resume = qScopeGuard([&] {
            ::kill(pid_t(backend), SIGCONT);
            PostgresLink::setAnswerTimeout(120000);
        });
        const QString message = errorOf([&] { link->exec("SELECT count(*) FROM \"Products\""); });
        QVERIFY2(message.contains("did not answer") && message.contains("Check that the server"),
                 qPrintable(message));
        QVERIFY(!message.contains("postgres:") && link->isBroken() && !link->isIdle());
    }

    // A server that takes the connection and never answers: the program is told so in time,
    // with the server named, instead of waiting without a window.
    void aServerThatNeverAnswersIsReportedInTime() {
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        QVERIFY(listener >= 0);
        auto closeListener = qScopeGuard([&] { ::close(listener); });
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        QVERIFY(::bind(listener, reinterpret_cast<sockaddr*>(&address), size) == 0);
        QVERIFY(::listen(listener, 4) == 0);
        QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) == 0);
        const int port = ntohs(address.sin_port);
        const QString message = errorOf([&] {
            Connection::open(QStringLiteral("postgresql://shop@127.0.0.1:%1/products?"
                                            "connect_timeout=2")
                                 .arg(port));
        });
        QVERIFY2(message.contains("127.0.0.1") && message.contains(QString::number(port)) &&
                     message.contains("timeout") && message.contains("Check that the server"),
                 qPrintable(message));
    }

    void aDatabaseWithoutTheTablesIsRefused() {
        const QString name = db->path().section('/', -1) + "_empty";
        db->execServer("CREATE DATABASE " + name + " TEMPLATE template0");
        const QString empty = db->path().section('/', 0, -2) + '/' + name;
        const QString refused = errorOf([&] { Connection::open(empty); });
        db->execServer("DROP DATABASE " + name);
        QVERIFY2(refused.contains("no Quarvel tables") && refused.contains(name),
                 qPrintable(refused));
    }

    void aRoleThatMayOnlyReadCanViewButNotSave() {
        const QString role = db->path().section('/', -1) + "_reader";
        db->execServer("CREATE ROLE " + role + " LOGIN");
        db->execNative("GRANT SELECT ON ALL TABLES IN SCHEMA public TO " + role);
        auto cleanupRole = qScopeGuard([&] {
            db->execNative("DROP OWNED BY " + role);
            db->execServer("DROP ROLE " + role);
        });
        auto rs = open("Select * from Products", urlWith(*db, role));
        QCOMPARE(rs->Fields("ProductName").toString(), QString("Hammer"));
        rs->setField("ProductName", "Mallet");
        const DatabaseError refused = failureOf([&] { rs->Update(); });
        QCOMPARE(refused.kind(), DatabaseError::Kind::ReadOnly);
        QVERIFY2(refused.message().contains("read-only"), qPrintable(refused.message()));
        QCOMPARE(db->scalar("SELECT ProductName FROM Products WHERE ProductID = 1").toString(),
                 QString("Hammer"));
    }

    void theSecondOfTwoClientsSavingOneRowIsRefused() {
        // Two clients, each with its own connection; the second works in a transaction.
        auto first = open("Select * from Products");
        auto secondConnection = Connection::open(BuildConnectionString(db->path()));
        Recordset second;
        second.Open("Select * from Products", secondConnection);
        Transaction transaction(secondConnection);
        first->setField("ProductName", "Claw Hammer");
        second.setField("ProductName", "Sledge");
        first->Update();
        QCOMPARE(failureOf([&] { second.Update(); }).kind(), DatabaseError::Kind::Conflict);
        // The refused write leaves the transaction usable: its other work is still saved.
        second.CancelUpdate();
        second.MoveNext();
        second.setField("ProductName", "Hacksaw");
        second.Update();
        transaction.commit();
        QCOMPARE(db->scalar("SELECT min(ProductName) || ', ' || max(ProductName) FROM Products")
                     .toString(),
                 QString("Claw Hammer, Hacksaw"));
    }

    void eightClientsSavingAtOnceLoseNothing() {
        constexpr int clients = 8, saves = 40;
        QStringList failures;
        std::mutex failureMutex;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int client = 0; client < clients; ++client) {
            threads.emplace_back(QThread::create([&, client] {
                try {
                    auto connection = Connection::open(BuildConnectionString(db->path()));
                    Recordset rs;
                    rs.Open("Select * FROM [Inventory Transactions] Where ProductID=" +
                                QString::number(client % 2 + 1),
                            connection);
                    for (int i = 0; i < saves; ++i) {
                        // Every other save inside a transaction, as an order's lines are.
                        std::optional<Transaction> transaction;
                        if (i % 2)
                            transaction.emplace(connection);
                        rs.AddNew();
                        rs.setField("ProductID", client % 2 + 1);
                        rs.setField("TransactionDate", QDate(2021, 1, 1 + i % 28));
                        rs.setField("TransactionDescription", QString("client %1").arg(client));
                        rs.setField("UnitsReceived", 2);
                        rs.Update();
                        if (transaction)
                            transaction->commit();
                    }
                } catch (const std::exception& e) {
                    std::lock_guard lock(failureMutex);
                    failures << QString::fromUtf8(e.what());
                }
            }));
            threads.back()->start();
        }
        for (auto& thread : threads)
            QVERIFY(thread->wait(120000));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
        // Each client's saves, all of them.
        QCOMPARE(db->scalar("SELECT count(*) FROM (SELECT TransactionDescription FROM [Inventory "
                            "Transactions] GROUP BY TransactionDescription HAVING count(*) = " +
                            QString::number(saves) + ") AS c")
                     .toInt(),
                 clients);
        // Each product's stock figure is what its four clients saved: 2 units a save.
        auto onHand = open("Select * FROM [qryProducts] Where ProductID=1");
        QCOMPARE(onHand->Fields("UnitsOnHand").toInt(), clients / 2 * saves * 2);
    }
};

QTEST_GUILESS_MAIN(PostgresTest)
#include "tst_postgres.moc"
