// What another program sees of the saves of a program on the same database file: a real
// second process (quarvel-test-saver) saves through the data layer while this one opens,
// reads and closes the file again and again, as quarvel-db check, sqlite3 or a second copy of
// the program would.
#include "SaverProcess.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Recordset.h"
#include "sqlite/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QtTest>
#include <memory>

using namespace quarvel;

namespace {

// One look at the file as another program takes it: open, read, close.
QVariant readOnce(const QString& path, const QString& sql, const QVariant& value = {}) {
    sqlite::Database db(path, sqlite::OpenMode::ReadWrite);
    db.setBusyTimeout(5000);
    sqlite::Statement query = db.prepare(sql);
    if (query.parameterCount() > 0)
        query.bind(1, value);
    return query.step() ? query.value(0) : QVariant();
}

// The files of `folder` that a process has open and that were deleted under it.
QStringList deletedFilesOpenIn(qint64 pid, const QString& folder) {
    QStringList deleted;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System)) {
        const QString target = fd.symLinkTarget();
        if (target.startsWith(folder) && target.endsWith(QLatin1String(" (deleted)")))
            deleted << target;
    }
    return deleted;
}

void useJournal(const TempDatabase& db, const QString& journal) {
    db.exec(QStringLiteral("PRAGMA journal_mode = %1").arg(journal));
    QCOMPARE(db.scalar("PRAGMA journal_mode").toString(), journal);
}

} // namespace

class TwoProcessesTest : public QObject {
    Q_OBJECT

private slots:
    void journals_data() {
        QTest::addColumn<QString>("journal");
        QTest::newRow("wal") << QStringLiteral("wal");
        QTest::newRow("rollback") << QStringLiteral("delete");
    }

    // Every save the program reports is in the file for the next program that opens it, the
    // journal the program writes into stays the file's, and a kill loses none of them.
    void savesAreSeenByAnotherProgramAndSurviveAKill_data() { journals_data(); }
    void savesAreSeenByAnotherProgramAndSurviveAKill() {
        QFETCH(QString, journal);
        TempDatabase db(TempDatabase::Backend::Sqlite);
        useJournal(db, journal);
        db.exec("INSERT INTO Suppliers (SupplierName, City) VALUES ('Acme', 'Paris')");
        const QString path = db.path();

        auto saver = startSaver(path);
        QCOMPARE(replyOf(*saver), QString("ready"));
        QStringList saved;
        QString city;
        for (int n = 1; n <= 12; ++n) {
            saver->write(n % 3 == 0 ? "update\n" : "insert\n");
            const QStringList reply = replyOf(*saver).split(u' ');
            if (n % 3 == 0) {
                QCOMPARE(reply.value(0), QString("updated"));
                city = reply.value(1);
                QCOMPARE(readOnce(path, "SELECT City FROM Suppliers").toString(), city);
            } else {
                QCOMPARE(reply.value(0), QString("saved"));
                saved << reply.value(2);
                QCOMPARE(readOnce(path, "SELECT CategoryID FROM Categories WHERE CategoryName = ?",
                                  reply.value(2))
                             .toString(),
                         reply.value(1));
            }
            QCOMPARE(deletedFilesOpenIn(saver->processId(), QFileInfo(path).absolutePath()),
                     QStringList());
            if (journal == u"wal")
                QVERIFY(QFileInfo::exists(path + "-wal") && QFileInfo::exists(path + "-shm"));
            if (n == 6) {
                // The tool a user runs beside the program.
                QProcess check;
                check.start(QStringLiteral(QUARVEL_DB_TOOL), {"check", path});
                QVERIFY(check.waitForFinished(60000));
                QCOMPARE(check.exitCode(), 0);
            }
        }

        saver->kill();
        QVERIFY(saver->waitForFinished(30000));
        sqlite::Database after(path, sqlite::OpenMode::ReadWrite);
        QCOMPARE(after.scalar("PRAGMA integrity_check").toString(), QString("ok"));
        QCOMPARE(after.scalar("SELECT City FROM Suppliers").toString(), city);
        sqlite::Statement names =
            after.prepare("SELECT CategoryName FROM Categories ORDER BY CategoryID");
        QStringList stored;
        while (names.step())
            stored << names.text(0);
        QCOMPARE(stored, saved);
    }

    // A file another program is writing to is named in the refusal, which says what to do;
    // once it has finished, the same save goes through.
    void aBusyFileIsNamedAndTheSaveCanBeMadeAgain() {
        TempDatabase db(TempDatabase::Backend::Sqlite);
        useJournal(db, "delete");
        db.exec("INSERT INTO Categories (CategoryName) VALUES ('Tools')");
        Recordset categories;
        categories.Open("Select * from Categories", Connection::open(db.path()));
        auto writer = startSaver(db.path(), {"--hold"});
        QCOMPARE(replyOf(*writer), QString("ready"));
        categories.setField("CategoryName", "Hand tools");
        QString refusal;
        try {
            categories.Update();
        } catch (const DatabaseError& e) {
            refusal = e.message();
        }
        QVERIFY2(refusal.contains(db.path()) && refusal.contains("busy") &&
                     refusal.contains("try again"),
                 qPrintable(refusal));
        writer->closeWriteChannel();
        QVERIFY(writer->waitForFinished(30000));
        categories.Update();
        QCOMPARE(readOnce(db.path(), "SELECT CategoryName FROM Categories").toString(),
                 QString("Hand tools"));
    }

    // Eight programs insert at once: a save reported as refused is not in the file, and every
    // save reported as done is, exactly once.
    void whatEachSaverIsToldIsWhatIsStored_data() { journals_data(); }
    void whatEachSaverIsToldIsWhatIsStored() {
        QFETCH(QString, journal);
        TempDatabase db(TempDatabase::Backend::Sqlite);
        useJournal(db, journal);
        std::vector<Saver> savers;
        for (int i = 0; i < 8; ++i)
            savers.push_back(
                startSaver(db.path(), {"--free", "20", "--tag", QStringLiteral("p%1").arg(i)}));
        QSet<QString> saved;
        QSet<QString> refused;
        for (auto& saver : savers) {
            QVERIFY(saver->waitForFinished(120000));
            QCOMPARE(saver->exitCode(), 0);
            for (const QByteArray& line : saver->readAllStandardOutput().split('\n')) {
                const QStringList words = QString::fromUtf8(line).split(u' ');
                if (words.value(0) == u"saved")
                    saved << words.value(2);
                else if (words.value(0) == u"refused")
                    refused << words.value(1);
            }
        }
        QCOMPARE(saved.size() + refused.size(), 8 * 20);
        sqlite::Database after(db.path(), sqlite::OpenMode::ReadWrite);
        sqlite::Statement names = after.prepare("SELECT CategoryName FROM Categories");
        QStringList stored;
        while (names.step())
            stored << names.text(0);
        QCOMPARE(stored.size(), saved.size());
        QCOMPARE(QSet<QString>(stored.begin(), stored.end()), saved);
    }
};

QTEST_GUILESS_MAIN(TwoProcessesTest)
#include "tst_twoprocesses.moc"
