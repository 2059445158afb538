// quarvel-db: creates, fills and checks Quarvel database files. See usage() or --help.
#include "Backup.h"
#include "DatabaseCopy.h"
#include "DbTool.h"
#include "Error.h"
#include "SchemaUpgrade.h"
#include "TableExport.h"
#include "TableImport.h"
#include "ToolText.h"
#include "csv/CsvWriter.h"
#include "data/Connection.h"
#include "data/ProgramFiles.h"
#include "data/ProgramUser.h"
#include "data/postgres/PostgresLink.h"
#include "history/HistoryLog.h"
#include "sqlite/Error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <unistd.h>

using quarvel::dbtool::ToolText;

namespace {

constexpr int kBadArguments = 2;

QString usage() {
    return ToolText::tr(
        "Usage:\n"
        "  quarvel-db --help | --version\n"
        "  quarvel-db init [--sample] [--force] [--journal MODE] PATH\n"
        "      Creates a database with the tables, saved queries and the company row;\n"
        "      --sample adds a small business with a year (2021) of transactions.\n"
        "  quarvel-db generate --products N --transactions M [--orders N] [--lines M]\n"
        "                      [--force] [--journal MODE] PATH\n"
        "      Creates a database with a large generated data set for benchmarks: --orders\n"
        "      purchase orders (one per 40 transactions by default) and --lines order lines\n"
        "      besides the transactions (none by default).\n"
        "  quarvel-db upgrade PATH\n"
        "      Brings a database made by an earlier Quarvel up to the latest schema version\n"
        "      (what newer features need), in one transaction; the program never does.\n"
        "      The data stays as it is. A database already up to date is left alone.\n"
        "  quarvel-db copy [--force] [--journal MODE] SOURCE TARGET\n"
        "      Copies a whole database, every row with its key, from a file or server to a new\n"
        "      file or an empty server database, in one transaction; compares the rows of\n"
        "      every table and the sums of every saved query on both sides and shows them.\n"
        "      An older schema version is brought up to date in the copy, not in SOURCE.\n"
        "  quarvel-db backup [--force] SOURCE FILE\n"
        "      Writes a consistent backup of a database, also while programs use it, into\n"
        "      a new FILE (a file through SQLite's online backup, a server database by copy).\n"
        "  quarvel-db restore [--force] FILE TARGET\n"
        "      Puts the backup FILE back as TARGET: a file (an existing one only with\n"
        "      --force, never while in use) or an empty server database.\n"
        "  quarvel-db export [--database PATH] [--shown] TABLE-OR-SAVED-QUERY FILE\n"
        "      Writes a table or saved query as CSV (UTF-8, a header row, dates YYYY-MM-DD,\n"
        "      numbers with a dot; with --shown as the locale shows them) to FILE, or to\n"
        "      standard output for -. The database is --database, else $QUARVEL_DATABASE.\n"
        "  quarvel-db import [--database PATH] [--valid-rows] [--errors FILE] TABLE FILE\n"
        "      Imports a CSV file into Products, Suppliers, Categories or Employees: columns\n"
        "      go to fields by their header, a category may be given by name. Every row is\n"
        "      checked first; a row with a stored key updates it, others are added. Nothing\n"
        "      is imported unless every row is valid, or with --valid-rows the valid rows;\n"
        "      --errors writes the refused rows with their reasons to a CSV file. The file's\n"
        "      encoding, separator, date order and decimal comma are found; --encoding\n"
        "      utf-8|latin-1, --separator comma|semicolon|tab, --dates iso|dmy|mdy and\n"
        "      --decimal-comma yes|no say them instead.\n"
        "  quarvel-db history [--since DATE] [--table TABLE] PATH\n"
        "      Prints the history of the database's changes as CSV: when (UTC), who, the\n"
        "      table, the row's key, what was done, and each field's old and new value.\n"
        "  quarvel-db history --trim-before DATE PATH\n"
        "      Removes the history before DATE, and records in it how much it removed.\n"
        "  quarvel-db check PATH\n"
        "      Lists every missing table, column or saved query, the damage SQLite's integrity\n"
        "      check finds and rows that refer to missing rows; says so when the file is\n"
        "      missing, empty, not a database, locked or read-only, and names its schema\n"
        "      version. Exits 0 when all is well.\n"
        "\n"
        "--journal wal       (the default) readers go on while the program saves; the file\n"
        "                    must be on a local disk.\n"
        "--journal rollback  for a file on a network share, where WAL does not work.\n"
        "The mode is stored in the file; the program keeps it.\n"
        "\n"
        "An existing file is never replaced without --force, and never while another program\n"
        "has it open. A new file is built beside PATH and moved into place when complete.\n"
        "\n"
        "PATH, SOURCE and TARGET may instead be a PostgreSQL URL,\n"
        "postgresql://user@host:port/dbname. A target names an existing empty database\n"
        "(createdb makes one), filled in one transaction. The password comes from\n"
        "PGPASSWORD or ~/.pgpass, and is never shown.\n");
}

int badArguments(const QString& message) {
    QTextStream(stderr) << "quarvel-db: " << message << "\n\n" << usage();
    return kBadArguments;
}

bool positiveNumber(const QString& text, int minimum, int* value) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok && n >= minimum)
        *value = n;
    return ok && n >= minimum;
}

