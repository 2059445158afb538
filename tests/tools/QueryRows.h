#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <sqlite3.h>
#include <stdexcept>

// Reads every row of a query on a database file, keyed by the result's column names (in
// order in *columns when asked). Throws with the engine's message on failure.
inline QList<QVariantMap> queryRows(const QString& path, const QString& sql,
                                    QStringList* columns = nullptr) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path.toStdString());
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error(message + " in: " + sql.toStdString());
    }
    QStringList names;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i)
        names.append(QString::fromUtf8(sqlite3_column_name(stmt, i)));
    if (columns)
        *columns = names;
    QList<QVariantMap> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QVariantMap row;
        for (int i = 0; i < names.size(); ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                row.insert(names[i], qlonglong(sqlite3_column_int64(stmt, i)));
                break;
            case SQLITE_FLOAT:
                row.insert(names[i], sqlite3_column_double(stmt, i));
                break;
            case SQLITE_NULL:
                row.insert(names[i], QVariant());
                break;
            default:
                row.insert(names[i], QString::fromUtf8(reinterpret_cast<const char*>(
                                         sqlite3_column_text(stmt, i))));
            }
        }
        rows.append(row);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}
