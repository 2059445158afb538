#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private CUPS scheduler for a test: its own socket, configuration, spool folders, lpoptions
// and HOME, so the machine's printers and /etc/cups are never touched. start() also points this
// process's libcups (and the CUPS tools run through run()) at it.
class PrivateCups {
public:
    PrivateCups() = default;
    ~PrivateCups() { stop(); }
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // The name of the printer addDefaultPrinter() adds.
    static QString printerName() { return QStringLiteral("QuarvelPDF"); }

    // Empty when the server runs; otherwise why not (the test skips with it).
    QString start();
    void stop();

    // Adds the PDF printer (a raw queue on /dev/null when cups-pdf is missing) and makes it the
    // default destination; false when lpadmin refuses.
    bool addDefaultPrinter();
    // Deletes the printer and every lpoptions file, leaving no default destination.
    void removePrinter();
    // Whether an lpoptions file (the root's or the user's) exists.
    bool hasOptionsFile() const;
    // The lpoptions file libcups and the lpoptions tool write: the one under HOME.
    QString optionsFile() const { return path("home/.cups/lpoptions"); }

    // Runs a CUPS tool (lpadmin, lpoptions, lpstat) against the server: its exit code (-1 when
    // it did not finish), its output into *output.
    int run(const QString& tool, const QStringList& args, QString* output = nullptr) const;

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    bool write(const QString& name, const QString& text) const;

    QTemporaryDir m_dir{QStringLiteral("/tmp/qvcups-XXXXXX")};
    QProcess m_cupsd;
    QString m_socket;
    QString m_tools; // the folder of cupsd and lpadmin
};
