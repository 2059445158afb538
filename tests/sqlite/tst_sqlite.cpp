// The SQLite wrapper: what SQLite can refuse is reported, with the engine's message and
// code, and a transaction that is not committed leaves nothing behind.
#include "sqlite/Database.h"
#include "sqlite/Transaction.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using namespace quarvel::sqlite;

namespace {

// Runs f and returns the Error it throws; fails the test when it throws none.
template <typename F> Error errorOf(F&& f) {
    try {
        f();
    } catch (const Error& e) {
        return e;
    }
    QTest::qFail("no error was thrown", __FILE__, __LINE__);
    return Error({}, SQLITE_OK);
}

} // namespace

class TestSqlite : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_db = std::make_unique<Database>(m_dir.filePath("t.db"), OpenMode::Create);
        m_db->exec("DROP TABLE IF EXISTS child; DROP TABLE IF EXISTS t;"
                   "CREATE TABLE t (x INTEGER UNIQUE, s TEXT);"
                   "INSERT INTO t VALUES (1, 'a'), (2, 'b'), (3, 'c');"
                   "PRAGMA foreign_keys = ON;"
                   "CREATE TABLE child (x REFERENCES t (x) DEFERRABLE INITIALLY DEFERRED)");
    }

    void openingNeverCreatesAFileUnlessAsked() {
        const QString missing = m_dir.filePath("missing.db");
        QCOMPARE(errorOf([&] { Database db(missing); }).code(), SQLITE_CANTOPEN);
        QCOMPARE(errorOf([&] { Database db(missing, OpenMode::ReadOnly); }).code(),
                 SQLITE_CANTOPEN);
        QVERIFY(!QFile::exists(missing));

        Database readOnly(m_dir.filePath("t.db"), OpenMode::ReadOnly);
        QCOMPARE(errorOf([&] { readOnly.exec("DELETE FROM t"); }).code(), SQLITE_READONLY);
        QCOMPARE(m_db->scalar("SELECT count(*) FROM t").toInt(), 3);
    }

    void everyBindIsChecked() {
        Statement insert = m_db->prepare("INSERT INTO t VALUES (?, ?)");
        const Error range = errorOf([&] { insert.bind(3, 7); });
        QCOMPARE(range.code(), SQLITE_RANGE);
        QVERIFY2(range.message().contains("parameter 3 of 2"), qPrintable(range.message()));

        // A statement that is running takes no new value: the bind would be lost.
        Statement select = m_db->prepare("SELECT x FROM t WHERE x >= ?");
        select.bind(1, 1);
        QVERIFY(select.step());
        QCOMPARE(errorOf([&] { select.bind(1, 3); }).code(), SQLITE_MISUSE);
    }

    void stepReportsEveryErrorWhole() {
        Statement insert = m_db->prepare("INSERT INTO t VALUES (?, 'again')");
        insert.bind(1, 2);
        const Error duplicate = errorOf([&] { insert.execute(); });
        QCOMPARE(duplicate.extendedCode(), SQLITE_CONSTRAINT_UNIQUE);
        QCOMPARE(duplicate.message(), QString("UNIQUE constraint failed: t.x"));
        QCOMPARE(duplicate.sql(), QString("INSERT INTO t VALUES (?, 'again')"));
        // The failed statement was reset and runs again with a new value.
        insert.bind(1, 4);
        QCOMPARE(insert.execute(), 1);

        // A failure on the third row ends the loop with an error, not as if all were read.
        Statement select = m_db->prepare(
            "SELECT CASE WHEN x = 3 THEN abs(-9223372036854775807 - 1) ELSE x END FROM t "
            "ORDER BY x");
        int rows = 0;
        const Error overflow = errorOf([&] {
            while (select.step())
                ++rows;
        });
        QCOMPARE(rows, 2);
        QCOMPARE(overflow.message(), QString("integer overflow"));

        QCOMPARE(errorOf([&] { m_db->prepare("SELEC x FROM t"); }).message(),
                 QString("near \"SELEC\": syntax error"));
    }

    void aCommandTextIsRunWholeOrRefused() {
        // SQLite would stop at the NUL, or after the first statement, without a word.
        const QString nul = QString("DELETE FROM t WHERE x = 1") + QChar(0) + " OR 1";
        QCOMPARE(errorOf([&] { m_db->prepare(nul); }).code(), SQLITE_MISUSE);
        QCOMPARE(errorOf([&] { m_db->prepare("DELETE FROM t; DROP TABLE t"); }).code(),
                 SQLITE_MISUSE);
        QCOMPARE(m_db->scalar("SELECT count(*) FROM t").toInt(), 3);
        QVERIFY(m_db->scalar("SELECT count(*) FROM t; -- all of them").isValid());

        // Texts with NUL characters are bound and read whole.
        const QString text = QString("before") + QChar(0) + "after";
        Statement insert = m_db->prepare("INSERT INTO t VALUES (9, ?)");
        insert.bindText(1, text).execute();
        QCOMPARE(m_db->scalar("SELECT s FROM t WHERE x = 9").toString(), text);
    }

    void transactionRollsBackUnlessCommitted() {
        {
            Transaction transaction(*m_db);
            m_db->exec("DELETE FROM t");
        }
        QCOMPARE(m_db->scalar("SELECT count(*) FROM t").toInt(), 3);

        {
            // A commit that fails (a deferred foreign key) leaves nothing either.
            Transaction transaction(*m_db, Transaction::Kind::Immediate);
            m_db->exec("INSERT INTO child VALUES (99); DELETE FROM t WHERE x = 1");
            QCOMPARE(errorOf([&] { transaction.commit(); }).extendedCode(),
                     SQLITE_CONSTRAINT_FOREIGNKEY);
        }
        QCOMPARE(m_db->scalar("SELECT count(*) FROM child").toInt(), 0);
        QCOMPARE(m_db->scalar("SELECT count(*) FROM t").toInt(), 3);

        {
            Transaction transaction(*m_db);
            m_db->exec("DELETE FROM t WHERE x = 1");
            transaction.commit();
        }
        QCOMPARE(m_db->scalar("SELECT count(*) FROM t").toInt(), 2);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
};

QTEST_GUILESS_MAIN(TestSqlite)
#include "tst_sqlite.moc"
