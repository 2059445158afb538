#include "app/CommandLine.h"

#include "data/ConnectionString.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace quarvel {

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "quarvel::CommandLine", "Quarvel keeps a small business's stock records."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption database(
        {QStringLiteral("d"), QStringLiteral("database")},
        QCoreApplication::translate("quarvel::CommandLine",
                                    "The database to work on: a file, or a PostgreSQL URL "
                                    "(postgresql://user@host/name). It takes precedence over "
                                    "QUARVEL_DATABASE."),
        QCoreApplication::translate("quarvel::CommandLine", "PATH-OR-URL"));
    parser.addOption(database);
    QCommandLineOption checkStart(QStringLiteral("check-start"));
    checkStart.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(checkStart);

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        result.error = QCoreApplication::translate("quarvel::CommandLine", "Unknown argument: %1")
                           .arg(parser.positionalArguments().first());
    result.database = parser.value(database);
    result.checkStart = parser.isSet(checkStart);
    return result;
}

QString CommandLine::chosenDatabase() const {
    return database.isEmpty() ? DatabasePath() : database;
}

} // namespace quarvel
