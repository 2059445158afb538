#include "app/FirstStart.h"

#include "backup/DbToolProcess.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace quarvel {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("quarvel::FirstStart", text);
}

} // namespace

bool offerToCreateDatabase(const QString& path) {
    QMessageBox box(QMessageBox::Question, tr("Quarvel"),
                    tr("There is no database at %1 yet.\n\nCreate it now, with sample products "
                       "to try Quarvel out, or empty to start on your own records?")
                        .arg(QDir::toNativeSeparators(path)));
    QPushButton* sample = box.addButton(tr("Create with Sample Data"), QMessageBox::AcceptRole);
    QPushButton* empty = box.addButton(tr("Create Empty"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(tr("Quit"), QMessageBox::RejectRole);
    sample->setAccessibleName(sample->text());
    empty->setAccessibleName(empty->text());
    quit->setAccessibleName(quit->text());
    box.setDefaultButton(sample);
    box.setEscapeButton(quit);
    box.exec();
    if (box.clickedButton() != sample && box.clickedButton() != empty)
        return false;
    QString failure;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        failure = tr("The folder %1 could not be made.").arg(QFileInfo(path).absolutePath());
    } else {
        QStringList arguments{QStringLiteral("init")};
        if (box.clickedButton() == sample)
            arguments << QStringLiteral("--sample");
        arguments << path;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        failure = backup::runDbTool(arguments, tr("The database could not be created."));
        QApplication::restoreOverrideCursor();
    }
    if (failure.isEmpty())
        return true;
    QMessageBox::critical(nullptr, tr("Quarvel"), failure);
    return false;
}

} // namespace quarvel
