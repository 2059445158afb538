#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace quarvel {

// Whether a database file is damaged, found out beside the program's work: the first time the
// process opens a file, a thread of its own reads the whole file once (SQLite's quick_check,
// on a read-only connection of its own) while the windows go on. Opening therefore costs no
// more than before, and a file whose damage no window would read for a long time (an index, a
// page of old rows) is still told at once.
//
// A file found damaged is told once, through the listener, and from then on every write of the
// process into it is refused with that message (SqliteSession asks damage() before writing).
class FileHealth {
public:
    // Starts the check of the file unless it was started already. A file is known by its
    // identity on disk, so that a file replaced under the same name is checked anew.
    static void checkOnce(const QString& absolutePath);
    // The message for a file found damaged; nullopt while it is sound or being checked.
    static std::optional<QString> damage(const QString& path);
    // Called once per damaged file, on the checking thread, with the message. The program
    // shows it; with none set, the damage is only reported by refused writes.
    static void setListener(std::function<void(const QString& message)> listener);
    // Waits until every check started has ended (tests, benchmarks).
    static void waitForChecks();
    // Forgets every file checked, so that the next opening checks again (benchmarks).
    static void forget();
    // The file as the system knows it (device and inode): a file replaced under the same name
    // is another file. Empty when it is not there.
    static QString identityOf(const QString& path);
    // The message that names a damaged file and says what to do.
    static QString damagedMessage(const QString& absolutePath, const QString& finding);
};

} // namespace quarvel
