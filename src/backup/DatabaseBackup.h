#pragma once

#include <QDate>
#include <QString>
#include <functional>

class QWidget;

namespace quarvel::backup {

// "Back Up Database" of the task menu: the user chooses a file (the database's name and the
// date in the default name, "Products-2026-12-07.db"), and `quarvel-db backup`, beside the
// program, writes a consistent backup into it while the program stays open; the user is told
// where it went, or why it could not be written. The backup is the tool's, so that the program
// and a scheduled backup write the same file.
class DatabaseBackup {
public:
    static void BackUpDatabase(QWidget* parent, const QString& database, const QDate& today);

    // The default name of a backup of `database` (a file or URL) made on `today`, in the
    // database file's folder (a server database's in the home folder).
    static QString suggestedPath(const QString& database, const QDate& today);

    // Runs the backup; empty when it was written, otherwise the tool's message. `replace`
    // lets it replace an existing file the user chose to overwrite.
    static QString run(const QString& database, const QString& file, bool replace);

    // Asks for the file (default: a save dialog, which asks before overwriting); an empty
    // answer cancels.
    using PathChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    static void setPathChooser(PathChooser chooser);
};

} // namespace quarvel::backup
