// ShowReport and the default printer's orientation through libcups, against a private cupsd of
// the test's own (its own socket, folders and lpoptions), never the machine's printers or
// /etc/cups: the orientation before, while each report is open (inside the show hook) and after
// it; media never changes.

#include "DbTool.h"
#include "PrivateCups.h"
#include "TempDatabase.h"
#include "platform/PrinterDefaults.h"
#include "reports/Printers.h"
#include "shell/Globals.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

using namespace quarvel;
using namespace quarvel::reports;
using platform::PrinterOrientation;

namespace {

struct Shown {
    QString report;
    PrinterOrientation whileOpen = PrinterOrientation::Unknown;
    QPageLayout::Orientation printer = QPageLayout::Portrait;
    QString mediaWhileOpen;
};

// Closes the "Report Date Range" window as soon as it is up.
void closeDateRangeWhenShown() {
    QTimer::singleShot(0, [] {
        if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            window->close();
        else
            closeDateRangeWhenShown();
    });
}

} // namespace

class tst_ReportOrientation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup() { setReportShowHook({}); }
    void orientationTable_data();
    void orientationTable();
    void userOptionsComeBackByteForByte_data();
    void userOptionsComeBackByteForByte();
    void optionsChangedWhileOpenAreKept();
    void savedPaperSizeIsThePrinters();
    void unknownNumbersShowNothing();
    void withoutDefaultPrinter();

private:
    // Starts from no lpoptions file, then gives the default printer these user options.
    void freshOptions(const QStringList& options) {
        QFile::remove(m_cups.optionsFile());
        if (options.isEmpty())
            return;
        QStringList args;
        for (const QString& option : options)
            args << QStringLiteral("-o") << option;
        QCOMPARE(m_cups.run("lpoptions", args), 0);
    }
    // The options file's bytes, or "<none>" when there is none.
    QByteArray optionsBytes() {
        QFile file(m_cups.optionsFile());
        if (!file.exists())
            return QByteArrayLiteral("<none>");
        if (!file.open(QIODevice::ReadOnly))
            return QByteArrayLiteral("<unreadable>");
        return file.readAll();
    }
    QString orientationDefault() { return platform::defaultPrinterOption("orientation-requested"); }

    PrivateCups m_cups;
    TempDatabase m_db{TempDatabase::Content::Nothing};
    std::vector<Shown> m_shown;
};

void tst_ReportOrientation::initTestCase() {
    dbtool::createDatabase(m_db.path(), true, false);
    qputenv("QUARVEL_DATABASE", m_db.path().toUtf8());
    const QString failure = m_cups.start();
    if (!failure.isEmpty())
        QSKIP(qPrintable(failure));
    QVERIFY(m_cups.addDefaultPrinter());
    QTRY_VERIFY_WITH_TIMEOUT(platform::hasDefaultPrinter(), 20000);
    QCOMPARE(platform::defaultPrinterName(), PrivateCups::printerName());
}

void tst_ReportOrientation::cleanupTestCase() {
    m_cups.stop();
}

void tst_ReportOrientation::init() {
    m_shown.clear();
    setReportShowHook([this](const ReportDefinition& report, const ReportData&,
                             QPageLayout::Orientation printer) {
        m_shown.push_back({report.title, platform::defaultOrientation(), printer,
                           platform::defaultPrinterOption("media")});
    });
}

void tst_ReportOrientation::orientationTable_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("before"); // orientation-requested user default, "" for none
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("whileOpen"); // PrinterOrientation
    QTest::addColumn<QString>("after");
    const int portrait = int(PrinterOrientation::Portrait);
    const int landscape = int(PrinterOrientation::Landscape);
    QTest::newRow("summary on portrait") << 3 << "3"
                                         << "Product Summary" << landscape << "3";
    QTest::newRow("detail on portrait") << 5 << "3"
                                        << "Product Transaction Detail" << landscape << "3";
    QTest::newRow("cost on landscape stays portrait")
        << 1 << "4"
        << "Product Cost Comparisons" << portrait << "3";
    QTest::newRow("purchases on landscape") << 2 << "4"
                                            << "Product Purchases by Supplier" << portrait << "3";
    QTest::newRow("purchase order on landscape") << 6 << "4"
                                                 << "Purchase Order" << portrait << "3";
}

