// "Back Up Database" of the task menu on a database of the engine under test: the backup is
// written where the user chose, beside the open window, and a failure says why.
#include "../products/ProductsFixture.h"
#include "../tools/RunTool.h"
#include "app/TaskMenu.h"
#include "backup/DatabaseBackup.h"
#include "shell/Globals.h"

#include <QTemporaryDir>

using quarvel::TaskMenu;
using quarvel::backup::DatabaseBackup;

class TestBackupDatabase : public QObject {
    Q_OBJECT

private slots:
    void theBackupIsWrittenWhereTheUserChoseOrSaysWhyNot() {
        ProductsFixture f;
        quarvel::setTodayForTesting(QDate(2026, 12, 7));
        f.db().exec("INSERT INTO Categories (CategoryName) VALUES ('Seeds & Bulbs')");
        QTemporaryDir dir;
        QString path = dir.filePath("backup.db");
        QString suggested;
        DatabaseBackup::setPathChooser([&](QWidget*, const QString& name) {
            suggested = name;
            return path;
        });
        QLabel* entry = f.window->taskMenu()->entry(TaskMenu::BackupEntry);
        QCOMPARE(entry->text(), QString("Back Up Database"));

        QTest::mouseClick(entry, Qt::LeftButton);
        QCOMPARE(f.texts(), QStringList{"The database was backed up to " + path + "."});
        QVERIFY2(suggested.endsWith("-2026-12-07.db"), qPrintable(suggested));
        const Run check = runTool({"check", path});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
        QVERIFY(runTool({"export", "--database", path, "Categories", "-"})
                    .out.contains("Seeds & Bulbs"));

        // Chosen again, the file is replaced; a folder that is not there is told.
        QTest::mouseClick(entry, Qt::LeftButton);
        QCOMPARE(f.texts().size(), 2);
        QVERIFY(f.texts().last().startsWith("The database was backed up"));
        path = dir.filePath("gone/backup.db");
        QTest::mouseClick(entry, Qt::LeftButton);
        QCOMPARE(f.texts().size(), 3);
        QVERIFY2(f.texts().last().contains("does not exist"), qPrintable(f.texts().last()));
        QVERIFY(!QFile::exists(path));
        DatabaseBackup::setPathChooser({});
        quarvel::setTodayForTesting(QDate());
    }
};

QTEST_MAIN(TestBackupDatabase)
#include "tst_backupdatabase.moc"
