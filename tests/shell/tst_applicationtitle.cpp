#include "shell/ApplicationTitle.h"

#include <QGuiApplication>
#include <QtTest>

using namespace quarvel::shell;

class TestApplicationTitle : public QObject {
    Q_OBJECT

private slots:
    void titleRule_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        // Four words, 38 characters: the first cut happens anyway.
        QTest::newRow("four words under 40")
            << QStringLiteral("Northwind Traders Inventory Management")
            << QStringLiteral("Northwind Traders Inventory");
        QTest::newRow("cut again while longer than 40")
            << QStringLiteral("Inventory Warehouse Purchases Suppliers Employees Shipments")
            << QStringLiteral("Inventory Warehouse Purchases Suppliers");
        QTest::newRow("no blank, too long")
            << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQ")
            << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN");
        QTest::newRow("long word then short")
            << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQ Stock")
            << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN");
        QTest::newRow("leading blank only")
            << QStringLiteral(" Quarvel") << QStringLiteral("Quarvel");
    }

    void titleRule() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(applicationTitleFor(name), title);
    }

    void setsTheApplicationName() {
        SetApplicationTitle(QStringLiteral("Quarvel Stock Keeping"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quarvel Stock"));
    }
};

QTEST_MAIN(TestApplicationTitle)
#include "tst_applicationtitle.moc"
