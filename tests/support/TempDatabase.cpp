#include "TempDatabase.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace {

struct Handle {
    sqlite3* db = nullptr;
    explicit Handle(const QString& path) {
        if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
        // Tests need no durability: a lost temporary file is of no concern.
        sqlite3_exec(db, "PRAGMA foreign_keys = ON; PRAGMA synchronous = OFF", nullptr, nullptr,
                     nullptr);
    }
    ~Handle() { sqlite3_close(db); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

} // namespace

TempDatabase::TempDatabase() : m_path(m_dir.filePath("Products.db")) {
    QFile schema(QStringLiteral(QUARVEL_SCHEMA_FILE));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the schema file");
    exec("PRAGMA journal_mode = WAL; BEGIN;" + QString::fromUtf8(schema.readAll()) + ";COMMIT;");
    exec("INSERT INTO [My Company Information] (CompanyName) VALUES ('Test Company')");
}

void TempDatabase::exec(const QString& sql) const {
    Handle h(m_path);
    char* error = nullptr;
    if (sqlite3_exec(h.db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sql.toStdString());
    }
}

QVariant TempDatabase::scalar(const QString& sql) const {
    Handle h(m_path);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(h.db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(h.db));
    QVariant result;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        switch (sqlite3_column_type(stmt, 0)) {
        case SQLITE_INTEGER:
            result = qlonglong(sqlite3_column_int64(stmt, 0));
            break;
        case SQLITE_FLOAT:
            result = sqlite3_column_double(stmt, 0);
            break;
        case SQLITE_NULL:
            break;
        default:
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        }
    }
    sqlite3_finalize(stmt);
    return result;
}
