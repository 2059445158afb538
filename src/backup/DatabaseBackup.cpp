#include "backup/DatabaseBackup.h"

#include "controls/ErrorReport.h"
#include "data/postgres/PostgresLink.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace quarvel::backup {

namespace {

DatabaseBackup::PathChooser& chooser() {
    static DatabaseBackup::PathChooser instance;
    return instance;
}

QString tr(const char* text) {
    return QCoreApplication::translate("quarvel::DatabaseBackup", text);
}

// quarvel-db beside the program, else on the PATH.
QString toolPath() {
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quarvel-db"));
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("quarvel-db"));
}

} // namespace

void DatabaseBackup::setPathChooser(PathChooser chooser_) {
    chooser() = std::move(chooser_);
}

QString DatabaseBackup::suggestedPath(const QString& database, const QDate& today) {
    const QString date = today.toString(Qt::ISODate);
    if (isPostgresUrl(database)) {
        const QString name = QUrl(database).path().mid(1);
        return QDir::home().filePath(
            QStringLiteral("%1-%2.db")
                .arg(name.isEmpty() ? QStringLiteral("Products") : name, date));
    }
    const QFileInfo file(database);
    return file.absoluteDir().filePath(
        QStringLiteral("%1-%2.db").arg(file.completeBaseName(), date));
}

QString DatabaseBackup::run(const QString& database, const QString& file, bool replace) {
    const QString tool = toolPath();
    if (tool.isEmpty())
        return tr("quarvel-db, which writes backups, was not found beside the program.");
    QProcess process;
    QStringList arguments{QStringLiteral("backup")};
    if (replace)
        arguments << QStringLiteral("--force");
    // A password never stands on a command line, where other users see it.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (isPostgresUrl(database)) {
        const QUrl url(database);
        if (!url.password().isEmpty())
            environment.insert(QStringLiteral("PGPASSWORD"), url.password());
    }
    process.setProcessEnvironment(environment);
    arguments << withoutPassword(database) << file;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            loop.quit();
    });
    process.start(tool, arguments);
    // The program stays responsive (it repaints) while the backup runs; input waits.
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
        process.error() != QProcess::FailedToStart)
        return {};
    QString message = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    message.remove(QRegularExpression(QStringLiteral("^quarvel-db: ")));
    return message.isEmpty() ? tr("The backup could not be written.") : message;
}

void DatabaseBackup::BackUpDatabase(QWidget* parent, const QString& database, const QDate& today) {
    const QString suggested = suggestedPath(database, today);
    // The dialog asks before an existing file is chosen: the choice is to replace it.
    const QString file =
        chooser() ? chooser()(parent, suggested)
                  : QFileDialog::getSaveFileName(parent, tr("Back Up Database"), suggested,
                                                 tr("Quarvel databases (*.db)"));
    if (file.isEmpty())
        return;
    const bool replace = QFileInfo::exists(file);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failure = run(database, file, replace);
    QApplication::restoreOverrideCursor();
    if (failure.isEmpty())
        platform::msgBox(parent, tr("The database was backed up to %1.").arg(file),
                         platform::msgstyle::okOnly);
    else
        controls::reportFailure(parent, failure);
}

} // namespace quarvel::backup
