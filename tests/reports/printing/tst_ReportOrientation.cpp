// ShowReport and the default printer's orientation through libcups, against a private cupsd of
// the test's own (its own socket, folders and lpoptions), never the machine's printers or
// /etc/cups: the orientation before, while each report is open (inside the show hook) and after
// it; media never changes.

#include "../ReportChecks.h"
#include "DbTool.h"
#include "PrivateCups.h"
#include "TempDatabase.h"
#include "platform/PrinterDefaults.h"
#include "reports/Printers.h"
#include "shell/Globals.h"
#include "shell/Session.h"
#include "shell/WindowTable.h"

#include <QDialog>
#include <QtTest>

using namespace quarvel;
using namespace quarvel::reports;
using platform::PrinterOrientation;

Q_DECLARE_METATYPE(PrinterOrientation)

namespace {

struct Shown {
    QString report;
    PrinterOrientation whileOpen = PrinterOrientation::Unknown;
    QPageLayout::Orientation printer = QPageLayout::Portrait;
    QString mediaWhileOpen;
};

QString orientationDefault() {
    return platform::defaultPrinterOption("orientation-requested");
}

} // namespace

class tst_ReportOrientation : public QObject {
    Q_OBJECT

    PrivateCups m_cups;
    TempDatabase m_db{TempDatabase::Content::Nothing};
    shell::Session m_session;
    std::vector<Shown> m_shown;

    // Starts from no lpoptions file, then gives the default printer these user options.
    void freshOptions(const QStringList& options) {
        QFile::remove(m_cups.optionsFile());
        QStringList args;
        for (const QString& option : options)
            args << QStringLiteral("-o") << option;
        if (!args.isEmpty())
            QCOMPARE(m_cups.run("lpoptions", args), 0);
    }
    // The options file's bytes, or "<none>" when there is none.
    QByteArray optionsBytes() {
        QFile file(m_cups.optionsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<none>");
    }

private slots:
    void initTestCase() {
        dbtool::createDatabase(m_db.path(), true, false);
        qputenv("QUARVEL_DATABASE", m_db.path().toUtf8());
        // The supplier report asks for its period first; here the stored one is kept.
        shell::WindowTable::registerWindow(shell::WindowId::Form10, [](QWidget*) {});
        const QString failure = m_cups.start();
        if (!failure.isEmpty())
            QSKIP(qPrintable(failure));
        QVERIFY(m_cups.addDefaultPrinter());
        QTRY_VERIFY_WITH_TIMEOUT(platform::hasDefaultPrinter(), 20000);
        QCOMPARE(platform::defaultPrinterName(), PrivateCups::printerName());
    }

    void cleanupTestCase() { m_cups.stop(); }

    void init() {
        m_shown.clear();
        setReportShowHook([this](const ReportDefinition& report, const ReportData&,
                                 QPageLayout::Orientation printer) {
            m_shown.push_back({report.title, platform::defaultOrientation(), printer,
                               platform::defaultPrinterOption("media")});
        });
    }

    void cleanup() { setReportShowHook({}); }

    void orientationTable_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<PrinterOrientation>("before");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("landscape"); // while the report is open
        const auto portrait = PrinterOrientation::Portrait;
        const auto landscape = PrinterOrientation::Landscape;
        QTest::newRow("summary on portrait") << 3 << portrait << "Product Summary" << true;
        QTest::newRow("purchases on landscape")
            << 2 << landscape << "Product Purchases by Supplier" << false;
        QTest::newRow("purchase order on landscape") << 6 << landscape << "Purchase Order" << false;
    }

