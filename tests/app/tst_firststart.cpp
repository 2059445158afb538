// The first start of an installed program without its database: the user's choice creates it
// with the sample data or empty through quarvel-db init (the real tool, beside the tests), or
// leaves everything as it was.
#include "../tools/RunTool.h"
#include "app/FirstStart.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using quarvel::offerToCreateDatabase;

namespace {

// Answers the question the next time it shows by clicking the button with `caption`.
void answerWith(const QString& caption, QString* question) {
    QTimer::singleShot(0, [caption, question] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        *question = box->text();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == caption)
                button->click();
    });
}

} // namespace

class TestFirstStart : public QObject {
    Q_OBJECT

private slots:
    void theUsersChoiceMakesTheDatabaseOrNothing() {
        QTemporaryDir dir;
        const QString sample = dir.filePath("data/quarvel/Products.db");
        QString question;
        answerWith("Create with Sample Data", &question);
        QVERIFY(offerToCreateDatabase(sample));
        QVERIFY2(question.contains(sample), qPrintable(question));
        const Run sampleCheck = runTool({"check", sample});
        QCOMPARE(sampleCheck.exitCode, 0);

        const QString empty = dir.filePath("empty/Products.db");
        answerWith("Create Empty", &question);
        QVERIFY(offerToCreateDatabase(empty));
        QCOMPARE(runTool({"check", empty}).exitCode, 0);
        QVERIFY(QFileInfo(sample).size() > QFileInfo(empty).size());

        const QString none = dir.filePath("none/Products.db");
        answerWith("Quit", &question);
        QVERIFY(!offerToCreateDatabase(none));
        QVERIFY(!QFileInfo::exists(none));
    }
};

QTEST_MAIN(TestFirstStart)
#include "tst_firststart.moc"
