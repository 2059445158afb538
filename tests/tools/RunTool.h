#pragma once

#include <QProcess>
#include <QStringList>

// What a run of quarvel-db returned: its exit code (-1 when it did not finish) and output.
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs quarvel-db with `arguments`, in `folder` when one is given.
inline Run runTool(const QStringList& arguments, const QString& folder = {}) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(QUARVEL_DB_TOOL), arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
