// The program: the Products window is its main window, and closing it ends the program.
#include "app/CommandLine.h"
#include "app/FirstStart.h"
#include "app/ProductsWindow.h"
#include "data/ConnectionString.h"
#include "data/ProgramFiles.h"
#include "data/ProgramUser.h"
#include "data/postgres/PostgresLink.h"
#include "shell/ChangeFeed.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace quarvel;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QApplication::setApplicationVersion(programVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quarvel.Quarvel"));
    // The user's language: Qt's own texts first, then the program's. Where no translation is
    // there (English), the texts stay as written.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QTranslator ownTexts;
    if (ownTexts.load(QLocale(), QStringLiteral("quarvel"), QStringLiteral("_"),
                      translationsFolder()))
        QApplication::installTranslator(&ownTexts);

    const CommandLine commandLine = CommandLine::parse(QApplication::arguments());
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "quarvel: %s\n", qPrintable(commandLine.error));
        return 2;
    }
    // The command line's database is the one every part of the program opens.
    if (!commandLine.database.isEmpty())
        qputenv("QUARVEL_DATABASE", commandLine.database.toUtf8());
    const QString database = DatabasePath();
    if (commandLine.checkStart)
        std::printf("data folder: %s\ndatabase: %s\n", qPrintable(dataFolder()),
                    qPrintable(withoutPassword(database)));
    // An installed program's own database is made on its first start, if the user wants it.
    if (isInstalled() && database == defaultDatabasePath() && !QFileInfo::exists(database) &&
        !offerToCreateDatabase(database))
        return 0;

    // Every window follows what other programs commit to the database.
    shell::ChangeFeed::start(database);
    int result = 0;
    {
        ProductsWindow window;
        window.Form_Load();
        window.show();
        if (commandLine.checkStart)
            QTimer::singleShot(0, &application, [&window] {
                window.close();
                QApplication::exit(0);
            });
        result = QApplication::exec();
    }
    return result;
}
