#include "data/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quarvel {

namespace {

QString installedDataFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/quarvel"));
}

} // namespace

bool isInstalled() {
    // The build tree puts the program in build/bin with no share/ beside it.
    return QFileInfo(installedDataFolder()).isDir();
}

QString dataFolder() {
    return isInstalled() ? installedDataFolder() : QCoreApplication::applicationDirPath();
}

QString translationsFolder() {
    return dataFolder() + QStringLiteral("/translations");
}

QString defaultDatabasePath() {
    if (!isInstalled())
        return QCoreApplication::applicationDirPath() + QStringLiteral("/Products.db");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/quarvel/Products.db");
}

} // namespace quarvel
