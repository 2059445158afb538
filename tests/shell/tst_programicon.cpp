#include <QIcon>
#include <QImage>
#include <QtTest>

// The program's icon is compiled in and is a proper picture with a transparent edge.
class TestProgramIcon : public QObject {
    Q_OBJECT

private slots:
    void iconIsInTheResources() {
        const QImage image(QStringLiteral(":/icons/quarvel.png"));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(64, 64));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(32, 32)), 255);
        QVERIFY(!QIcon(QStringLiteral(":/icons/quarvel.png")).isNull());
    }
};

QTEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
