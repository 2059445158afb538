#include "TempDatabase.h"

#include "PrivatePostgres.h"
#include "data/ConnectionString.h"
#include "data/JetSql.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"

#include <QAtomicInt>
#include <QFile>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <unistd.h>

namespace {

quarvel::sqlite::Database open(const QString& path) {
    quarvel::sqlite::Database db(path, quarvel::sqlite::OpenMode::Create);
    // Tests need no durability: a lost temporary file is of no concern.
    db.exec("PRAGMA foreign_keys = ON; PRAGMA synchronous = OFF");
    return db;
}

QString schemaText(const char* path) {
    QFile schema(QString::fromUtf8(path));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read the schema file ") + path);
    return QString::fromUtf8(schema.readAll());
}

// The URL of database `name` in the cluster of `serverUrl`.
QString postgresDatabaseUrl(const QString& serverUrl, const QString& name) {
    return serverUrl.left(serverUrl.lastIndexOf(u'/') + 1) + name;
}

const char* const templateDatabase = "quarvel_template";

// Databases of this program's earlier TempDatabases, free to be emptied and used again:
// emptying one is much faster than making a new one.
std::mutex freeMutex;
QStringList freeUrls;

const char* const emptyAgain =
    "TRUNCATE \"Categories\", \"Products\", \"Suppliers\", \"Employees\", "
    "\"Shipping Methods\", \"Purchase Orders\", \"Inventory Transactions\", "
    "\"My Company Information\" RESTART IDENTITY CASCADE;"
    "ALTER TABLE \"Inventory Transactions\" ENABLE TRIGGER ALL;"
    "ALTER TABLE \"Products\" ENABLE TRIGGER ALL;"
    "ALTER TABLE \"Purchase Orders\" ENABLE TRIGGER ALL;"
    "INSERT INTO \"My Company Information\" (\"CompanyName\") VALUES ('Test Company')";

// The cluster this test program started for itself, stopped when the program ends, also
// when it ends through an exception that nothing caught (the server would outlive it).
struct OwnCluster {
    PrivatePostgres cluster;
    ~OwnCluster() { stop(); }
    void stop() {
        if (!cluster.folder().isEmpty())
            PrivatePostgres::stop(cluster.folder());
    }
};

OwnCluster own;
std::terminate_handler previousTerminate = nullptr;

[[noreturn]] void stopOwnClusterAndTerminate() {
    own.stop();
    previousTerminate ? previousTerminate() : std::abort();
    std::abort();
}

// The superuser's URL of the cluster the test databases are made in.
QString postgresServerUrl() {
    const QString state = qEnvironmentVariable("QUARVEL_TEST_POSTGRES_STATE");
    if (!state.isEmpty()) {
        QFile file(state);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("the shared PostgreSQL cluster is not running: no " +
                                     state.toStdString());
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        return PrivatePostgres::url(lines.value(1).toInt(), "postgres");
    }
    static const QString url = [] {
        previousTerminate = std::set_terminate(stopOwnClusterAndTerminate);
        const QString failure = own.cluster.start();
        if (!failure.isEmpty())
            throw std::runtime_error(failure.toStdString());
        TempDatabase::preparePostgresCluster(own.cluster.url());
        return own.cluster.url();
    }();
    return url;
}

} // namespace

TempDatabase::Backend TempDatabase::backendUnderTest() {
    const QString name = qEnvironmentVariable("QUARVEL_TEST_BACKEND", "sqlite");
    if (name == u"sqlite")
        return Backend::Sqlite;
    if (name == u"postgres")
        return Backend::Postgres;
    throw std::runtime_error("QUARVEL_TEST_BACKEND names no backend of this build: " +
                             name.toStdString());
}

QString TempDatabase::connectionString() const {
    return quarvel::BuildConnectionString(m_path);
}

void TempDatabase::preparePostgresCluster(const QString& serverUrl) {
    auto server = quarvel::PostgresLink::connect(serverUrl);
    server->execScript(QStringLiteral("CREATE DATABASE %1").arg(templateDatabase));
    auto link = quarvel::PostgresLink::connect(
        postgresDatabaseUrl(serverUrl, QString::fromLatin1(templateDatabase)));
    link->execScript(schemaText(QUARVEL_PG_SCHEMA_FILE));
    link->execScript(QStringLiteral(
        "INSERT INTO \"My Company Information\" (\"CompanyName\") VALUES ('Test Company')"));
}

TempDatabase::TempDatabase(Backend backend) : TempDatabase(Content::CompanyRow, backend) {}

TempDatabase::TempDatabase(Content content, Backend backend) : m_backend(backend) {
    const bool filled = content == Content::CompanyRow;
    if (backend == Backend::Postgres) {
        static QAtomicInt counter;
        m_serverUrl = postgresServerUrl();
        m_reusable = filled;
        if (filled) {
            std::lock_guard lock(freeMutex);
            if (!freeUrls.isEmpty())
                m_path = freeUrls.takeLast();
        }
        if (!m_path.isEmpty()) {
            quarvel::PostgresLink::connect(m_path)->execScript(QString::fromLatin1(emptyAgain));
            return;
        }
        const QString name =
            QStringLiteral("test_%1_%2").arg(::getpid()).arg(counter.fetchAndAddRelaxed(1));
        quarvel::PostgresLink::connect(m_serverUrl)
            ->execScript(
                QStringLiteral("CREATE DATABASE %1 TEMPLATE %2")
                    .arg(name, filled ? QString::fromLatin1(templateDatabase) : "template0"));
        m_path = postgresDatabaseUrl(m_serverUrl, name);
        return;
    }
    m_path = m_dir.filePath("Products.db");
    if (!filled)
        return;
    // WAL, as quarvel-db makes every database.
    exec("PRAGMA journal_mode = WAL; BEGIN;" + schemaText(QUARVEL_SCHEMA_FILE) + ";COMMIT;");
    exec("INSERT INTO [My Company Information] (CompanyName) VALUES ('Test Company')");
}

TempDatabase::~TempDatabase() {
    if (!m_reusable)
        return;
    std::lock_guard lock(freeMutex);
    freeUrls.append(m_path);
}

void TempDatabase::exec(const QString& sql) const {
    if (m_backend == Backend::Postgres) {
        quarvel::PostgresLink::connect(m_path)->execScript(
            quarvel::TranslateJetSql(sql, quarvel::JetTarget::Postgres));
        return;
    }
    open(m_path).exec(sql);
}

QVariant TempDatabase::scalar(const QString& sql) const {
    if (m_backend == Backend::Postgres) {
        const quarvel::PostgresResult result = quarvel::PostgresLink::connect(m_path)->exec(
            quarvel::TranslateJetSql(sql, quarvel::JetTarget::Postgres));
        return result.rows() > 0 && result.columns() > 0 ? result.value(0, 0) : QVariant();
    }
    return open(m_path).scalar(sql);
}

void TempDatabase::execNative(const QString& sql) const {
    m_reusable = false;
    quarvel::PostgresLink::connect(m_path)->execScript(sql);
}

void TempDatabase::execServer(const QString& sql) const {
    quarvel::PostgresLink::connect(m_serverUrl)->execScript(sql);
}
