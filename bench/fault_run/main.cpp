// bench_fault_run [--kills N] [--seed S] [DATABASE-URL]: kills a program that is saving, at
// random moments, while a second program reads the same database, and counts what the user
// would lose. Run by hand; not part of the suite.
//
// Without a URL it runs on a new file in each journal mode (WAL, then rollback); with a
// PostgreSQL URL naming an empty database it runs there. For each kill:
//   1. a saver (quarvel-test-saver) inserts categories through the data layer, one after the
//      other, printing each save it was told succeeded or failed;
//   2. after a random time (0-150 ms of saving) it is killed with SIGKILL;
//   3. the database is read again from a new connection: every save acknowledged must be
//      there (else "lost"), none reported refused may be (else "phantom");
//   4. quarvel-db check must find the database complete and undamaged (else "corrupt").
// On a file, a reader (quarvel-test-saver --read) opens, reads and closes it all the while.
#include "DbTool.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

struct Figures {
    int kills = 0;
    int acknowledged = 0;
    int refused = 0;
    int lost = 0;
    int phantom = 0;
    int corrupt = 0;
};

// The category names stored under a tag, read by a new connection.
QSet<QString> storedNames(const QString& database, const QString& tag) {
    QSet<QString> names;
    const QString sql = QStringLiteral("SELECT \"CategoryName\" FROM \"Categories\" WHERE "
                                       "\"CategoryName\" LIKE '%1-%'")
                            .arg(tag);
    if (quarvel::isPostgresUrl(database)) {
        const auto link = quarvel::PostgresLink::connect(database);
        const quarvel::PostgresResult rows = link->exec(sql);
        for (int i = 0; i < rows.rows(); ++i)
            names << rows.value(i, 0).toString();
        return names;
    }
    quarvel::sqlite::Database file(database, quarvel::sqlite::OpenMode::ReadWrite);
    file.setBusyTimeout(5000);
    quarvel::sqlite::Statement rows = file.prepare(sql);
    while (rows.step())
        names << rows.text(0);
    return names;
}

bool checkIsClean(const QString& database) {
    QProcess check;
    check.start(QStringLiteral(QUARVEL_DB_TOOL), {QStringLiteral("check"), database});
    check.waitForFinished(300000);
    if (check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0)
        return true;
    std::printf("  check: %s%s\n", check.readAllStandardOutput().constData(),
                check.readAllStandardError().constData());
    return false;
}

// One saver run, killed after `saveMs` of saving.
void killOnce(const QString& database, int round, int saveMs, Figures& figures) {
    const QString tag = QStringLiteral("k%1").arg(round);
    QProcess saver;
    saver.start(QStringLiteral(QUARVEL_TEST_SAVER),
                {database, QStringLiteral("--free"), QStringLiteral("1000000"),
                 QStringLiteral("--tag"), tag});
    saver.waitForReadyRead(30000);
    QElapsedTimer saving;
    saving.start();
    while (saving.elapsed() < saveMs)
        saver.waitForReadyRead(int(std::max<qint64>(1, saveMs - saving.elapsed())));
    saver.kill();
    saver.waitForFinished(30000);
    QSet<QString> acknowledged, refused;
    for (const QByteArray& line : saver.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.value(0) == "saved")
            acknowledged << QString::fromUtf8(words.value(2));
        else if (words.value(0) == "refused")
            refused << QString::fromUtf8(words.value(1));
    }
    const QSet<QString> stored = storedNames(database, tag);
    ++figures.kills;
    figures.acknowledged += int(acknowledged.size());
    figures.refused += int(refused.size());
    figures.lost += int((acknowledged - stored).size());
    figures.phantom += int((refused & stored).size());
    if (!checkIsClean(database))
        ++figures.corrupt;
}

Figures run(const QString& database, int kills, QRandomGenerator& random) {
    std::unique_ptr<QProcess> reader;
    if (!quarvel::isPostgresUrl(database)) {
        reader = std::make_unique<QProcess>();
        reader->start(QStringLiteral(QUARVEL_TEST_SAVER), {database, QStringLiteral("--read")});
        reader->waitForReadyRead(30000);
    }
    Figures figures;
    for (int i = 0; i < kills; ++i)
        killOnce(database, i, int(random.bounded(150)), figures);
    if (reader) {
        reader->kill();
        reader->waitForFinished();
    }
    return figures;
}

void print(const char* label, const Figures& f) {
    std::printf("%-22s kills %4d  acknowledged %6d  refused %4d  lost %d  phantom %d  corrupt %d\n",
                label, f.kills, f.acknowledged, f.refused, f.lost, f.phantom, f.corrupt);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int kills = 200;
    quint32 seed = 17;
    QString url;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == u"--kills" && i + 1 < args.size())
            kills = args[++i].toInt();
        else if (args[i] == u"--seed" && i + 1 < args.size())
            seed = args[++i].toUInt();
        else
            url = args[i];
    }
    QRandomGenerator random(seed);
    std::printf("fault run: %d kills per database, seed %u\n", kills, seed);
    if (!url.isEmpty()) {
        quarvel::dbtool::createDatabase(url, false, false);
        print("PostgreSQL", run(url, kills, random));
        return 0;
    }
    QTemporaryDir dir;
    for (const auto& [label, journal] :
         {std::pair{"SQLite, WAL", quarvel::dbtool::Journal::Wal},
          std::pair{"SQLite, rollback", quarvel::dbtool::Journal::Rollback}}) {
        const QString path = dir.filePath(QString::fromLatin1(label).section(u' ', 1) + ".db");
        quarvel::dbtool::createDatabase(path, false, false, journal);
        print(label, run(path, kills, random));
    }
    return 0;
}
