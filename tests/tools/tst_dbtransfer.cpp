// quarvel-db copy, backup, restore and export, run as a user runs them on a database of the
// engine under test (a file or, as tst_dbtransfer_postgres, a server database), with a second
// program writing beside them where that matters.
#include "RunTool.h"
#include "SaverProcess.h"
#include "TempDatabase.h"
#include "csv/CsvReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quarvel;

namespace {

const char* const tables[] = {"Categories",
                              "Suppliers",
                              "Employees",
                              "Shipping Methods",
                              "Products",
                              "Purchase Orders",
                              "Inventory Transactions",
                              "My Company Information"};

// Rows that test what a copy must carry: quotes, separators, line breaks and letters beyond
// ASCII in text, Nulls, fractions, dates, and a deleted row whose key is not given out again.
void fill(const TempDatabase& db) {
    db.exec("INSERT INTO Categories (CategoryName) VALUES ('Seeds & Bulbs'), ('Tools, \"best\"'),"
            " ('gone');"
            "DELETE FROM Categories WHERE CategoryName = 'gone';"
            "INSERT INTO Products (ProductName, ProductDescription, CategoryID, ReorderLevel, "
            "LeadTime) VALUES ('Rake', 'line one\nline two', 2, 2.5, '2 weeks'),"
            " ('Édelweiß', NULL, 1, NULL, NULL);"
            "INSERT INTO Suppliers (SupplierName, City) VALUES ('Acme', 'Köln');"
            "INSERT INTO Employees (FirstName, LastName) VALUES ('Ann', 'Lee');"
            "INSERT INTO [Shipping Methods] (ShippingMethod) VALUES ('Truck');"
            "INSERT INTO [Purchase Orders] (PurchaseOrderNumber, SupplierID, EmployeeID, "
            "ShippingMethodID, OrderDate) VALUES (1001, 1, 1, 1, '2021-01-15');"
            "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, TransactionDate, "
            "UnitsOrdered, UnitsReceived, UnitsSold, UnitPrice) VALUES "
            "(1, 1, '2021-01-15', 10, 8, NULL, 2.1235), (1, NULL, '2021-02-28', NULL, NULL, 3, "
            "NULL), (2, NULL, '2021-03-01', NULL, 5, 0.5, NULL)");
}

// Every table of a database as quarvel-db exports it.
QByteArray exported(const QString& database) {
    QByteArray all;
    for (const char* table : tables) {
        const Run run = runTool({"export", "--database", database, table, "-"});
        if (run.exitCode != 0)
            return "failed: " + run.err.toUtf8();
        all += run.out.toUtf8();
    }
    return all;
}

} // namespace

class TestDbTransfer : public QObject {
    Q_OBJECT

private slots:
    void aCopyCarriesEveryRowAndKeyAndUpgradesOnlyTheCopy() {
        TempDatabase source;
        fill(source);
        QTemporaryDir dir;
        const QString file = dir.filePath("copy.db");

        // There and back again: to a file, then from it into a database of the engine under
        // test (on a server: server -> file -> server).
        const Run there = runTool({"copy", source.path(), file});
        QVERIFY2(there.exitCode == 0, qPrintable(there.out + there.err));
        QVERIFY2(there.out.contains("upgraded from schema version 1 to 3"), qPrintable(there.out));
        QVERIFY(there.out.contains(QRegularExpression("Inventory Transactions +3 rows")));
        TempDatabase back(TempDatabase::Content::Nothing);
        const Run again = runTool({"copy", file, back.path()});
        QVERIFY2(again.exitCode == 0, qPrintable(again.out + again.err));
        QVERIFY(!again.out.contains("upgraded"));

        const QByteArray original = exported(source.path());
        QVERIFY2(original.contains("\"Tools, \"\"best\"\"\""), original.constData());
        QCOMPARE(exported(file), original);
        QCOMPARE(exported(back.path()), original);

        // The source is as it was; the copies are complete at the latest version, with the
        // stock figures worked out over the copied rows.
        QVERIFY(runTool({"check", source.path()}).out.contains("schema version 1;"));
        for (const QString& copy : {file, back.path()}) {
            const Run check = runTool({"check", copy});
            QVERIFY2(check.exitCode == 0 && check.out.endsWith("schema version 3\n"),
                     qPrintable(check.out + check.err));
        }
        // A new row takes a key after the deleted one's.
        back.exec("INSERT INTO Categories (CategoryName) VALUES ('new')");
        QCOMPARE(
            back.scalar("SELECT CategoryID FROM Categories WHERE CategoryName = 'new'").toInt(), 4);
    }

