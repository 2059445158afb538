#pragma once

#include "CopySource.h"

#include <QString>

namespace quarvel::dbtool {

// Backups of a Quarvel database, and putting one back.
class Backup {
public:
    // Writes a backup of the file or server database `source` into the new file `file`. A
    // file is copied page by page through SQLite's online backup in one read transaction: a
    // consistent snapshot even while other programs write to it, never a plain file copy. A
    // server database is copied into a file (see DatabaseCopy). The same rules as a new
    // database hold for `file`: an existing one is replaced only with force, never while in
    // use, and a failure leaves no file behind. Throws Error.
    static void backup(const QString& source, const QString& file, bool force,
                       const CopyProgress& progress = {});
    // Puts the backup `file` back as `target`: a file (same rules as above) or an empty
    // server database. Throws Error, also when `file` is no Quarvel database.
    static void restore(const QString& file, const QString& target, bool force,
                        const CopyProgress& progress = {});

private:
    static void copyFile(const QString& source, const QString& target, bool force);
};

} // namespace quarvel::dbtool
