// The quarvel-db command, run as a user runs it: creating, refusing to overwrite, checking,
// generating, and its answers to bad arguments.
#include "DamagedPage.h"
#include "QueryRows.h"
#include "RunTool.h"
#include "sqlite/Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString journal(const QString& path) {
    return queryRows(path, "PRAGMA journal_mode").value(0).value("journal_mode").toString();
}

} // namespace

class TestDbTool : public QObject {
    Q_OBJECT

private slots:
    void initCreatesACompleteWalDatabase() {
        QCOMPARE(tool({"init", "plain.db"}).exitCode, 0);
        const QString path = m_dir.filePath("plain.db");
        QCOMPARE(journal(path), QString("wal"));
        QVERIFY(!QFile::exists(path + ".building"));
        const Run check = tool({"check", path});
        QCOMPARE(check.exitCode, 0);
        // A new database has the latest schema.
        QVERIFY2(check.out.endsWith("schema version 3\n"), qPrintable(check.out));

        // For a network share, where WAL does not work; with the sample data.
        const QString sample = m_dir.filePath("sample.db");
        QCOMPARE(tool({"init", "--journal", "rollback", "--sample", sample}).exitCode, 0);
        QCOMPARE(journal(sample), QString("delete"));
        QCOMPARE(tool({"check", sample}).exitCode, 0);
        QVERIFY(queryRows(sample, "SELECT * FROM Products WHERE ProductDescription IS NOT NULL "
                                  "AND ReorderLevel IS NOT NULL AND LeadTime IS NOT NULL")
                    .size() >= 20);
        QVERIFY(queryRows(sample, "SELECT * FROM [Inventory Transactions] WHERE TransactionDate "
                                  "NOT BETWEEN '2021-01-01' AND '2021-12-31'")
                    .isEmpty());
        QVERIFY(queryRows(sample, "SELECT * FROM qryProducts WHERE UnitsOnHand < 0").isEmpty());
    }

    void existingFileIsReplacedOnlyWithForceAndNeverInUse() {
        const QString path = m_dir.filePath("keep.db");
        QCOMPARE(tool({"init", path}).exitCode, 0);
        quarvel::sqlite::Database(path).exec("INSERT INTO Categories (CategoryName) VALUES ('M')");
        const Run refused = tool({"init", "--sample", path});
        QVERIFY2(refused.exitCode > 0 && refused.err.contains("--force"), qPrintable(refused.err));
        QVERIFY(tool({"generate", "--products", "2", "--transactions", "2", path}).exitCode > 0);
        {
            // Not even with --force while the program holds it: a connection that has read the
            // file and stays open.
            quarvel::sqlite::Database program(path);
            program.scalar("SELECT count(*) FROM Products");
            const Run inUse = tool({"init", "--force", path});
            QVERIFY2(inUse.exitCode > 0 && inUse.err.contains("in use"), qPrintable(inUse.err));
            QCOMPARE(program.scalar("SELECT count(*) FROM Categories").toInt(), 1);
        }
        QCOMPARE(tool({"init", "--force", path}).exitCode, 0);
        QCOMPARE(queryRows(path, "SELECT * FROM Categories").size(), 0);
    }

