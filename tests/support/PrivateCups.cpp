#include "PrivateCups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <cups/cups.h>

QString PrivateCups::start() {
    if (!m_dir.isValid())
        return "no temporary folder for the private cupsd.";
    const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"});
    if (cupsd.isEmpty())
        return "cupsd is not installed (package cups).";
    m_tools = QFileInfo(cupsd).absolutePath();
    for (const char* sub : {"root", "spool", "cache", "state", "tmp", "log", "client", "home"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(sub));
    m_socket = path("cups.sock");
    const bool written =
        write("cupsd.conf",
              QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                             "DefaultAuthType None\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                             "  </Limit>\n</Policy>\n")
                  .arg(m_socket)) &&
        write("cups-files.conf",
              QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                             "StateDir %1/state\nTempDir %1/tmp\nAccessLog %1/log/access_log\n"
                             "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                             "FileDevice Yes\nSandboxing Relaxed\n")
                  .arg(m_dir.path()));
    if (!written)
        return "the private cupsd's configuration cannot be written.";

    // Before any libcups call: the server, and where lpoptions are kept (HOME for users,
    // CUPS_SERVERROOT for root).
    qputenv("CUPS_SERVER", m_socket.toUtf8());
    qputenv("CUPS_SERVERROOT", path("client").toUtf8());
    qputenv("HOME", path("home").toUtf8());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    cupsSetServer(m_socket.toUtf8().constData());

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
    if (!m_cupsd.waitForStarted())
        return QStringLiteral("cupsd cannot be started: ") + m_cupsd.errorString();
    const bool ready = QTest::qWaitFor(
        [&] {
            return m_cupsd.state() != QProcess::Running ||
                   (QFileInfo::exists(m_socket) && run("lpstat", {"-r"}) == 0);
        },
        20000);
    if (ready && m_cupsd.state() == QProcess::Running)
        return QString();
    QFile log(path("log/error_log"));
    return QStringLiteral("The private cupsd did not come up: %1 %2")
        .arg(QString::fromLocal8Bit(m_cupsd.readAll()),
             log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString());
}

void PrivateCups::stop() {
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished();
    }
}

bool PrivateCups::addDefaultPrinter() {
    const auto add = [&](const QString& uri, const QString& model) {
        return run("lpadmin", {"-p", printerName(), "-E", "-v", uri, "-m", model}) == 0;
    };
    if (!add("cups-pdf:/", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd") && !add("file:///dev/null", "raw"))
        return false;
    return run("lpadmin", {"-d", printerName()}) == 0;
}

void PrivateCups::removePrinter() {
    run("lpadmin", {"-x", printerName()});
    QFile::remove(path("client/lpoptions"));
    QDir(path("home/.cups")).removeRecursively();
}

bool PrivateCups::hasOptionsFile() const {
    return QFile::exists(path("client/lpoptions")) || QFile::exists(path("home/.cups/lpoptions"));
}

int PrivateCups::run(const QString& tool, const QStringList& args, QString* output) const {
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

bool PrivateCups::write(const QString& name, const QString& text) const {
    QFile file(path(name));
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}
