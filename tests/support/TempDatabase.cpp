#include "TempDatabase.h"

#include "data/ConnectionString.h"
#include "sqlite/Database.h"

#include <QFile>
#include <stdexcept>

namespace {

quarvel::sqlite::Database open(const QString& path) {
    quarvel::sqlite::Database db(path, quarvel::sqlite::OpenMode::Create);
    // Tests need no durability: a lost temporary file is of no concern.
    db.exec(QStringLiteral("PRAGMA foreign_keys = ON; PRAGMA synchronous = OFF"));
    return db;
}

} // namespace

TempDatabase::Backend TempDatabase::backendUnderTest() {
    const QString name = qEnvironmentVariable("QUARVEL_TEST_BACKEND", QStringLiteral("sqlite"));
    if (name == u"sqlite")
        return Backend::Sqlite;
    throw std::runtime_error("QUARVEL_TEST_BACKEND names no backend of this build: " +
                             name.toStdString());
}

QString TempDatabase::connectionString() const {
    return quarvel::BuildConnectionString(m_path);
}

TempDatabase::TempDatabase(Backend backend)
    : m_backend(backend), m_path(m_dir.filePath("Products.db")) {
    QFile schema(QStringLiteral(QUARVEL_SCHEMA_FILE));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the schema file");
    // WAL, as quarvel-db makes every database.
    exec("PRAGMA journal_mode = WAL; BEGIN;" + QString::fromUtf8(schema.readAll()) + ";COMMIT;");
    exec("INSERT INTO [My Company Information] (CompanyName) VALUES ('Test Company')");
}

void TempDatabase::exec(const QString& sql) const {
    open(m_path).exec(sql);
}

QVariant TempDatabase::scalar(const QString& sql) const {
    return open(m_path).scalar(sql);
}