    void aCopyNeverReplacesWhatIsThereNorLeavesAHalfCopy() {
        TempDatabase source;
        QTemporaryDir dir;
        const QString file = dir.filePath("copy.db");
        QCOMPARE(runTool({"copy", source.path(), file}).exitCode, 0);
        // An existing target, a database that is not empty, a source that is no database.
        const Run existing = runTool({"copy", source.path(), file});
        QCOMPARE(existing.exitCode, 1);
        QVERIFY2(existing.err.contains("already exists"), qPrintable(existing.err));
        const Run notEmpty = runTool({"copy", file, source.path()});
        QCOMPARE(notEmpty.exitCode, 1);
        QVERIFY2(notEmpty.err.contains(source.isPostgres() ? "is not empty" : "already exists"),
                 qPrintable(notEmpty.err));
        QFile text(dir.filePath("notes.db"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a database") > 0);
        text.close();
        const Run foreign = runTool({"copy", text.fileName(), dir.filePath("x.db")});
        QCOMPARE(foreign.exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath("x.db")));
        // Nothing is left beside a target whose folder is missing, and no argument is guessed.
        QCOMPARE(runTool({"copy", file, dir.filePath("none/x.db")}).exitCode, 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"copy.db", "notes.db"}));
        QCOMPARE(runTool({"copy", file}).exitCode, 2);
        QCOMPARE(runTool({"copy", "--sample", file, dir.filePath("y.db")}).exitCode, 2);
    }

    void aBackupIsOneMomentWhileAnotherProgramSaves() {
        TempDatabase db;
        Saver saver = startSaver(db.path(), {"--free", "100000"});
        QCOMPARE(replyOf(*saver), QString("ready"));
        for (int i = 0; i < 20; ++i)
            QVERIFY(replyOf(*saver).startsWith("saved"));
        QTemporaryDir dir;
        const QString backup = dir.filePath("backup.db");
        const Run run = runTool({"backup", db.path(), backup});
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QVERIFY(replyOf(*saver).startsWith("saved")); // still saving after the backup
        saver.reset();

        // Complete, and the saves it holds are the first ones, without a gap.
        const Run check = runTool({"check", backup});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
        const Run names = runTool({"export", "--database", backup, "Categories", "-"});
        QCOMPARE(names.exitCode, 0);
        const QList<QStringList> rows =
            csv::CsvReader::read(names.out.toUtf8(), csv::CsvReader::detect(names.out.toUtf8()));
        QVERIFY(rows.size() > 20);
        for (int i = 1; i < rows.size(); ++i)
            QCOMPARE(rows[i].at(1), QString("s-%1").arg(i));
    }

    void restorePutsABackupBackUnderTheRulesOfANewDatabase() {
        TempDatabase db;
        fill(db);
        QTemporaryDir dir;
        const QString backup = dir.filePath("backup.db");
        QCOMPARE(runTool({"backup", db.path(), backup}).exitCode, 0);
        TempDatabase target(TempDatabase::Content::Nothing);
        const Run restore = runTool({"restore", backup, target.path()});
        QVERIFY2(restore.exitCode == 0, qPrintable(restore.out + restore.err));
        QCOMPARE(exported(target.path()), exported(db.path()));
        QCOMPARE(runTool({"restore", backup, target.path()}).exitCode, 1);
        if (target.isPostgres())
            return;
        // Over a file only with --force, and never while another program has it open.
        Saver holder = startSaver(target.path());
        QCOMPARE(replyOf(*holder), QString("ready"));
        const Run inUse = runTool({"restore", "--force", backup, target.path()});
        QCOMPARE(inUse.exitCode, 1);
        QVERIFY2(inUse.err.contains("is in use"), qPrintable(inUse.err));
        holder.reset();
        QCOMPARE(runTool({"restore", "--force", backup, target.path()}).exitCode, 0);
    }

    void exportNamesWhatItCanExport() {
        TempDatabase db;
        fill(db);
        QTemporaryDir dir;
        const QString file = dir.filePath("products.csv");
        const Run run = runTool({"export", "--database", db.path(), "qryproducts", file});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        const QList<QStringList> rows = csv::CsvReader::read(bytes, csv::CsvReader::detect(bytes));
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows.at(0).contains("UnitsOnHand"));
        // Rake: 8 received, 3 sold.
        QCOMPARE(rows.at(1).at(rows.at(0).indexOf("UnitsOnHand")), QString("5"));
        const Run unknown = runTool({"export", "--database", db.path(), "Orders; DROP", file});
        QCOMPARE(unknown.exitCode, 1);
        QVERIFY2(unknown.err.contains("qryRep5B"), qPrintable(unknown.err));
    }
};

QTEST_GUILESS_MAIN(TestDbTransfer)
#include "tst_dbtransfer.moc"
