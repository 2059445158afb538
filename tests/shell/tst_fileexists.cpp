#include "shell/FileExists.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using quarvel::shell::FileExists;

class TestFileExists : public QObject {
    Q_OBJECT

private slots:
    void filesAndFoldersExist() {
        QTemporaryDir dir;
        QVERIFY(FileExists(dir.path()));
        const QString file = dir.filePath(QStringLiteral("HAND-M.CUR"));
        QVERIFY(!FileExists(file));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(FileExists(file)); // an empty file exists too
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(QString(QChar(0)) + QStringLiteral("abc")));
    }
};

QTEST_MAIN(TestFileExists)
#include "tst_fileexists.moc"
