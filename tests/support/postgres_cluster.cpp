// quarvel-test-postgres start|stop STATEFILE: the PostgreSQL cluster one ctest run shares.
// start makes and starts a private cluster (see PrivatePostgres), prepares the database the
// tests copy theirs from, and writes the cluster's folder and port into STATEFILE; stop stops
// it and deletes both. A start first stops a cluster an interrupted run left recorded.
#include "PrivatePostgres.h"
#include "TempDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <exception>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != u"start" && args[1] != u"stop")) {
        err << "usage: quarvel-test-postgres start|stop STATEFILE\n";
        return 2;
    }
    QFile state(args[2]);
    // A cluster recorded by an earlier run that was interrupted before its stop is stopped
    // before another one starts.
    if (state.open(QIODevice::ReadOnly)) {
        const QString folder = QString::fromUtf8(state.readLine()).trimmed();
        state.close();
        if (folder.startsWith(QLatin1String("/tmp/qvpg-")))
            PrivatePostgres::stop(folder);
        state.remove();
    }
    if (args[1] == u"stop")
        return 0;
    PrivatePostgres cluster;
    const QString failure = cluster.start();
    if (!failure.isEmpty()) {
        err << "The PostgreSQL cluster of the tests cannot be started: " << failure << "\n";
        return 1;
    }
    try {
        TempDatabase::preparePostgresCluster(cluster.url());
    } catch (const std::exception& e) {
        err << "The PostgreSQL cluster of the tests cannot be prepared: " << e.what() << "\n";
        PrivatePostgres::stop(cluster.folder());
        return 1;
    }
    const int port = cluster.url().section(u':', -1).section(u'/', 0, 0).toInt();
    if (!state.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        PrivatePostgres::stop(cluster.folder());
        return 1;
    }
    state.write(QStringLiteral("%1\n%2\n").arg(cluster.folder()).arg(port).toUtf8());
    QTextStream(stdout) << "PostgreSQL cluster for the tests: " << cluster.url() << "\n";
    return 0;
}
