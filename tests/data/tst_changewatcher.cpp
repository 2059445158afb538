// What another program commits is told as it happens, on the engine under test: a real second
// program (quarvel-test-saver) saves, and the watcher here names each row it changed; a
// database without a history is not watched.
#include "../tools/RunTool.h"
#include "SaverProcess.h"
#include "TempDatabase.h"
#include "data/ChangeWatcher.h"

#include <QTest>

using namespace quarvel;

class TestChangeWatcher : public QObject {
    Q_OBJECT

private slots:
    void anotherProgramsSavesAreToldRowByRow() {
        TempDatabase db;
        if (db.isPostgres())
            db.execNative("SELECT 1"); // upgraded: never handed to another test
        QCOMPARE(runTool({"upgrade", db.path()}).exitCode, 0);
        db.exec("INSERT INTO Suppliers (SupplierName) VALUES ('Acme')");

        ChangeWatcher watcher(db.path());
        QVERIFY(watcher.isWatching());
        QStringList told;
        connect(&watcher, &ChangeWatcher::rowChanged, this,
                [&](const QString& table, const QVariant& key) {
                    told << QString("%1 %2").arg(table, key.toString());
                });
        Saver saver = startSaver(db.path());
        QCOMPARE(replyOf(*saver), QString("ready"));
        saver->write("insert\n");
        const QStringList saved = replyOf(*saver).split(u' ');
        QCOMPARE(saved.value(0), QString("saved"));
        QTRY_COMPARE(told, QStringList{"Categories " + saved.value(1)});
        saver->write("update\n");
        QVERIFY(replyOf(*saver).startsWith("updated"));
        QTRY_COMPARE(told, (QStringList{"Categories " + saved.value(1), "Suppliers 1"}));
        // A plain client's change of the company row too.
        db.exec("UPDATE [My Company Information] SET City = 'Köln'");
        QTRY_COMPARE(told.size(), 3);
        QCOMPARE(told.last(), QString("My Company Information "));
    }

    void aDatabaseWithoutHistoryIsNotWatched() {
        TempDatabase db;
        const ChangeWatcher watcher(db.path());
        QVERIFY(!watcher.isWatching());
    }
};

QTEST_GUILESS_MAIN(TestChangeWatcher)
#include "tst_changewatcher.moc"
