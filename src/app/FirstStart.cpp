#include "app/FirstStart.h"

#include "backup/DbToolProcess.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace quarvel {

namespace {

// The texts of the first start, under one translation context of their own.
struct FirstStartTexts {
    Q_DECLARE_TR_FUNCTIONS(quarvel::FirstStart)
};

} // namespace

bool offerToCreateDatabase(const QString& path) {
    QMessageBox box(QMessageBox::Question, FirstStartTexts::tr("Quarvel"),
                    FirstStartTexts::tr(
                        "There is no database at %1 yet.\n\nCreate it now, with sample products "
                        "to try Quarvel out, or empty to start on your own records?")
                        .arg(QDir::toNativeSeparators(path)));
    QPushButton* sample =
        box.addButton(FirstStartTexts::tr("Create with Sample Data"), QMessageBox::AcceptRole);
    QPushButton* empty =
        box.addButton(FirstStartTexts::tr("Create Empty"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(FirstStartTexts::tr("Quit"), QMessageBox::RejectRole);
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
        failure = FirstStartTexts::tr("The folder %1 could not be made.")
                      .arg(QFileInfo(path).absolutePath());
    } else {
        QStringList arguments{QStringLiteral("init")};
        if (box.clickedButton() == sample)
            arguments << QStringLiteral("--sample");
        arguments << path;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        failure =
            backup::runDbTool(arguments, FirstStartTexts::tr("The database could not be created."));
        QApplication::restoreOverrideCursor();
    }
    if (failure.isEmpty())
        return true;
    QMessageBox::critical(nullptr, FirstStartTexts::tr("Quarvel"), failure);
    return false;
}

} // namespace quarvel
