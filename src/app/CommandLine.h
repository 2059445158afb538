#pragma once

#include <QString>
#include <QStringList>

namespace quarvel {

// The program's command line: quarvel [--database PATH-OR-URL], with --help and --version.
struct CommandLine {
    // The database named on the command line; empty when none was.
    QString database;
    // --check-start (not shown by --help): say which data folder and database the program
    // uses, and end as soon as the Products window has loaded (0 when it loaded cleanly).
    // For installation checks.
    bool checkStart = false;
    // What was wrong with the command line; empty when nothing was.
    QString error;

    // Reads `arguments` (the program's name first). --help and --version are answered on
    // standard output and end the process, as users expect of a command.
    static CommandLine parse(const QStringList& arguments);
    // The database the program works on: the command line's, else QUARVEL_DATABASE's, else
    // the default one (defaultDatabasePath()).
    QString chosenDatabase() const;
};

} // namespace quarvel