    void runsOnOnePathNeverShareAFile() {
        const QString path = m_dir.filePath("race.db");
        // What another run is building must survive this one: a run still going on this
        // computer (this test's own process stands for it), or one whose owner is unknown.
        const QString host = QSysInfo::machineHostName();
        const QString other = writeFile(QStringLiteral("race.db.building-%1-%2-00ab")
                                            .arg(host)
                                            .arg(QCoreApplication::applicationPid()),
                                        "another run's work");
        const QString unknown = writeFile("race.db.building", "another run's work");
        // What a killed run left is removed by the next one.
        QProcess killed;
        killed.start(QStringLiteral(QUARVEL_DB_TOOL),
                     {"generate", "--products", "20000", "--transactions", "2000000", path});
        QVERIFY(killed.waitForStarted());
        const QString killedBuild =
            QStringLiteral("race.db.building-%1-%2-*").arg(host).arg(killed.processId());
        const auto leftBehind = [&] {
            return QDir(m_dir.path()).entryList({killedBuild});
        };
        QTRY_COMPARE_WITH_TIMEOUT(leftBehind().size(), 1, 30000);
        killed.kill();
        QVERIFY(killed.waitForFinished());
        QCOMPARE(leftBehind().size(), 1);
        QCOMPARE(tool({"init", path}).exitCode, 0);
        QCOMPARE(leftBehind().size(), 0);
        QCOMPARE(QFileInfo(other).size(), qint64(18));
        QCOMPARE(QFileInfo(unknown).size(), qint64(18));

        // Two runs at once without --force: one creates the file, the other refuses.
        const QString both = m_dir.filePath("both.db");
        QProcess first, second;
        for (QProcess* run : {&first, &second})
            run->start(QStringLiteral(QUARVEL_DB_TOOL),
                       {"generate", "--products", "30", "--transactions", "3000", both});
        QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
        QCOMPARE(int(first.exitCode() == 0) + int(second.exitCode() == 0), 1);
        QCOMPARE(tool({"check", both}).exitCode, 0);
        QCOMPARE(queryRows(both, "SELECT * FROM [Inventory Transactions]").size(), 3000);
    }

    void checkNamesWhatIsMissingDamagedOrLost() {
        const QString path = m_dir.filePath("broken.db");
        QCOMPARE(tool({"init", path}).exitCode, 0);
        quarvel::sqlite::Database(path).exec(
            "DROP VIEW qryRep5B; DROP TRIGGER tr_History_Suppliers_Insert;"
            "DROP TRIGGER tr_History_Suppliers_Update; DROP TRIGGER tr_History_Suppliers_Delete;"
            "ALTER TABLE Suppliers DROP COLUMN FaxNumber;"
            "DROP TABLE Employees;");
        const Run check = tool({"check", path});
        QCOMPARE(check.exitCode, 1);
        // qryRep5A refers to Employees; qryRep1A is whole.
        for (const char* missing : {"qryRep5B", "Suppliers.FaxNumber", "Employees", "qryRep5A"})
            QVERIFY2(check.out.contains(missing), qPrintable(check.out));
        QVERIFY2(!check.out.contains("qryRep1A"), qPrintable(check.out));

        // A damaged page, and a row whose reference is lost.
        const QString good = m_dir.filePath("good.db"), copy = m_dir.filePath("damaged.db");
        QCOMPARE(tool({"init", "--sample", good}).exitCode, 0);
        QVERIFY(QFile::copy(good, copy));
        QVERIFY(damagePage(copy, "Products"));
        const qint64 root =
            queryRows(good, "SELECT rootpage FROM sqlite_schema WHERE name = 'Products'")[0]
                .value("rootpage")
                .toLongLong();
        const Run damaged = tool({"check", copy});
        QCOMPARE(damaged.exitCode, 1);
        QVERIFY2(damaged.out.contains(QString("Page %1").arg(root)), qPrintable(damaged.out));
        QVERIFY(!damaged.out.contains("complete"));

        quarvel::sqlite::Database(good).exec(
            "PRAGMA foreign_keys = OFF; INSERT INTO [Inventory Transactions] "
            "(ProductID, TransactionDate) VALUES (999, '2021-05-01');"
            "INSERT INTO [Inventory Transactions] (TransactionID, UnitPrice) VALUES (9001, 9e999)");
        const Run orphan = tool({"check", good});
        QCOMPARE(orphan.exitCode, 1);
        QVERIFY2(orphan.out.contains("Inventory Transactions") && orphan.out.contains("Products"),
                 qPrintable(orphan.out));
        QVERIFY2(orphan.out.contains("row 9001: UnitPrice holds +infinity"),
                 qPrintable(orphan.out));
    }

