#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/DatabaseError.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "data/SqliteStatement.h"

#include <QCoreApplication>
#include <QFile>
#include <QtTest>

using namespace quarvel;

class ConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        qunsetenv("QUARVEL_DATABASE");
        SharedConnection.reset();
    }

    void connectionStringHasThreePieces() {
        QCOMPARE(BuildConnectionString("/data/shop.db"),
                 QString("PROVIDER=QSQLITE;Data Source=/data/shop.db;Persist Security Info=False"));
        QCOMPARE(BuildConnectionString(),
                 "PROVIDER=QSQLITE;Data Source=" + QCoreApplication::applicationDirPath() +
                     "/Products.db;Persist Security Info=False");
        qputenv("QUARVEL_DATABASE", "/elsewhere/other.db");
        QCOMPARE(
            BuildConnectionString(),
            QString(
                "PROVIDER=QSQLITE;Data Source=/elsewhere/other.db;Persist Security Info=False"));
        // A path with the separator inside it survives the round trip.
        QCOMPARE(DatabasePathFromConnectionString(BuildConnectionString("/a;b/c.db")),
                 QString("/a;b/c.db"));
    }

    void openingConfiguresTheEngine() {
        TempDatabase db;
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        auto connection = OpenConnection();
        auto pragma = [&](const char* name) {
            SqliteStatement s(connection->handle(), QString("PRAGMA %1").arg(name));
            s.step();
            return s.value(0).toString();
        };
        QCOMPARE(pragma("foreign_keys"), QString("1"));
        QCOMPARE(pragma("journal_mode"), QString("wal"));
        QCOMPARE(pragma("synchronous"), QString("2"));
        QCOMPARE(pragma("busy_timeout"), QString::number(Connection::busyTimeoutMs));
    }

    void failuresCarryTheReason() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("Products.db");
        try {
            Connection::open(BuildConnectionString(missing));
            QFAIL("opened a missing file");
        } catch (const DatabaseError& e) {
            QVERIFY(e.message().contains(missing));
        }
        QVERIFY(!QFile::exists(missing)); // never created

        QFile junk(dir.filePath("junk.db"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        try {
            Connection::open(junk.fileName());
            QFAIL("opened a file that is no database");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.message().contains("not a database"), qPrintable(e.message()));
        }
    }

    void recordsetsOutliveTheSharedConnection() {
        TempDatabase db;
        db.exec("INSERT INTO Categories (CategoryName) VALUES ('Tools')");
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        Recordset rs;
        SharedConnection = OpenConnection();
        rs.Open("Select * from Categories", SharedConnection);
        auto first = SharedConnection;
        SharedConnection = OpenConnection();
        QVERIFY(SharedConnection != first);
        first.reset();
        rs.setField("CategoryName", "Hand tools");
        rs.Update();
        QCOMPARE(db.scalar("SELECT CategoryName FROM Categories").toString(),
                 QString("Hand tools"));
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "tst_connection.moc"
