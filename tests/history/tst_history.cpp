// The history a database of schema version 3 keeps, on the engine under test: what the
// program's writes leave (who, when, each field's old and new value), what a plain SQL client's
// writes leave, a record's history with its lines, quarvel-db history, and on a server a role
// that can add to the history but not change it.
#include "../tools/RunTool.h"
#include "TempDatabase.h"
#include "csv/CsvReader.h"
#include "data/Connection.h"
#include "data/ProgramUser.h"
#include "data/Recordset.h"
#include "history/HistoryLog.h"

#include <QTest>

using namespace quarvel;
using namespace quarvel::history;

namespace {

// A database at the latest schema version, never handed to another test.
std::unique_ptr<TempDatabase> upgraded() {
    auto db = std::make_unique<TempDatabase>();
    if (db->isPostgres())
        db->execNative("SELECT 1");
    if (runTool({"upgrade", db->path()}).exitCode != 0)
        return nullptr;
    return db;
}

QString changesOf(const Entry& e) {
    QStringList parts;
    for (const FieldChange& c : e.changes)
        parts << QString("%1:%2>%3").arg(c.field, c.oldValue.toString(), c.newValue.toString());
    return parts.join(u' ');
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void everyWriteLeavesWhoWhenAndEachChangedField() {
        const auto db = upgraded();
        QVERIFY(db);
        const auto connection = Connection::open(db->connectionString());
        QVERIFY(HistoryLog::available(*connection));
        Recordset products;
        products.Open("SELECT * FROM Products", connection);
        products.AddNew();
        products.setField("ProductName", "Rake");
        products.setField("ReorderLevel", 2.5);
        products.Update();
        products.setField("ProductName", "Steel Rake");
        products.Update();
        products.setField("ProductName", "Steel Rake"); // no change: no entry
        products.Update();
        products.Delete();

        const QList<Entry> entries = HistoryLog::read(*connection, {}, "Products");
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].action, QString("insert"));
        QCOMPARE(changesOf(entries[0]),
                 QString("ProductID:>1 ProductName:>Rake ReorderLevel:>2.5"));
        QCOMPARE(entries[1].action, QString("update"));
        QCOMPARE(changesOf(entries[1]), QString("ProductName:Rake>Steel Rake"));
        QCOMPARE(entries[2].action, QString("delete"));
        QCOMPARE(changesOf(entries[2]),
                 QString("ProductID:1> ProductName:Steel Rake> ReorderLevel:2.5>"));
        for (const Entry& e : entries) {
            QCOMPARE(e.key.toInt(), 1);
            QCOMPARE(e.changedBy, db->isPostgres() ? QString("postgres") : loginName());
            QVERIFY2(QDateTime::fromString(e.changedAt, "yyyy-MM-dd HH:mm:ss").isValid(),
                     qPrintable(e.changedAt));
        }

