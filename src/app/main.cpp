// The program: the Products window is its main window, and closing it ends the program.
#include "app/ProductsWindow.h"
#include "data/ConnectionString.h"
#include "shell/ChangeFeed.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    // The user's language: Qt's own texts first, then the program's. Where no translation is
    // there (English), the texts stay as written.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QTranslator ownTexts;
    if (ownTexts.load(QLocale(), QStringLiteral("quarvel"), QStringLiteral("_"),
                      QApplication::applicationDirPath() + QStringLiteral("/translations")))
        QApplication::installTranslator(&ownTexts);
    // Every window follows what other programs commit to the database.
    quarvel::shell::ChangeFeed::start(quarvel::DatabasePath());
    int result = 0;
    {
        quarvel::ProductsWindow window;
        window.Form_Load();
        window.show();
        result = QApplication::exec();
    }
    return result;
}
