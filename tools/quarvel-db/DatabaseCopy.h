#pragma once

#include "CopyFigures.h"
#include "CopySource.h"
#include "DbTool.h"

#include <QString>

namespace quarvel::dbtool {

// What a copy did: the figures both sides agree on, and the rows it carried.
struct CopyResult {
    int sourceVersion = 1;
    qint64 rows = 0;
    QList<Figure> figures;
};

// Copies a whole Quarvel database, file or server, to a new file or an empty server database:
// every row with its key, in one transaction on the target. A source of an older schema
// version is brought up to date in the copy, never in the source. Before the copy is kept, its
// figures (rows of every table, rows and sums of every saved query) are compared with the
// source's; a difference, like any failure, leaves no target behind (an untouched empty server
// database, no file). Throws Error.
class DatabaseCopy {
public:
    static CopyResult copy(const QString& source, const QString& target, bool force,
                           const CopyProgress& progress = {}, Journal journal = Journal::Wal);
    // The same, from a source already open.
    static CopyResult copy(const CopySource& source, const QString& target, bool force,
                           const CopyProgress& progress = {}, Journal journal = Journal::Wal);
};

} // namespace quarvel::dbtool
