#include "backup/DbToolProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace quarvel::backup {

namespace {

// quarvel-db beside the program, else on the PATH.
QString toolPath() {
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quarvel-db"));
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("quarvel-db"));
}

} // namespace

QString runDbTool(const QStringList& arguments, const QString& failure,
                  const QProcessEnvironment& environment) {
    const QString tool = toolPath();
    if (tool.isEmpty())
        return QCoreApplication::translate("quarvel::backup",
                                           "quarvel-db was not found beside the program.");
    QProcess process;
    process.setProcessEnvironment(environment);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            loop.quit();
    });
    process.start(tool, arguments);
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
        process.error() != QProcess::FailedToStart)
        return {};
    QString message = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    message.remove(QRegularExpression(QStringLiteral("^quarvel-db: ")));
    return message.isEmpty() ? failure : message;
}

} // namespace quarvel::backup
