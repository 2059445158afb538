// The default printer's orientation through libcups, against a private cupsd of the test's own
// (its own socket, folders and lpoptions), never the machine's printers or /etc/cups.

#include "PrivateCups.h"
#include "platform/PrinterDefaults.h"

#include <QPrinter>
#include <QTest>

using namespace quarvel::platform;

class tst_PrinterDefaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString failure = m_cups.start();
        if (!failure.isEmpty())
            QSKIP(qPrintable(failure));
    }
    void withoutDefaultPrinter();
    void orientationRoundTrip();

private:
    PrivateCups m_cups;
};

void tst_PrinterDefaults::withoutDefaultPrinter() {
    m_cups.removePrinter();
    QTRY_VERIFY_WITH_TIMEOUT(!hasDefaultPrinter(), 20000);
    QCOMPARE(defaultOrientation(), PrinterOrientation::Unknown);
    QVERIFY(!setDefaultOrientation(PrinterOrientation::Landscape));
    QVERIFY(!m_cups.hasOptionsFile()); // nothing was written anywhere
    // A report keeps its own orientation.
    QPrinter printer;
    applyDefaultOrientation(printer, QPageLayout::Landscape);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printerOrientationFor(QPageLayout::Portrait), QPageLayout::Portrait);
}

void tst_PrinterDefaults::orientationRoundTrip() {
    QVERIFY2(m_cups.addDefaultPrinter(), qPrintable(m_cups.serverLog()));
    QTRY_VERIFY_WITH_TIMEOUT(hasDefaultPrinter(), 20000);
    QCOMPARE(defaultPrinterName(), PrivateCups::printerName());
    // A paper default of the user's own, which orientation changes must keep.
    QCOMPARE(m_cups.run(QStringLiteral("lpoptions"),
                        {QStringLiteral("-o"), QStringLiteral("media=Legal")}),
             0);

    QVERIFY(setDefaultOrientation(PrinterOrientation::Landscape));
    QCOMPARE(defaultOrientation(), PrinterOrientation::Landscape);
    QCOMPARE(defaultPrinterOption(QStringLiteral("orientation-requested")), QStringLiteral("4"));
    QCOMPARE(defaultPrinterOption(QStringLiteral("media")), QStringLiteral("Legal"));
    // The CUPS tools see the same default, so print jobs get it too.
    QString listed;
    QCOMPARE(m_cups.run(QStringLiteral("lpoptions"), {}, &listed), 0);
    QVERIFY2(listed.contains(QStringLiteral("orientation-requested=4")), qPrintable(listed));
    QPrinter printer;
    applyDefaultOrientation(printer, QPageLayout::Portrait);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);

    QVERIFY(setDefaultOrientation(PrinterOrientation::Portrait));
    QCOMPARE(defaultPrinterOption(QStringLiteral("orientation-requested")), QStringLiteral("3"));
    QCOMPARE(printerOrientationFor(QPageLayout::Landscape), QPageLayout::Portrait);

    // Unknown drops the user default again and leaves the rest.
    QVERIFY(setDefaultOrientation(PrinterOrientation::Unknown));
    QCOMPARE(defaultPrinterOption(QStringLiteral("orientation-requested")), QString());
    QCOMPARE(defaultPrinterOption(QStringLiteral("media")), QStringLiteral("Legal"));
}

QTEST_MAIN(tst_PrinterDefaults)
#include "tst_PrinterDefaults.moc"
