#pragma once

#include "DbTool.h"

#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>

// The generated data sets the benchmarks run on.

// Generates the data set `options` describes at `target` (a new file, or an empty PostgreSQL
// database's URL) and prints, after `label`, what it holds and how long generating took.
inline void generateTimed(const char* label, const QString& target,
                          const quarvel::dbtool::GenerateOptions& options) {
    QElapsedTimer t;
    t.start();
    quarvel::dbtool::generate(target, options, false);
    std::printf("%s: %d products, %d transactions", label, options.products, options.transactions);
    if (options.orders > 0)
        std::printf(", %d orders, %d order lines", options.orders, options.lines);
    std::printf(" generated in %.1f s\n", t.elapsed() / 1000.0);
}

// The database a benchmark runs on: `given` when the user named one, otherwise the data set
// `options` describes, generated into `dir`.
inline QString benchDatabase(const QString& given, const QTemporaryDir& dir,
                             const quarvel::dbtool::GenerateOptions& options) {
    if (!given.isEmpty())
        return given;
    const QString path = dir.filePath(QStringLiteral("bench.db"));
    generateTimed("SQLite file", path, options);
    return path;
}
