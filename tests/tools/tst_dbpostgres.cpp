// quarvel-db on a PostgreSQL database, run as a user runs it: the same tables, rows and saved
// queries as in a file, read through the data layer; and what it refuses. PostgreSQL only.
#include "RunTool.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/Recordset.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quarvel;

namespace {

// The column names, then every row of a result read through the data layer, one line each
// (a Null as NULL).
QStringList rowsOf(const QString& database, const QString& source) {
    Recordset rs;
    rs.Open(source, Connection::open(database));
    QStringList lines;
    for (int row = -1; row < rs.RecordCount(); ++row) {
        QStringList values;
        for (int i = 0; i < rs.fieldCount(); ++i)
            values << (row < 0                     ? rs.fieldName(i)
                       : rs.value(row, i).isNull() ? QString("NULL")
                                                   : rs.value(row, i).toString());
        lines << values.join(u'|');
    }
    return lines;
}

} // namespace

class TestDbPostgres : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> db;
    QString empty; // the URL of an empty database, made for each test

private slots:
    void init() {
        db = std::make_unique<TempDatabase>(TempDatabase::Content::Nothing,
                                            TempDatabase::Backend::Postgres);
        empty = db->path();
    }

    void initFillsAnEmptyDatabaseAsItFillsAFileAndRefusesToAgain() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Products.db");
        QCOMPARE(runTool({"init", "--sample", file}).exitCode, 0);
        // A password in the URL is used but never shown.
        QString withPassword = empty;
        withPassword.replace("//postgres@", "//postgres:s3cret@");
        const Run init = runTool({"init", "--sample", withPassword});
        QVERIFY2(init.exitCode == 0, qPrintable(init.err));
        QVERIFY(init.out.contains(empty) && !init.out.contains("s3cret"));
        const Run check = runTool({"check", empty});
        QVERIFY2(check.exitCode == 0 && check.out.endsWith("schema version 3\n"),
                 qPrintable(check.out + check.err));

        for (const char* source :
             {"Categories", "Products", "Suppliers", "Employees", "Shipping Methods",
              "Purchase Orders", "Inventory Transactions", "My Company Information", "qryProducts",
              "qryRep1A", "qryRep1B", "qryRep2A", "qryRep2B", "qryRep3A", "qryRep4A", "qryRep4B",
              "qryRep5A", "qryRep5B"}) {
            QStringList onServer = rowsOf(empty, QString("SELECT * FROM [%1]").arg(source));
            QStringList inFile = rowsOf(file, QString("SELECT * FROM [%1]").arg(source));
            // qryProducts has no order of its own.
            if (QByteArray(source) == "qryProducts") {
                onServer.sort();
                inFile.sort();
            }
            QVERIFY2(inFile.size() > 1, source);
            QCOMPARE(onServer, inFile);
        }
        // New rows are numbered after the copied ones.
        Recordset rs;
        rs.Open("Select * from Categories", Connection::open(empty));
        const qlonglong last = (rs.MoveLast(), rs.Fields("CategoryID").toLongLong());
        rs.AddNew();
        rs.setField("CategoryName", "Bird Feeders");
        rs.Update();
        QCOMPARE(rs.Fields("CategoryID").toLongLong(), last + 1);

        // What it refuses on a database that is no longer empty, or incomplete.
        const Run again = runTool({"init", "--sample", empty});
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.err.contains("not empty"), qPrintable(again.err));
        QVERIFY(runTool({"init", "--force", empty}).err.contains("--force"));
        QCOMPARE(runTool({"init", "--journal", "wal", empty}).exitCode, 2);

        db->execNative("DROP VIEW \"qryRep3A\"; DELETE FROM \"My Company Information\"");
        const Run incomplete = runTool({"check", empty});
        QCOMPARE(incomplete.exitCode, 1);
        QVERIFY2(incomplete.out.contains("missing saved query (view): qryRep3A") &&
                     incomplete.out.contains("My Company Information has no row"),
                 qPrintable(incomplete.out));
        QCOMPARE(runTool({"check", empty + "_missing"}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestDbPostgres)
#include "tst_dbpostgres.moc"