        // A plain SQL client's write is recorded too, as the engine knows its user.
        db->exec("INSERT INTO Categories (CategoryName) VALUES ('Tools')");
        const QList<Entry> plain = HistoryLog::read(*connection, {}, "Categories");
        QCOMPARE(plain.size(), 1);
        QCOMPARE(plain[0].changedBy, db->isPostgres() ? QString("postgres") : QString("unknown"));
    }

    void aRecordsHistoryHoldsItsLinesDeletedAndMovedOnesToo() {
        const auto db = upgraded();
        QVERIFY(db);
        db->exec(
            "INSERT INTO Products (ProductName) VALUES ('Hammer'), ('Saw');"
            "INSERT INTO [Inventory Transactions] (ProductID, UnitsSold) VALUES (1, 1), (1, 2),"
            " (1, 3), (2, 4);"
            "UPDATE [Inventory Transactions] SET UnitsSold = 5 WHERE TransactionID = 1;"
            "DELETE FROM [Inventory Transactions] WHERE TransactionID = 2;"
            "UPDATE [Inventory Transactions] SET ProductID = 2 WHERE TransactionID = 3;"
            "UPDATE Products SET ProductName = 'Claw Hammer' WHERE ProductID = 1");
        const auto connection = Connection::open(db->connectionString());
        QStringList seen;
        for (const Entry& e : HistoryLog::ofRecord(*connection, "Products", 1))
            seen << QString("%1 %2 %3").arg(e.table, e.key.toString(), e.action);
        QCOMPARE(seen.join(", "),
                 (QStringList{"Products 1 update", "Inventory Transactions 3 update",
                              "Inventory Transactions 2 delete", "Inventory Transactions 1 update",
                              "Inventory Transactions 3 insert", "Inventory Transactions 2 insert",
                              "Inventory Transactions 1 insert", "Products 1 insert"}
                      .join(", ")));
    }

    void quarvelDbPrintsAndTrimsTheHistory() {
        const auto db = upgraded();
        QVERIFY(db);
        db->exec("INSERT INTO Categories (CategoryName) VALUES ('Seeds, \"rare\"');"
                 "UPDATE [My Company Information] SET City = 'Köln'");
        const Run all = runTool({"history", db->path()});
        QCOMPARE(all.exitCode, 0);
        const QList<QStringList> rows =
            csv::CsvReader::read(all.out.toUtf8(), csv::CsvReader::detect(all.out.toUtf8()));
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0], (QStringList{"When (UTC)", "Who", "Table", "Key", "Action", "Field",
                                       "Old Value", "New Value"}));
        QCOMPARE(rows[2].mid(2),
                 (QStringList{"Categories", "1", "insert", "CategoryName", "", "Seeds, \"rare\""}));
        QCOMPARE(rows[3].mid(2),
                 (QStringList{"My Company Information", "", "update", "City", "", "Köln"}));
        QCOMPARE(runTool({"history", "--table", "Categories", db->path()}).out.count('\n'), 3);
        QCOMPARE(runTool({"history", "--since", "2999-01-01", db->path()}).out.count('\n'), 1);

        const Run trim = runTool({"history", "--trim-before", "2999-01-01", db->path()});
        QVERIFY2(trim.out.contains("Removed 2 history entries"), qPrintable(trim.out + trim.err));
        const Run after = runTool({"history", db->path()});
        QVERIFY2(after.out.contains("History,,delete,Entries removed,2,"), qPrintable(after.out));
        QCOMPARE(runTool({"history", "--trim-before", "soon", db->path()}).exitCode, 2);
    }

    void aDatabaseWithoutHistorySaysHowToGetIt() {
        TempDatabase db;
        const Run run = runTool({"history", db.path()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("keeps no history: quarvel-db upgrade adds it"),
                 qPrintable(run.err));
        QVERIFY(!HistoryLog::available(*Connection::open(db.connectionString())));
    }

    void aLeastPrivilegeRoleAddsToTheHistoryButCannotChangeIt() {
        const auto db = upgraded();
        QVERIFY(db);
        if (!db->isPostgres())
            QSKIP("roles belong to a server database");
        db->execServer("DO $$ BEGIN CREATE ROLE clerk LOGIN; EXCEPTION WHEN duplicate_object "
                       "THEN NULL; END $$");
        db->execNative("GRANT SELECT, INSERT, UPDATE, DELETE ON \"Products\" TO clerk;"
                       "GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO clerk;"
                       "GRANT SELECT ON \"History\", \"Schema Version\" TO clerk");
        QString url = db->path();
        url.replace("//postgres@", "//clerk@");
        const auto clerk = Connection::open(url);
        clerk->execute("INSERT INTO Products (ProductName) VALUES ('Hoe')");
        const QList<Entry> entries = HistoryLog::read(*clerk, {}, "Products");
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].changedBy, QString("clerk"));
        for (const char* sql :
             {"UPDATE History SET ChangedBy = 'nobody'", "DELETE FROM History",
              "INSERT INTO History (ChangedAt, ChangedBy, TableName, Action, "
              "Changes) VALUES ('2020-01-01', 'x', 'Products', 'insert', '{}')"}) {
            try {
                clerk->execute(sql);
                QFAIL(sql);
            } catch (const std::exception&) {
            }
        }
        QCOMPARE(HistoryLog::read(*clerk).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