    void checkRefusesWhatIsNotADatabase() {
        const QList<QPair<QString, QString>> refusals = {
            {m_dir.filePath("none.db"), "does not exist"},
            {writeFile("notes.txt", QByteArray(4096, 'x')), "not a SQLite database"},
            {writeFile("empty.db", {}), "empty"}};
        for (const auto& [path, what] : refusals) {
            const Run refused = tool({"check", path});
            QVERIFY2(refused.exitCode > 0 && refused.err.contains(what), qPrintable(refused.err));
        }
        QVERIFY(!QFile::exists(m_dir.filePath("none.db")));

        // Another program in the middle of writing, with the rollback journal.
        const QString busy = m_dir.filePath("busy.db");
        QCOMPARE(tool({"init", "--journal", "rollback", busy}).exitCode, 0);
        {
            quarvel::sqlite::Database writer(busy);
            quarvel::sqlite::Transaction write(writer,
                                               quarvel::sqlite::Transaction::Kind::Exclusive);
            const Run locked = tool({"check", busy});
            QVERIFY2(locked.exitCode > 0 && locked.err.contains("locked by another program"),
                     qPrintable(locked.err));
        }

        // Permissions do not bind every user (root writes anyway): only where they do.
        QVERIFY(QFile::setPermissions(busy, QFile::ReadOwner | QFile::ReadGroup));
        if (!QFileInfo(busy).isWritable()) {
            const Run readOnly = tool({"check", busy});
            QVERIFY2(readOnly.exitCode > 0 && readOnly.out.contains("read-only"),
                     qPrintable(readOnly.out));
        }
    }

    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("unknown command") << QStringList{"frobnicate", "x.db"};
        QTest::newRow("unknown option") << QStringList{"init", "--colour", "x.db"};
        QTest::newRow("two paths") << QStringList{"check", "a.db", "b.db"};
        QTest::newRow("sample on check") << QStringList{"check", "--sample", "x.db"};
        QTest::newRow("sizes missing") << QStringList{"generate", "x.db"};
        QTest::newRow("size not a number")
            << QStringList{"generate", "--products", "ten", "--transactions", "5", "x.db"};
        QTest::newRow("unknown journal") << QStringList{"init", "--journal", "memory", "x.db"};
        QTest::newRow("no orders") << QStringList{"generate", "--products", "2", "--transactions",
                                                  "5",        "--orders",   "0", "x.db"};
    }

    void badArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        const Run run = tool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("Usage"));
        QVERIFY(!QFile::exists(m_dir.filePath("x.db")));
    }

    void generateWritesTheRequestedRowsRepeatably() {
        const QString a = m_dir.filePath("gen-a.db"), b = m_dir.filePath("gen-b.db");
        for (const QString& path : {a, b})
            QCOMPARE(tool({"generate", "--products", "40", "--transactions", "700", path}).exitCode,
                     0);
        QCOMPARE(queryRows(a, "SELECT * FROM Products").size(), 40);
        QCOMPARE(queryRows(a, "SELECT * FROM [Inventory Transactions]").size(), 700);
        for (const QVariantMap& table :
             queryRows(a, "SELECT name FROM sqlite_schema WHERE type = 'table'")) {
            const QString rows = "SELECT * FROM \"" + table.value("name").toString() + '"';
            QVERIFY2(queryRows(a, rows) == queryRows(b, rows), qPrintable(rows));
        }

        const QString orders = m_dir.filePath("gen-orders.db");
        QCOMPARE(tool({"generate", "--products", "3", "--transactions", "0", "--orders", "5",
                       "--lines", "20", orders})
                     .exitCode,
                 0);
        // Four lines per order, dated with their order.
        QCOMPARE(queryRows(orders, "SELECT po.PurchaseOrderID, count(*) FROM [Purchase Orders] po"
                                   " JOIN [Inventory Transactions] t ON t.PurchaseOrderID ="
                                   " po.PurchaseOrderID AND t.TransactionDate = po.OrderDate"
                                   " GROUP BY po.PurchaseOrderID HAVING count(*) = 4")
                     .size(),
                 5);
        QCOMPARE(tool({"check", orders}).exitCode, 0);
    }

private:
    Run tool(const QStringList& arguments) { return runTool(arguments, m_dir.path()); }
    QString writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDbTool)
#include "tst_dbtool.moc"
