#include "import/ImportWriter.h"

#include "csv/CsvWriter.h"
#include "data/Backend.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Transaction.h"
#include "data/postgres/PostgresLink.h"
#include "import/Tr.h"

#include <QHash>

namespace quarvel::import {

namespace {

// The most values bound to one statement (SQLite takes 32,766; the server 65,535).
constexpr int kValuesPerStatement = 30000;
constexpr int kRowsPerStatement = 500;

// Adds `rows` (indexes into checked.rows) with the fields `fields` (indexes into
// checked.fields), several rows to a statement.
void insertRows(Connection& connection, const CheckResult& checked, const QList<int>& fields,
                const QList<int>& rows) {
    if (rows.isEmpty() || fields.isEmpty())
        return;
    QStringList names;
    for (const int f : fields)
        names << QStringLiteral("\"%1\"").arg(checked.fields[f]);
    // SQLite looks each named parameter up by name while preparing: thousands of "$n" in one
    // statement cost more than the rows; its plain "?" are numbered in order.
    const bool server = isPostgresUrl(connection.path());
    const int perStatement =
        std::max(1, std::min(kRowsPerStatement, kValuesPerStatement / int(fields.size())));
    for (qsizetype start = 0; start < rows.size(); start += perStatement) {
        const qsizetype end = std::min(rows.size(), start + perStatement);
        QStringList tuples;
        QVector<QVariant> values;
        values.reserve((end - start) * fields.size());
        for (qsizetype r = start; r < end; ++r) {
            QStringList marks;
            for (const int f : fields) {
                values << checked.rows[rows[r]].values[f];
                marks << (server ? QStringLiteral("$%1").arg(values.size()) : QStringLiteral("?"));
            }
            tuples << u'(' + marks.join(u',') + u')';
        }
        // In both engines' own dialect: a long statement of values needs no translating.
        connection.backend().execute(
            QStringLiteral("INSERT INTO \"%1\" (%2) VALUES %3")
                .arg(checked.table.name, names.join(u','), tuples.join(u',')),
            values);
    }
}

} // namespace

QString ImportOutcome::summary() const {
    if (rows == 0)
        return Tr::tr("The file has no rows below its header: nothing was imported.");
    if (added + updated == 0 && mode == ImportMode::AllOrNothing && refused > 0)
        return Tr::tr("Nothing was imported: %n row(s) have errors, and rows are imported only "
                      "when every row is valid.",
                      nullptr, refused);
    if (added + updated == 0)
        return Tr::tr("Nothing was imported: every row has errors.");
    QString text = Tr::tr("%1: %2 added, %3 updated, %4 refused.")
                       .arg(table)
                       .arg(added)
                       .arg(updated)
                       .arg(refused);
    if (!errorFile.isEmpty())
        text += u' ' + Tr::tr("The refused rows and their errors are in %1.").arg(errorFile);
    return text;
}

QList<QStringList> ImportWriter::errorRows(const CheckResult& checked, const ImportFile& file) {
    QHash<int, QStringList> reasons;
    for (const CellProblem& problem : checked.problems)
        reasons[problem.row] << problem.text();
    QList<QStringList> rows{file.header + QStringList{Tr::tr("Errors")}};
    for (const CheckedRow& row : checked.rows)
        if (!row.valid)
            rows << file.rows[row.row - 2] + QStringList{reasons.value(row.row).join(u' ')};
    return rows;
}

ImportOutcome ImportWriter::write(const std::shared_ptr<Connection>& connection,
                                  const CheckResult& checked, const ImportFile& file,
                                  ImportMode mode, const QString& errorFile) {
    ImportOutcome outcome;
    outcome.mode = mode;
    outcome.table = checked.table.name;
    outcome.rows = int(checked.rows.size());
    outcome.refused = checked.badRows();
    if (outcome.refused > 0 && !errorFile.isEmpty()) {
        const QString failure = csv::CsvWriter::writeFile(errorFile, errorRows(checked, file));
        if (!failure.isEmpty())
            throw DatabaseError(failure);
        outcome.errorFile = errorFile;
    }
    if (mode == ImportMode::AllOrNothing && outcome.refused > 0)
        return outcome;

    QList<int> fieldsWithKey, fieldsWithoutKey;
    for (int f = 0; f < checked.fields.size(); ++f) {
        fieldsWithKey << f;
        if (f != checked.keyField)
            fieldsWithoutKey << f;
    }
    QList<int> withKey, withoutKey, updates;
    for (int r = 0; r < checked.rows.size(); ++r) {
        const CheckedRow& row = checked.rows[r];
        if (!row.valid)
            continue;
        (row.exists ? updates : row.key ? withKey : withoutKey) << r;
    }

    Transaction transaction(connection);
    insertRows(*connection, checked, fieldsWithKey, withKey);
    insertRows(*connection, checked, fieldsWithoutKey, withoutKey);
    if (!fieldsWithoutKey.isEmpty()) {
        QStringList sets;
        for (const int f : fieldsWithoutKey)
            sets << QStringLiteral("[%1] = $%2").arg(checked.fields[f]).arg(sets.size() + 1);
        const QString sql =
            QStringLiteral("UPDATE [%1] SET %2 WHERE [%3] = $%4")
                .arg(checked.table.name, sets.join(QStringLiteral(", ")), checked.table.key)
                .arg(sets.size() + 1);
        for (const int r : std::as_const(updates)) {
            QVector<QVariant> values;
            for (const int f : fieldsWithoutKey)
                values << checked.rows[r].values[f];
            values << *checked.rows[r].key;
            connection->execute(sql, values);
        }
    }
    // A server numbers new rows from its own sequence: it goes on after the keys the file gave.
    if (!withKey.isEmpty() && isPostgresUrl(connection->path()))
        connection->backend().query(
            QStringLiteral("SELECT setval(pg_get_serial_sequence($1, $2), (SELECT max(\"%1\") FROM "
                           "\"%2\"))")
                .arg(checked.table.key, checked.table.name),
            {u'"' + checked.table.name + u'"', checked.table.key});
    transaction.commit();
    outcome.added = int(withKey.size() + withoutKey.size());
    outcome.updated = int(updates.size());
    return outcome;
}

} // namespace quarvel::import
