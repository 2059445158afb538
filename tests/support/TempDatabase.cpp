#include "TempDatabase.h"

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

TempDatabase::TempDatabase() : m_path(m_dir.filePath("Products.db")) {
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
