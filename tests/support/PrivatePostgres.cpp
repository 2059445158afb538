#include "PrivatePostgres.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A loopback port nobody listens on now.
int freePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(s);
    return port;
}

// Runs one of the server's programs, as nobody when this process is root. Its output when
// it fails, empty otherwise.
QString runProgram(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (::geteuid() == 0)
        process.start("runuser", QStringList{"-u", "nobody", "--", program} + args);
    else
        process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
        return QStringLiteral("%1 failed: %2")
            .arg(program, output.isEmpty() ? process.errorString() : output);
    }
    return QString();
}

} // namespace

QString PrivatePostgres::programFolder() {
    const QFileInfo initdb(QStringLiteral(QUARVEL_INITDB));
    const bool found = initdb.exists() && QFileInfo::exists(initdb.absolutePath() + "/pg_ctl");
    return found ? initdb.absolutePath() : QString();
}

QString PrivatePostgres::url(int port, const QString& database) {
    return QStringLiteral("postgresql://postgres@127.0.0.1:%1/%2").arg(port).arg(database);
}

QString PrivatePostgres::url(const QString& database) const {
    return url(m_port, database);
}

QString PrivatePostgres::start() {
    const QString programs = programFolder();
    if (programs.isEmpty())
        return QStringLiteral("PostgreSQL's server programs (initdb, pg_ctl) are not installed "
                              "(package postgresql).");
    QTemporaryDir dir("/tmp/qvpg-XXXXXX");
    if (!dir.isValid())
        return "no temporary folder for the private PostgreSQL cluster.";
    dir.setAutoRemove(false);
    m_folder = dir.path();
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody ||
            ::chown(QFile::encodeName(m_folder).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
            return "the cluster's folder cannot be handed to the user nobody.";
    }
    const QString data = m_folder + "/data";
    QString failure = runProgram(programs + "/initdb", {"-D", data, "-U", "postgres", "-A", "trust",
                                                        "-E", "UTF8", "--no-sync", "--locale=C"});
    // Another program may take the free port before the server does: then another is tried.
    for (int attempt = 0; failure.isEmpty() && attempt < 5; ++attempt) {
        m_port = freePort();
        const QString options =
            QStringLiteral("-p %1 -c listen_addresses=127.0.0.1 -k %2 -c fsync=off "
                           "-c synchronous_commit=off -c full_page_writes=off "
                           "-c max_connections=200")
                .arg(m_port)
                .arg(m_folder);
        const QString started =
            runProgram(programs + "/pg_ctl",
                       {"-D", data, "-l", m_folder + "/log", "-o", options, "-w", "start"});
        if (started.isEmpty())
            return QString();
        if (attempt == 4)
            failure = started;
    }
    stop(m_folder);
    return failure;
}

void PrivatePostgres::stop(const QString& folder) {
    const QString programs = programFolder();
    if (!programs.isEmpty() && QFileInfo::exists(folder + "/data/postmaster.pid"))
        runProgram(programs + "/pg_ctl", {"-D", folder + "/data", "-m", "immediate", "-w", "stop"});
    QDir(folder).removeRecursively();
}
