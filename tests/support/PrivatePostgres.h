#pragma once

#include <QString>

// A private PostgreSQL cluster for the tests: initdb in a temporary folder, a server on a free
// loopback port, trust authentication for its superuser "postgres" and no durability (a lost
// test database is of no concern). The machine's own clusters are never touched. The server
// refuses to run as root: run as root, the cluster belongs to the unprivileged user nobody
// (its folder handed over to it, the programs run through runuser); otherwise to the user
// running the tests.
class PrivatePostgres {
public:
    // The folder of initdb and pg_ctl; empty when PostgreSQL's server programs are missing.
    static QString programFolder();

    // Makes and starts a cluster in a new folder under /tmp. Empty when it runs; otherwise why
    // it could not.
    QString start();
    // Stops the server of the cluster in `folder` at once and deletes the folder.
    static void stop(const QString& folder);

    QString folder() const { return m_folder; }
    // The URL of a database of the cluster, as its superuser.
    QString url(const QString& database = QStringLiteral("postgres")) const;
    static QString url(int port, const QString& database);

private:
    QString m_folder;
    int m_port = 0;
};
