// quarvel-db: creates, fills and checks Quarvel database files. See usage() or --help.
#include "DbTool.h"
#include "Error.h"
#include "SchemaUpgrade.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

constexpr int kBadArguments = 2;

QString usage() {
    return QStringLiteral(
        "Usage:\n"
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
        "PATH may instead be a PostgreSQL URL, postgresql://user@host:port/dbname, naming an\n"
        "existing empty database (createdb makes one): init and generate fill it in one\n"
        "transaction, check checks it. The password comes from PGPASSWORD or ~/.pgpass.\n");
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // Loading a large data set into a server may take longer than a window would wait.
    quarvel::PostgresLink::setAnswerTimeout(-1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this text."));
    const QCommandLineOption sample(QStringLiteral("sample"), QStringLiteral("Adds sample data."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Replaces an existing file."));
    const QCommandLineOption products(QStringLiteral("products"),
                                      QStringLiteral("Number of products."), QStringLiteral("N"));
    const QCommandLineOption transactions(QStringLiteral("transactions"),
                                          QStringLiteral("Number of transactions."),
                                          QStringLiteral("M"));
    const QCommandLineOption orders(QStringLiteral("orders"),
                                    QStringLiteral("Number of purchase orders."),
                                    QStringLiteral("N"));
    const QCommandLineOption lines(QStringLiteral("lines"),
                                   QStringLiteral("Number of order lines besides the "
                                                  "transactions."),
                                   QStringLiteral("M"));
    const QCommandLineOption journal(QStringLiteral("journal"),
                                     QStringLiteral("Journal mode: wal or rollback."),
                                     QStringLiteral("MODE"));
    parser.addOptions({help, sample, force, products, transactions, orders, lines, journal});
    if (!parser.parse(app.arguments()))
        return badArguments(parser.errorText());
    if (parser.isSet(help)) {
        out << usage();
        return 0;
    }

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return badArguments(QStringLiteral("no command given"));
    const QString command = args.first();
    if (command != QLatin1String("init") && command != QLatin1String("generate") &&
        command != QLatin1String("check") && command != QLatin1String("upgrade"))
        return badArguments(QStringLiteral("unknown command \"%1\"").arg(command));
    if (args.size() != 2)
        return badArguments(QStringLiteral("%1 takes exactly one PATH").arg(command));
    const QString path = args.at(1);
    if (path.isEmpty())
        return badArguments(QStringLiteral("the PATH is empty"));
    if (parser.isSet(sample) && command != QLatin1String("init"))
        return badArguments(QStringLiteral("--sample belongs to init"));
    if (parser.isSet(force) &&
        (command == QLatin1String("check") || command == QLatin1String("upgrade")))
        return badArguments(QStringLiteral("--force does not belong to %1").arg(command));
    const bool sizes = parser.isSet(products) || parser.isSet(transactions) ||
                       parser.isSet(orders) || parser.isSet(lines);
    if (sizes && command != QLatin1String("generate"))
        return badArguments(
            QStringLiteral("--products, --transactions, --orders and --lines belong to generate"));

    if (parser.isSet(journal) && quarvel::isPostgresUrl(path))
        return badArguments(QStringLiteral("--journal belongs to database files"));
    if (parser.isSet(journal) &&
        (command == QLatin1String("check") || command == QLatin1String("upgrade")))
        return badArguments(QStringLiteral("--journal belongs to init and generate"));
    const QString journalMode = parser.value(journal);
    if (parser.isSet(journal) && journalMode != QLatin1String("wal") &&
        journalMode != QLatin1String("rollback"))
        return badArguments(QStringLiteral("--journal takes wal or rollback"));

    // A password in a URL is never shown.
    const QString shown = quarvel::withoutPassword(path);
    try {
        using namespace quarvel::dbtool;
        const Journal journalKind =
            journalMode == QLatin1String("rollback") ? Journal::Rollback : Journal::Wal;
        if (command == QLatin1String("init")) {
            createDatabase(path, parser.isSet(sample), parser.isSet(force), journalKind);
            out << "Created " << shown << (parser.isSet(sample) ? " with sample data" : "") << "\n";
            return 0;
        }
        if (command == QLatin1String("generate")) {
            GenerateOptions options;
            if (!parser.isSet(products) || !parser.isSet(transactions))
                return badArguments(QStringLiteral("generate needs --products and --transactions"));
            if (!positiveNumber(parser.value(products), 1, &options.products))
                return badArguments(
                    QStringLiteral("--products needs a whole number of at least 1"));
            if (!positiveNumber(parser.value(transactions), 0, &options.transactions))
                return badArguments(
                    QStringLiteral("--transactions needs a whole number of at least 0"));
            if (parser.isSet(orders) && !positiveNumber(parser.value(orders), 1, &options.orders))
                return badArguments(QStringLiteral("--orders needs a whole number of at least 1"));
            if (parser.isSet(lines) && !positiveNumber(parser.value(lines), 0, &options.lines))
                return badArguments(QStringLiteral("--lines needs a whole number of at least 0"));
            QElapsedTimer timer;
            timer.start();
            generate(path, options, parser.isSet(force), journalKind);
            out << "Generated " << shown << ": " << options.products << " products, "
                << options.transactions << " transactions";
            if (options.orders > 0)
                out << ", " << options.orders << " orders";
            if (options.lines > 0)
                out << ", " << options.lines << " order lines";
            out << " in " << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s\n";
            return 0;
        }
        if (command == QLatin1String("upgrade")) {
            const int from = schema::upgrade(path);
            if (from >= schema::latestVersion)
                out << shown << " is already at schema version " << from << "; nothing to do\n";
            else
                out << "Upgraded " << shown << " from schema version " << from << " to "
                    << schema::latestVersion << "\n";
            return 0;
        }
        const QStringList problems = check(path);
        for (const QString& problem : problems)
            out << problem << "\n";
        if (!problems.isEmpty()) {
            out << shown << ": " << problems.size() << " problem(s) found\n";
            return 1;
        }
        out << shown << ": the database is complete\n";
        // An older version is complete too; what an upgrade would add is said once.
        const int version = schema::version(path);
        out << shown << ": schema version " << version;
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
