// Copying the generated data set (100 000 products, 1 000 000 transactions) from a file to a
// server database and back, each in one transaction with its figures compared, and a backup of
// the file; the time and rows per second of each. Without a server only the file-to-file copy
// and the backup run.
// Usage: bench_copy [POSTGRESQL-URL [POSTGRESQL-URL]]   (each names an existing empty database:
// the first is the target of the file, the second, when given, of a server-to-server copy)
#include "../Generated.h"
#include "Backup.h"
#include "DatabaseCopy.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

using namespace quarvel::dbtool;

namespace {

void timedCopy(const char* label, const QString& from, const QString& to) {
    QElapsedTimer t;
    t.start();
    const CopyResult result = DatabaseCopy::copy(from, to, false);
    const double seconds = t.elapsed() / 1000.0;
    std::printf("%s: %lld rows in %.1f s, %.0f rows/s (target: 60 s)\n", label,
                qlonglong(result.rows), seconds, result.rows / seconds);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    GenerateOptions options;
    options.products = 100000;
    options.transactions = 1000000;
    const QString file = benchDatabase({}, dir, options);
    std::printf("the file: %.0f MiB\n", QFileInfo(file).size() / 1048576.0);

    QElapsedTimer t;
    t.start();
    Backup::backup(file, dir.filePath(QStringLiteral("backup.db")), false);
    std::printf("backup of the file (online backup): %.1f s\n", t.elapsed() / 1000.0);
    timedCopy("file -> file", file, dir.filePath(QStringLiteral("copy.db")));
    if (argc > 1) {
        const QString server = QString::fromLocal8Bit(argv[1]);
        timedCopy("file -> server", file, server);
        timedCopy("server -> file", server, dir.filePath(QStringLiteral("back.db")));
        if (argc > 2)
            timedCopy("server -> server", server, QString::fromLocal8Bit(argv[2]));
    }
    return 0;
}