// Copies, backs up or restores, telling the progress on a terminal and the figures compared.
int transfer(const QString& command, const QString& source, const QString& target, bool force,
             quarvel::dbtool::Journal journal) {
    using namespace quarvel::dbtool;
    QTextStream out(stdout);
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    const CopyProgress progress = [terminal](const QString& table, qint64 done, qint64 total) {
        if (!terminal)
            return;
        QTextStream(stderr) << "\r\x1b[K"
                            << ToolText::tr("%1: %2 of %3 rows").arg(table).arg(done).arg(total)
                            << (done == total ? "\n" : "");
    };
    QElapsedTimer timer;
    timer.start();
    const QString from = quarvel::withoutPassword(source);
    const QString to = quarvel::withoutPassword(target);
    if (command == QLatin1String("backup")) {
        Backup::backup(source, target, force, progress);
        out << ToolText::tr("Backed up %1 to %2 in %3 s")
                   .arg(from, to, QString::number(timer.elapsed() / 1000.0, 'f', 1))
            << "\n";
        return 0;
    }
    if (command == QLatin1String("restore")) {
        Backup::restore(source, target, force, progress);
        out << ToolText::tr("Restored %1 as %2 in %3 s")
                   .arg(from, to, QString::number(timer.elapsed() / 1000.0, 'f', 1))
            << "\n";
        return 0;
    }
    const CopyResult result = DatabaseCopy::copy(source, target, force, progress, journal);
    const double seconds = std::max(timer.elapsed(), qint64(1)) / 1000.0;
    out << ToolText::tr("Copied %1 to %2: %3 rows in %4 s (%5 rows/s)")
               .arg(from, to, QString::number(result.rows), QString::number(seconds, 'f', 1),
                    QString::number(qint64(result.rows / seconds)));
    if (result.sourceVersion < schema::latestVersion)
        out << ToolText::tr(", upgraded from schema version %1 to %2")
                   .arg(result.sourceVersion)
                   .arg(schema::latestVersion);
    out << "\n" << ToolText::tr("Both sides have the same rows and sums:") << "\n";
    for (const QString& line : CopyFigures::report(result.figures))
        out << line << "\n";
    return 0;
}

