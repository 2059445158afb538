// The default printer's orientation through libcups, against a private cupsd of the test's own
// (its own socket, folders and lpoptions), never the machine's printers or /etc/cups.

#include "platform/PrinterDefaults.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cups/cups.h>

using namespace quarvel::platform;

class tst_PrinterDefaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void withoutDefaultPrinter();
    void orientationRoundTrip();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Runs a CUPS command-line tool against the private server; its exit code.
    int run(const QString& tool, const QStringList& args, QString* output = nullptr);
    void addPrinter();
    void removePrinter();
    QString serverLog() const;

    QTemporaryDir m_dir{QStringLiteral("/tmp/qvcups-XXXXXX")};
    QProcess m_cupsd;
    QString m_socket;
    QString m_tools; // the folder of cupsd and lpadmin
};

void tst_PrinterDefaults::initTestCase() {
    QVERIFY(m_dir.isValid());
    const QString cupsd = QStandardPaths::findExecutable(
        QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (cupsd.isEmpty())
        QSKIP("cupsd is not installed (package cups), so no private print server can run.");
    m_tools = QFileInfo(cupsd).absolutePath();
    for (const char* sub : {"root", "spool", "cache", "state", "tmp", "log", "client", "home"})
        QVERIFY(QDir(m_dir.path()).mkpath(QString::fromLatin1(sub)));
    m_socket = path(QStringLiteral("cups.sock"));

    QFile conf(path(QStringLiteral("cupsd.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                              "DefaultAuthType None\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                              "  </Limit>\n</Policy>\n")
                   .arg(m_socket)
                   .toUtf8());
    conf.close();
    QFile files(path(QStringLiteral("cups-files.conf")));
    QVERIFY(files.open(QIODevice::WriteOnly));
    files.write(QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                               "StateDir %1/state\nTempDir %1/tmp\nAccessLog %1/log/access_log\n"
                               "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                               "FileDevice Yes\nSandboxing Relaxed\n")
                    .arg(m_dir.path())
                    .toUtf8());
    files.close();

    // Before any libcups call: the server, and where lpoptions are kept (HOME for users,
    // CUPS_SERVERROOT for root).
    qputenv("CUPS_SERVER", m_socket.toUtf8());
    qputenv("CUPS_SERVERROOT", path(QStringLiteral("client")).toUtf8());
    qputenv("HOME", path(QStringLiteral("home")).toUtf8());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    cupsSetServer(m_socket.toUtf8().constData());

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd,
                  {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                   QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
    if (!m_cupsd.waitForStarted())
        QSKIP(qPrintable(QStringLiteral("cupsd cannot be started: ") + m_cupsd.errorString()));
    const bool ready = QTest::qWaitFor(
        [&] {
            return m_cupsd.state() != QProcess::Running ||
                   (QFileInfo::exists(m_socket) &&
                    run(QStringLiteral("lpstat"), {QStringLiteral("-r")}) == 0);
        },
        20000);
    if (!ready || m_cupsd.state() != QProcess::Running) {
        QSKIP(qPrintable(QStringLiteral("The private cupsd did not come up in this "
                                        "environment: %1 %2")
                             .arg(QString::fromLocal8Bit(m_cupsd.readAll()), serverLog())));
    }
}

void tst_PrinterDefaults::cleanupTestCase() {
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished();
    }
}

int tst_PrinterDefaults::run(const QString& tool, const QStringList& args, QString* output) {
    QString program = QStandardPaths::findExecutable(tool, {m_tools});
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(tool);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString tst_PrinterDefaults::serverLog() const {
    QFile log(path(QStringLiteral("log/error_log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

void tst_PrinterDefaults::addPrinter() {
    QString out;
    // The PDF printer's own driver; a raw queue on /dev/null when cups-pdf is not there.
    if (run(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), QStringLiteral("QuarvelPDF"), QStringLiteral("-E"),
             QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
             QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")},
            &out) != 0) {
        QCOMPARE(run(QStringLiteral("lpadmin"),
                     {QStringLiteral("-p"), QStringLiteral("QuarvelPDF"), QStringLiteral("-E"),
                      QStringLiteral("-v"), QStringLiteral("file:///dev/null"),
                      QStringLiteral("-m"), QStringLiteral("raw")},
                     &out),
                 0);
    }
    QCOMPARE(
        run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("QuarvelPDF")}, &out),
        0);
    QTRY_VERIFY_WITH_TIMEOUT(hasDefaultPrinter(), 20000);
}

void tst_PrinterDefaults::removePrinter() {
    run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("QuarvelPDF")});
    QFile::remove(path(QStringLiteral("client/lpoptions")));
    QDir(path(QStringLiteral("home/.cups"))).removeRecursively();
    QTRY_VERIFY_WITH_TIMEOUT(!hasDefaultPrinter(), 20000);
}

void tst_PrinterDefaults::withoutDefaultPrinter() {
    removePrinter();
    QCOMPARE(defaultPrinterName(), QString());
    QCOMPARE(defaultOrientation(), PrinterOrientation::Unknown);
    QVERIFY(!setDefaultOrientation(PrinterOrientation::Landscape));
    // Nothing was written anywhere.
    QVERIFY(!QFile::exists(path(QStringLiteral("client/lpoptions"))));
    QVERIFY(!QFile::exists(path(QStringLiteral("home/.cups/lpoptions"))));
    // A report keeps its own orientation.
    QPrinter printer;
    applyDefaultOrientation(printer, QPageLayout::Landscape);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printerOrientationFor(QPageLayout::Portrait), QPageLayout::Portrait);
}

void tst_PrinterDefaults::orientationRoundTrip() {
    addPrinter();
    QCOMPARE(defaultPrinterName(), QStringLiteral("QuarvelPDF"));
    // A paper default of the user's own, which orientation changes must keep.
    QCOMPARE(
        run(QStringLiteral("lpoptions"), {QStringLiteral("-o"), QStringLiteral("media=Legal")}), 0);
    QCOMPARE(defaultPrinterOption(QStringLiteral("media")), QStringLiteral("Legal"));

    QVERIFY(setDefaultOrientation(PrinterOrientation::Landscape));
    QCOMPARE(defaultOrientation(), PrinterOrientation::Landscape);
    QCOMPARE(defaultPrinterOption(QStringLiteral("orientation-requested")), QStringLiteral("4"));
    QCOMPARE(defaultPrinterOption(QStringLiteral("media")), QStringLiteral("Legal"));
    // The CUPS tools see the same default, so print jobs get it too.
    QString listed;
    QCOMPARE(run(QStringLiteral("lpoptions"), {}, &listed), 0);
    QVERIFY2(listed.contains(QStringLiteral("orientation-requested=4")), qPrintable(listed));
    QPrinter printer;
    applyDefaultOrientation(printer, QPageLayout::Portrait);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);

    QVERIFY(setDefaultOrientation(PrinterOrientation::Portrait));
    QCOMPARE(defaultOrientation(), PrinterOrientation::Portrait);
    QCOMPARE(defaultPrinterOption(QStringLiteral("orientation-requested")), QStringLiteral("3"));
    QCOMPARE(defaultPrinterOption(QStringLiteral("media")), QStringLiteral("Legal"));
    QCOMPARE(printerOrientationFor(QPageLayout::Landscape), QPageLayout::Portrait);

    // Unknown drops the user default again and leaves the rest.
    QVERIFY(setDefaultOrientation(PrinterOrientation::Unknown));
    QCOMPARE(defaultPrinterOption(QStringLiteral("orientation-requested")), QString());
    QCOMPARE(defaultPrinterOption(QStringLiteral("media")), QStringLiteral("Legal"));
}

QTEST_MAIN(tst_PrinterDefaults)
#include "tst_PrinterDefaults.moc"