void tst_ReportOrientation::orientationTable() {
    QFETCH(int, number);
    QFETCH(QString, before);
    QFETCH(QString, title);
    QFETCH(int, whileOpen);
    QFETCH(QString, after);
    freshOptions({QStringLiteral("media=Legal")});
    QVERIFY(platform::setDefaultOrientation(before == u"3"   ? PrinterOrientation::Portrait
                                            : before == u"4" ? PrinterOrientation::Landscape
                                                             : PrinterOrientation::Unknown));
    QCOMPARE(orientationDefault(), before);
    if (number == 2)
        closeDateRangeWhenShown();

    ShowReport(number);

    QCOMPARE(m_shown.size(), size_t(1));
    QCOMPARE(m_shown[0].report, title);
    QCOMPARE(int(m_shown[0].whileOpen), whileOpen);
    QCOMPARE(m_shown[0].printer, whileOpen == int(PrinterOrientation::Landscape)
                                     ? QPageLayout::Landscape
                                     : QPageLayout::Portrait);
    QCOMPARE(m_shown[0].mediaWhileOpen, QStringLiteral("Legal"));
    QCOMPARE(orientationDefault(), after);
    QCOMPARE(platform::defaultPrinterOption("media"), QStringLiteral("Legal"));
}

void tst_ReportOrientation::userOptionsComeBackByteForByte_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("options"); // set with lpoptions; none: no file at all
    QTest::addColumn<QByteArray>("handWritten");
    QTest::newRow("landscape option") << 3 << QStringList{"landscape"} << QByteArray();
    QTest::newRow("reverse landscape")
        << 3 << QStringList{"orientation-requested=5"} << QByteArray();
    QTest::newRow("reverse portrait")
        << 5 << QStringList{"orientation-requested=6"} << QByteArray();
    QTest::newRow("no orientation, no file") << 3 << QStringList() << QByteArray();
    QTest::newRow("unrelated options and landscape")
        << 3 << QStringList{"media=A4", "landscape", "sides=two-sided-long-edge"} << QByteArray();
    QTest::newRow("written by hand")
        << 5 << QStringList()
        << QByteArray("# my printer\nDest QuarvelPDF  sides=one-sided landscape media=Legal\n");
}

void tst_ReportOrientation::userOptionsComeBackByteForByte() {
    QFETCH(int, number);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, handWritten);
    freshOptions(options);
    if (!handWritten.isEmpty()) {
        QFile file(m_cups.optionsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(handWritten), handWritten.size());
    }
    const QByteArray before = optionsBytes();

    ShowReport(number);

    QCOMPARE(m_shown.size(), size_t(1));
    QCOMPARE(m_shown[0].whileOpen, PrinterOrientation::Landscape);
    QCOMPARE(optionsBytes(), before);
}

void tst_ReportOrientation::optionsChangedWhileOpenAreKept() {
    freshOptions({QStringLiteral("landscape"), QStringLiteral("media=Legal")});
    // Another program changes an option while the report is open.
    setReportShowHook([this](const ReportDefinition&, const ReportData&, QPageLayout::Orientation) {
        QCOMPARE(m_cups.run("lpoptions",
                            {QStringLiteral("-o"), QStringLiteral("sides=two-sided-long-edge")}),
                 0);
    });
    ShowReport(3);
    QCOMPARE(platform::defaultPrinterOption("sides"), QStringLiteral("two-sided-long-edge"));
    // The user's own orientation is back as it was: "landscape", no orientation-requested.
    QCOMPARE(orientationDefault(), QString());
    QCOMPARE(platform::defaultOrientation(), PrinterOrientation::Landscape);
    QVERIFY2(optionsBytes().contains(" landscape"), optionsBytes().constData());
    QCOMPARE(platform::defaultPrinterOption("media"), QStringLiteral("Legal"));
}

void tst_ReportOrientation::savedPaperSizeIsThePrinters() {
    // Every report passes paper code 5 (legal); what is remembered is the printer's own size.
    for (const auto& [media, code] :
         {std::pair{"media=A4", 9}, std::pair{"media=Letter", 1}, std::pair{"media=Legal", 5}}) {
        freshOptions({QString::fromLatin1(media)});
        ShowReport(3);
        QCOMPARE(savedPrinterSettings().paperSize, code);
    }
}

void tst_ReportOrientation::unknownNumbersShowNothing() {
    QVERIFY(platform::setDefaultOrientation(PrinterOrientation::Landscape));
    for (int number : {4, 0, 7, -1}) {
        ShowReport(number);
        QVERIFY(m_shown.empty());
        QCOMPARE(orientationDefault(), QStringLiteral("4"));
    }
}

void tst_ReportOrientation::withoutDefaultPrinter() {
    m_cups.removePrinter();
    QTRY_VERIFY_WITH_TIMEOUT(!platform::hasDefaultPrinter(), 20000);
    QCOMPARE(platform::defaultOrientation(), PrinterOrientation::Unknown);
    QVERIFY(!platform::setDefaultOrientation(PrinterOrientation::Landscape));
    ShowReport(3);
    ShowReport(1);
    QCOMPARE(m_shown.size(), size_t(2));
    // Each report keeps its own orientation; nothing was written anywhere.
    QCOMPARE(m_shown[0].printer, QPageLayout::Landscape);
    QCOMPARE(m_shown[1].printer, QPageLayout::Portrait);
    QVERIFY(!m_cups.hasOptionsFile());
}

QTEST_MAIN(tst_ReportOrientation)
#include "tst_ReportOrientation.moc"
