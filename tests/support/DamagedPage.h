#pragma once

#include "sqlite/Database.h"

#include <QFile>
#include <QString>

// Overwrites the first page of table or index `name` in the database file at `path` with bytes
// that are no page, as a failing disk would. Call it while no connection of this process has
// the file open: closing the descriptor written through would drop their locks.
inline bool damagePage(const QString& path, const QString& name) {
    qint64 page = 0, root = 0;
    {
        quarvel::sqlite::Database db(path, quarvel::sqlite::OpenMode::ReadOnly);
        page = db.scalar(QStringLiteral("PRAGMA page_size")).toLongLong();
        quarvel::sqlite::Statement rootOf =
            db.prepare(QStringLiteral("SELECT rootpage FROM sqlite_schema WHERE name = ?"));
        rootOf.bindText(1, name);
        root = rootOf.step() ? rootOf.int64(0) : 0;
    }
    QFile file(path);
    return root > 0 && file.open(QIODevice::ReadWrite) && file.seek((root - 1) * page) &&
           file.write(QByteArray(int(page), char(0xAB))) == page;
}
