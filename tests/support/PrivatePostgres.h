#pragma once

#include <QString>

// A private PostgreSQL cluster for the tests, in a temporary folder: a server on a free
// loopback port, trust authentication for its superuser "postgres", no durability. The server
// refuses to run as root: then the cluster belongs to the user nobody (programs run through
// runuser).
class PrivatePostgres {
public:
    // The folder of initdb (as the build found it) and pg_ctl; empty when they are missing.
    static QString programFolder();

    // Makes and starts a cluster under /tmp. Empty when it runs; otherwise why not.
    QString start();
    // Stops the server of the cluster in `folder` at once and deletes the folder.
    static void stop(const QString& folder);

    QString folder() const { return m_folder; }
    // The URL of a database of the cluster, as its superuser.
    QString url(const QString& database = "postgres") const;
    static QString url(int port, const QString& database);

private:
    QString m_folder;
    int m_port = 0;
};