// Prints the history as CSV, or trims it.
int history(const QString& database, const QDate& since, const QString& table,
            const QDate& trimBefore) {
    using namespace quarvel::history;
    const QString shown = quarvel::withoutPassword(database);
    const auto connection = quarvel::Connection::open(database);
    if (!HistoryLog::available(*connection))
        throw quarvel::dbtool::Error(
            ToolText::tr("%1 keeps no history: quarvel-db upgrade adds it (schema version 3)")
                .arg(shown));
    QTextStream out(stdout);
    if (trimBefore.isValid()) {
        const qint64 removed = HistoryLog::trimBefore(connection, trimBefore);
        out << ToolText::tr("Removed %1 history entries before %2 from %3")
                   .arg(QString::number(removed), trimBefore.toString(Qt::ISODate), shown)
            << "\n";
        return 0;
    }
    QFile standardOutput;
    if (!standardOutput.open(stdout, QIODevice::WriteOnly))
        throw quarvel::dbtool::Error(ToolText::tr("cannot write to standard output"));
    quarvel::csv::CsvWriter writer(&standardOutput);
    for (const QStringList& row : HistoryLog::csvRows(HistoryLog::read(*connection, since, table)))
        writer.writeRow(row);
    return writer.ok() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The user's language, as the program speaks it (quarvel_<language>.qm in its data folder).
    QTranslator ownTexts;
    if (ownTexts.load(QLocale(), QStringLiteral("quarvel"), QStringLiteral("_"),
                      quarvel::translationsFolder()))
        QCoreApplication::installTranslator(&ownTexts);
    // Loading a large data set into a server may take longer than a window would wait.
    quarvel::PostgresLink::setAnswerTimeout(-1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  ToolText::tr("Shows this text."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     ToolText::tr("Shows the version."));
    const QCommandLineOption sample(QStringLiteral("sample"), ToolText::tr("Adds sample data."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   ToolText::tr("Replaces an existing file."));
    const QCommandLineOption products(QStringLiteral("products"),
                                      ToolText::tr("Number of products."), QStringLiteral("N"));
    const QCommandLineOption transactions(QStringLiteral("transactions"),
                                          ToolText::tr("Number of transactions."),
                                          QStringLiteral("M"));
    const QCommandLineOption orders(
        QStringLiteral("orders"), ToolText::tr("Number of purchase orders."), QStringLiteral("N"));
    const QCommandLineOption lines(QStringLiteral("lines"),
                                   ToolText::tr("Number of order lines besides the "
                                                "transactions."),
                                   QStringLiteral("M"));
    const QCommandLineOption journal(QStringLiteral("journal"),
                                     ToolText::tr("Journal mode: wal or rollback."),
                                     QStringLiteral("MODE"));
    const QCommandLineOption database(QStringLiteral("database"),
                                      ToolText::tr("The database (a file or URL)."),
                                      QStringLiteral("PATH"));
    const QCommandLineOption shownOption(QStringLiteral("shown"),
                                         ToolText::tr("Values as the locale shows them."));
    const QCommandLineOption validRows(QStringLiteral("valid-rows"),
                                       ToolText::tr("Imports the valid rows."));
    const QCommandLineOption errors(QStringLiteral("errors"),
                                    ToolText::tr("The file of refused rows."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption encoding(QStringLiteral("encoding"), ToolText::tr("utf-8 or latin-1."),
                                      QStringLiteral("E"));
    const QCommandLineOption separator(
        QStringLiteral("separator"), ToolText::tr("comma, semicolon or tab."), QStringLiteral("S"));
    const QCommandLineOption dates(QStringLiteral("dates"), ToolText::tr("iso, dmy or mdy."),
                                   QStringLiteral("ORDER"));
    const QCommandLineOption decimalComma(QStringLiteral("decimal-comma"),
                                          ToolText::tr("yes or no."), QStringLiteral("YN"));
    const QCommandLineOption since(QStringLiteral("since"), QStringLiteral("YYYY-MM-DD."),
                                   QStringLiteral("DATE"));
    const QCommandLineOption tableOption(QStringLiteral("table"), QStringLiteral("A table."),
                                         QStringLiteral("TABLE"));
    const QCommandLineOption trimBefore(QStringLiteral("trim-before"),
                                        QStringLiteral("YYYY-MM-DD."), QStringLiteral("DATE"));
    parser.addOptions({help,         version,      sample, force,       products,
                       transactions, orders,       lines,  journal,     database,
                       shownOption,  validRows,    errors, encoding,    separator,
                       dates,        decimalComma, since,  tableOption, trimBefore});
    if (!parser.parse(app.arguments()))
        return badArguments(parser.errorText());
    if (parser.isSet(help)) {
        out << usage();
        return 0;
    }
    if (parser.isSet(version)) {
        out << QStringLiteral("quarvel-db %1\n").arg(quarvel::programVersion());
        return 0;
    }

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return badArguments(ToolText::tr("no command given"));
    const QString command = args.first();
    // Each command's number of arguments and the options it takes.
    struct Shape {
        int arguments;
        QList<const QCommandLineOption*> options;
    };
    const QHash<QString, Shape> shapes = {
        {QStringLiteral("init"), {1, {&sample, &force, &journal}}},
        {QStringLiteral("generate"),
         {1, {&force, &journal, &products, &transactions, &orders, &lines}}},
        {QStringLiteral("upgrade"), {1, {}}},
        {QStringLiteral("check"), {1, {}}},
        {QStringLiteral("copy"), {2, {&force, &journal}}},
        {QStringLiteral("backup"), {2, {&force}}},
        {QStringLiteral("restore"), {2, {&force}}},
        {QStringLiteral("export"), {2, {&database, &shownOption}}},
        {QStringLiteral("history"), {1, {&since, &tableOption, &trimBefore}}},
        {QStringLiteral("import"),
         {2, {&database, &validRows, &errors, &encoding, &separator, &dates, &decimalComma}}},
    };
    if (!shapes.contains(command))
        return badArguments(ToolText::tr("unknown command \"%1\"").arg(command));
    const Shape shape = shapes.value(command);
    if (args.size() != shape.arguments + 1)
        return badArguments(shape.arguments == 1
                                ? ToolText::tr("%1 takes exactly one PATH").arg(command)
                                : ToolText::tr("%1 takes exactly two arguments").arg(command));
    for (const QCommandLineOption* option :
         {&sample, &force, &journal, &products, &transactions, &orders, &lines, &database,
          &shownOption, &validRows, &errors, &encoding, &separator, &dates, &decimalComma, &since,
          &tableOption, &trimBefore})
        if (parser.isSet(*option) && !shape.options.contains(option))
            return badArguments(ToolText::tr("--%1 does not belong to %2")
                                    .arg(option->names().constLast(), command));
    for (const QString& argument : args.mid(1))
        if (argument.isEmpty())
            return badArguments(ToolText::tr("an argument is empty"));
    const QString path = args.at(1);
    const QString target = args.value(2);
    if (parser.isSet(journal) && quarvel::isPostgresUrl(args.constLast()))
        return badArguments(ToolText::tr("--journal belongs to database files"));
    const QString journalMode = parser.value(journal);
    if (parser.isSet(journal) && journalMode != QLatin1String("wal") &&
        journalMode != QLatin1String("rollback"))
        return badArguments(ToolText::tr("--journal takes wal or rollback"));

    // A password in a URL is never shown.
    const QString shown = quarvel::withoutPassword(path);
    try {
        using namespace quarvel::dbtool;
        const Journal journalKind =
            journalMode == QLatin1String("rollback") ? Journal::Rollback : Journal::Wal;
        if (command == QLatin1String("init")) {
            createDatabase(path, parser.isSet(sample), parser.isSet(force), journalKind);
            out << (parser.isSet(sample) ? ToolText::tr("Created %1 with sample data")
                                         : ToolText::tr("Created %1"))
                       .arg(shown)
                << "\n";
            return 0;
        }
        if (command == QLatin1String("generate")) {
            GenerateOptions options;
            if (!parser.isSet(products) || !parser.isSet(transactions))
                return badArguments(ToolText::tr("generate needs --products and --transactions"));
            if (!positiveNumber(parser.value(products), 1, &options.products))
                return badArguments(ToolText::tr("--products needs a whole number of at least 1"));
            if (!positiveNumber(parser.value(transactions), 0, &options.transactions))
                return badArguments(
                    ToolText::tr("--transactions needs a whole number of at least 0"));
            if (parser.isSet(orders) && !positiveNumber(parser.value(orders), 1, &options.orders))
                return badArguments(ToolText::tr("--orders needs a whole number of at least 1"));
            if (parser.isSet(lines) && !positiveNumber(parser.value(lines), 0, &options.lines))
                return badArguments(ToolText::tr("--lines needs a whole number of at least 0"));
            QElapsedTimer timer;
            timer.start();
            generate(path, options, parser.isSet(force), journalKind);
            out << ToolText::tr("Generated %1: %2 products, %3 transactions")
                       .arg(shown)
                       .arg(options.products)
                       .arg(options.transactions);
            if (options.orders > 0)
                out << ToolText::tr(", %1 orders").arg(options.orders);
            if (options.lines > 0)
                out << ToolText::tr(", %1 order lines").arg(options.lines);
            out << ToolText::tr(" in %1 s").arg(QString::number(timer.elapsed() / 1000.0, 'f', 1))
                << "\n";
            return 0;
        }
        if (command == QLatin1String("upgrade")) {
            const int from = schema::upgrade(path);
            if (from >= schema::latestVersion)
                out << ToolText::tr("%1 is already at schema version %2; nothing to do")
                           .arg(shown)
                           .arg(from)
                    << "\n";
            else
                out << ToolText::tr("Upgraded %1 from schema version %2 to %3")
                           .arg(shown)
                           .arg(from)
                           .arg(schema::latestVersion)
                    << "\n";
            return 0;
        }
        if (command == QLatin1String("copy") || command == QLatin1String("backup") ||
            command == QLatin1String("restore"))
            return transfer(command, path, target, parser.isSet(force), journalKind);
        if (command == QLatin1String("history")) {
            const auto parseDate = [&](const QCommandLineOption& option) {
                return QDate::fromString(parser.value(option), Qt::ISODate);
            };
            if ((parser.isSet(since) && !parseDate(since).isValid()) ||
                (parser.isSet(trimBefore) && !parseDate(trimBefore).isValid()))
                return badArguments(ToolText::tr("--since and --trim-before take a date, "
                                                 "YYYY-MM-DD"));
            if (parser.isSet(trimBefore) && (parser.isSet(since) || parser.isSet(tableOption)))
                return badArguments(ToolText::tr("--trim-before goes without --since and --table"));
            return history(path, parseDate(since), parser.value(tableOption),
                           parseDate(trimBefore));
        }
        const QString from = parser.isSet(database) ? parser.value(database)
                                                    : qEnvironmentVariable("QUARVEL_DATABASE");
        if ((command == QLatin1String("export") || command == QLatin1String("import")) &&
            from.isEmpty())
            return badArguments(
                ToolText::tr("%1 needs --database or $QUARVEL_DATABASE").arg(command));
        if (command == QLatin1String("import")) {
            TableImport::Options options;
            options.validRows = parser.isSet(validRows);
            options.errorFile = parser.value(errors);
            // Each given choice of the file's format, by its words.
            const auto choose = [&](const QCommandLineOption& option, const QStringList& words,
                                    int* chosen) {
                if (!parser.isSet(option))
                    return true;
                *chosen = int(words.indexOf(parser.value(option).toLower()));
                return *chosen >= 0;
            };
            if (!choose(encoding, {"utf-8", "latin-1"}, &options.encoding) ||
                !choose(separator, {"comma", "semicolon", "tab"}, &options.separator) ||
                !choose(dates, {"iso", "dmy", "mdy"}, &options.dates) ||
                !choose(decimalComma, {"no", "yes"}, &options.decimalComma))
                return badArguments(ToolText::tr("--encoding takes utf-8 or latin-1, "
                                                 "--separator comma, semicolon or tab, --dates "
                                                 "iso, dmy or mdy, --decimal-comma yes or no"));
            return TableImport::run(from, path, target, options, out, err);
        }
        if (command == QLatin1String("export")) {
            const qint64 rows =
                TableExport::write(from, path, target,
                                   parser.isSet(shownOption) ? quarvel::csv::Style::Shown
                                                             : quarvel::csv::Style::Portable);
            if (target != QLatin1String("-"))
                out << ToolText::tr("Exported %1 rows of %2 to %3")
                           .arg(QString::number(rows), path, target)
                    << "\n";
            return 0;
        }
        const QStringList problems = check(path);
        for (const QString& problem : problems)
            out << problem << "\n";
        if (!problems.isEmpty()) {
            out << ToolText::tr("%1: %2 problem(s) found").arg(shown).arg(problems.size()) << "\n";
            return 1;
        }
        out << ToolText::tr("%1: the database is complete").arg(shown) << "\n";
        // An older version is complete too; what an upgrade would add is said once.
        const int version = schema::version(path);
        out << ToolText::tr("%1: schema version %2").arg(shown).arg(version);
        if (version < schema::latestVersion)
            out << "; " << schema::whatUpgradeAdds(version);
        out << "\n";
        return 0;
    } catch (const quarvel::dbtool::Error& e) {
        err << "quarvel-db: " << e.message() << "\n";
        return 1;
    } catch (const quarvel::sqlite::Error& e) {
        err << "quarvel-db: " << shown << ": " << e.message() << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "quarvel-db: " << e.what() << "\n";
        return 1;
    }
}
