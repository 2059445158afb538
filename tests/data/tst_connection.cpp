#include "DamagedPage.h"
#include "Failure.h"
#include "TempDatabase.h"
#include "data/Backend.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "data/sqlite/FileHealth.h"
#include "sqlite/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QtTest>
#include <mutex>
#include <unistd.h>

using namespace quarvel;

namespace {

// What a file holds and when it was last written. Another process reads it: a descriptor of
// the file closed in this one would drop the locks of the connections kept open here.
std::pair<QByteArray, QDateTime> fileState(const QString& path) {
    QProcess sum;
    sum.start(QStringLiteral("sha256sum"), {path});
    sum.waitForFinished();
    return {sum.readAllStandardOutput(), QFileInfo(path).lastModified()};
}

// The cases on database files are SQLite's (tst_postgres covers the server's).
#define SKIP_ON_SERVER()                                                                           \
    if (TempDatabase::backendUnderTest() == TempDatabase::Backend::Postgres)                       \
    QSKIP("database files are SQLite's")

} // namespace

class ConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        qunsetenv("QUARVEL_DATABASE");
        SharedConnection.reset();
    }

    void connectionStringNamesTheChosenFile() {
        QCOMPARE(DatabasePathFromConnectionString(BuildConnectionString()),
                 QCoreApplication::applicationDirPath() + "/Products.db");
        // A path with the separator inside it survives the round trip.
        QCOMPARE(DatabasePathFromConnectionString(BuildConnectionString("/a;b/c.db")),
                 QString("/a;b/c.db"));
    }

    // $1 is the first value wherever it stands in the text, and a value may stand twice.
    void valuesGoToTheirNumberedPlaces() {
        TempDatabase db;
        db.exec("INSERT INTO Categories (CategoryName) VALUES ('Tools'), ('Paint')");
        const auto connection = Connection::open(db.connectionString());
        const auto cursor = connection->query(
            "SELECT CategoryName FROM Categories WHERE CategoryName = $2 OR CategoryID = $1 "
            "OR $2 = 'Tools' ORDER BY CategoryID",
            {1, QString("Paint")});
        QStringList names;
        while (cursor->next())
            names << cursor->value(0).toString();
        QCOMPARE(names, (QStringList{"Tools", "Paint"}));
    }

    void openingChangesNothingInTheFile() {
        SKIP_ON_SERVER();
        TempDatabase db;
        db.exec("PRAGMA journal_mode = DELETE; INSERT INTO Categories (CategoryName) "
                "VALUES ('Tools')");
        const auto before = fileState(db.path());
        {
            Recordset rs;
            rs.Open("Select * from Categories", Connection::open(db.connectionString()));
            QCOMPARE(rs.Fields("CategoryName").toString(), QString("Tools"));
        }
        QCOMPARE(fileState(db.path()), before);
        QCOMPARE(db.scalar("PRAGMA journal_mode").toString(), QString("delete"));
    }

    void filesThatAreNoQuarvelDatabaseAreNamedAndLeftAlone() {
        SKIP_ON_SERVER();
        QTemporaryDir dir;
        auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return file.fileName();
        };
        const QString empty = write("empty.db", {});
        const QString text = write("notes.db", QByteArray("Shopping list\nnails\n").repeated(300));
        const QString other = dir.filePath("other.db");
        sqlite::Database(other, sqlite::OpenMode::Create).exec("CREATE TABLE Things (a)");

        const QString missing = dir.filePath("Products.db");
        const QList<QPair<QString, QString>> cases = {{missing, missing},
                                                      {empty, "empty"},
                                                      {text, "not an SQLite database"},
                                                      {other, "no Quarvel tables"}};
        for (const auto& [path, what] : cases) {
            const auto before = fileState(path);
            const QString message = errorOf([&] { Connection::open(path); });
            QVERIFY2(message.contains(what) && message.contains(path), qPrintable(message));
            QCOMPARE(fileState(path), before); // a missing file is never created
            QVERIFY(!QFile::exists(path + "-wal") && !QFile::exists(path + "-journal"));
        }
    }

    void aReadOnlyFileCanBeViewedButNotWritten() {
        SKIP_ON_SERVER();
        TempDatabase db;
        db.exec("INSERT INTO Categories (CategoryName) VALUES ('Tools')");
        const auto readOnly =
            QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
        const QString folder = QFileInfo(db.path()).absolutePath();
        const auto folderPermissions = QFile::permissions(folder);
        const auto filePermissions = QFile::permissions(db.path());
        auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder, folderPermissions);
            QFile::setPermissions(db.path(), filePermissions);
        });
        // A file marked read-only, then a writable file in a folder marked read-only.
        for (const bool inFolder : {false, true}) {
            QVERIFY(QFile::setPermissions(db.path(), inFolder ? filePermissions : readOnly));
            if (inFolder)
                QVERIFY(QFile::setPermissions(folder, readOnly | QFile::ExeOwner | QFile::ExeUser |
                                                          QFile::ExeGroup | QFile::ExeOther));
            const auto before = fileState(db.path());
            Recordset rs;
            rs.Open("Select * from Categories", Connection::open(db.connectionString()));
            QCOMPARE(rs.Fields("CategoryName").toString(), QString("Tools"));
            rs.setField("CategoryName", "Hand tools");
            const DatabaseError e = failureOf([&] { rs.Update(); });
            QCOMPARE(e.kind(), DatabaseError::Kind::ReadOnly);
            QVERIFY2(e.message().contains("read-only") && e.message().contains(db.path()) &&
                         !e.message().contains("attempt to write"),
                     qPrintable(e.message()));
            QCOMPARE(fileState(db.path()), before);
        }
    }

    // Damage that no window reads yet (an index of orders) is found beside the work, told
    // once, and the file takes no more writes; reading goes on.
    void aDamagedFileIsToldOnceAndTakesNoWrites() {
        SKIP_ON_SERVER();
        TempDatabase db;
        db.exec("INSERT INTO Categories (CategoryName) VALUES ('Tools');"
                "INSERT INTO [Shipping Methods] (ShippingMethod) VALUES ('Post');"
                "INSERT INTO [Purchase Orders] (ShippingMethodID) VALUES (1), (1), (1)");
        QVERIFY(damagePage(db.path(), "ix_PurchaseOrders_ShippingMethod"));
        QStringList told;
        std::mutex toldMutex;
        FileHealth::setListener([&](const QString& message) {
            std::lock_guard lock(toldMutex);
            told << message;
        });
        auto noListener = qScopeGuard([] { FileHealth::setListener({}); });
        Recordset rs;
        rs.Open("Select * from Categories", Connection::open(db.connectionString()));
        QCOMPARE(rs.Fields("CategoryName").toString(), QString("Tools"));
        FileHealth::waitForChecks();
        Recordset again;
        again.Open("Select * from Categories", Connection::open(db.connectionString()));
        FileHealth::waitForChecks();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(db.path()) && told[0].contains("damaged") &&
                     told[0].contains("quarvel-db check"),
                 qPrintable(told[0]));
        rs.setField("CategoryName", "Hand tools");
        QCOMPARE(errorOf([&] { rs.Update(); }), told[0]);
        QCOMPARE(db.scalar("SELECT CategoryName FROM Categories").toString(), QString("Tools"));
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