    void orientationTable() {
        QFETCH(int, number);
        QFETCH(PrinterOrientation, before);
        QFETCH(QString, title);
        QFETCH(bool, landscape);
        freshOptions({QStringLiteral("media=Legal")});
        QVERIFY(platform::setDefaultOrientation(before));
        if (number == 2) // the Report Date Range window closed as soon as it is up
            whenModal<QDialog>([](QDialog* window) { window->close(); });

        ShowReport(number, m_session);

        QCOMPARE(m_shown.size(), size_t(1));
        QCOMPARE(m_shown[0].report, title);
        QCOMPARE(m_shown[0].whileOpen,
                 landscape ? PrinterOrientation::Landscape : PrinterOrientation::Portrait);
        QCOMPARE(m_shown[0].printer, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        QCOMPARE(m_shown[0].mediaWhileOpen, QStringLiteral("Legal"));
        // Afterwards portrait: a landscape report puts the default back, the others leave theirs.
        QCOMPARE(orientationDefault(), QStringLiteral("3"));
        QCOMPARE(platform::defaultPrinterOption("media"), QStringLiteral("Legal"));
    }

    void userOptionsComeBackByteForByte_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("options"); // set with lpoptions; none: no file at all
        QTest::addColumn<QByteArray>("handWritten");
        QTest::newRow("reverse landscape")
            << 3 << QStringList{"orientation-requested=5"} << QByteArray();
        QTest::newRow("reverse portrait")
            << 5 << QStringList{"orientation-requested=6"} << QByteArray();
        QTest::newRow("no orientation, no file") << 3 << QStringList() << QByteArray();
        QTest::newRow("unrelated options and landscape")
            << 3 << QStringList{"media=A4", "landscape", "sides=two-sided-long-edge"}
            << QByteArray();
        QTest::newRow("written by hand")
            << 5 << QStringList()
            << QByteArray("# my printer\nDest QuarvelPDF  sides=one-sided landscape media=Legal\n");
    }

    void userOptionsComeBackByteForByte() {
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

        ShowReport(number, m_session);

        QCOMPARE(m_shown.size(), size_t(1));
        QCOMPARE(m_shown[0].whileOpen, PrinterOrientation::Landscape);
        QCOMPARE(optionsBytes(), before);
    }

    void optionsChangedWhileOpenAreKept() {
        freshOptions({QStringLiteral("landscape"), QStringLiteral("media=Legal")});
        // Another program changes an option while the report is open.
        setReportShowHook(
            [this](const ReportDefinition&, const ReportData&, QPageLayout::Orientation) {
                QCOMPARE(m_cups.run("lpoptions", {"-o", "sides=two-sided-long-edge"}), 0);
            });
        ShowReport(3, m_session);
        QCOMPARE(platform::defaultPrinterOption("sides"), QStringLiteral("two-sided-long-edge"));
        // The user's own orientation is back as it was: "landscape", no orientation-requested.
        QCOMPARE(orientationDefault(), QString());
        QCOMPARE(platform::defaultOrientation(), PrinterOrientation::Landscape);
        QVERIFY2(optionsBytes().contains(" landscape"), optionsBytes().constData());
        QCOMPARE(platform::defaultPrinterOption("media"), QStringLiteral("Legal"));
    }

    void savedPaperSizeIsThePrinters() {
        // Every report passes paper code 5 (legal); what is remembered is the printer's own size.
        for (const auto& [media, code] : {std::pair{"media=A4", 9}, std::pair{"media=Letter", 1},
                                          std::pair{"media=Legal", 5}}) {
            freshOptions({QString::fromLatin1(media)});
            ShowReport(3, m_session);
            QCOMPARE(savedPrinterSettings().paperSize, code);
        }
    }

    void unknownNumbersShowNothing() {
        QVERIFY(platform::setDefaultOrientation(PrinterOrientation::Landscape));
        for (int number : {4, 0, 7}) {
            ShowReport(number, m_session);
            QVERIFY(m_shown.empty());
            QCOMPARE(orientationDefault(), QStringLiteral("4"));
        }
    }

    void withoutDefaultPrinter() {
        m_cups.removePrinter();
        QTRY_VERIFY_WITH_TIMEOUT(!platform::hasDefaultPrinter(), 20000);
        QCOMPARE(platform::defaultOrientation(), PrinterOrientation::Unknown);
        QVERIFY(!platform::setDefaultOrientation(PrinterOrientation::Landscape));
        ShowReport(3, m_session);
        ShowReport(1, m_session);
        QCOMPARE(m_shown.size(), size_t(2));
        // Each report keeps its own orientation; nothing was written anywhere.
        QCOMPARE(m_shown[0].printer, QPageLayout::Landscape);
        QCOMPARE(m_shown[1].printer, QPageLayout::Portrait);
        QVERIFY(!m_cups.hasOptionsFile());
    }
};

QTEST_MAIN(tst_ReportOrientation)
#include "tst_ReportOrientation.moc"
