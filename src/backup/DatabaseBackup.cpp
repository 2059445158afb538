#include "backup/DatabaseBackup.h"

#include "backup/DbToolProcess.h"
#include "controls/ErrorReport.h"
#include "data/postgres/PostgresLink.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace quarvel::backup {

namespace {

DatabaseBackup::PathChooser& chooser() {
    static DatabaseBackup::PathChooser instance;
    return instance;
}

QString tr(const char* text) {
    return QCoreApplication::translate("quarvel::backup::DatabaseBackup", text);
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
    arguments << withoutPassword(database) << file;
    return runDbTool(arguments, tr("The backup could not be written."), environment);
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
