#include "import/ImportCheck.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "data/FieldValue.h"
#include "format/TextFold.h"
#include "import/Tr.h"

#include <QHash>
#include <QSet>
#include <cmath>

namespace quarvel::import {

namespace {

struct Column {
    FieldKind kind = FieldKind::Text;
    int size = 0;
};

QHash<QString, Column> columnsOf(Connection& connection, const QString& table) {
    const auto cursor =
        connection.query(QStringLiteral("SELECT * FROM [%1] WHERE 1 = 0").arg(table));
    QHash<QString, Column> columns;
    for (int i = 0; i < cursor->columnCount(); ++i) {
        const ResultColumn c = cursor->column(i);
        columns.insert(c.name,
                       {fieldKindFromDeclType(c.declType, true), textSizeFromDeclType(c.declType)});
    }
    return columns;
}

QSet<qint64> keysOf(Connection& connection, const QString& table, const QString& key) {
    const auto cursor = connection.query(QStringLiteral("SELECT [%1] FROM [%2]").arg(key, table));
    QSet<qint64> keys;
    while (cursor->next())
        keys.insert(cursor->value(0).toLongLong());
    return keys;
}

// A referred table's rows by key, and by folded name (a name given twice stays ambiguous: -1).
struct References {
    QSet<qint64> keys;
    QHash<QString, qint64> byName;
};

References referencesOf(Connection& connection, const ImportField& field) {
    References refs;
    const auto cursor = connection.query(QStringLiteral("SELECT [%1], [%2] FROM [%3]")
                                             .arg(field.refKey, field.refName, field.refTable));
    while (cursor->next()) {
        const qint64 key = cursor->value(0).toLongLong();
        refs.keys.insert(key);
        const QString name = format::folded(cursor->value(1).toString().trimmed());
        refs.byName.insert(name, refs.byName.contains(name) ? -1 : key);
    }
    return refs;
}

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

QString rangeText() {
    return QStringLiteral("-2,147,483,648 to 2,147,483,647");
}

} // namespace

QString CellProblem::text() const {
    if (column.isEmpty())
        return Tr::tr("Row %1: %2.").arg(row).arg(why);
    if (value.isEmpty())
        return Tr::tr("Row %1, %2: %3.").arg(row).arg(column, why);
    return Tr::tr("Row %1, %2 '%3': %4.").arg(row).arg(column, value, why);
}

int CheckResult::badRows() const {
    int bad = 0;
    for (const CheckedRow& row : rows)
        bad += row.valid ? 0 : 1;
    return bad;
}

QStringList ImportCheck::autoMapping(const ImportTable& table, const QStringList& header) {
    QStringList mapping;
    QSet<int> taken;
    for (const QString& name : header) {
        const int field = table.fieldForHeader(name);
        mapping << (field >= 0 && !taken.contains(field) ? table.fields[field].name : QString());
        taken.insert(field);
    }
    return mapping;
}

CheckResult ImportCheck::check(Connection& connection, const ImportTable& table,
                               const ImportFile& file, const QStringList& mapping) {
    CheckResult result;
    result.table = table;
    for (int column = 0; column < mapping.size() && column < file.header.size(); ++column) {
        const QString& name = mapping[column];
        if (name.isEmpty())
            continue;
        if (table.fieldIndex(name) < 0)
            throw ImportError(Tr::tr("%1 has no field %2.").arg(table.name, name));
        if (result.fields.contains(name))
            throw ImportError(Tr::tr("Two columns of the file go to %1; choose one.").arg(name));
        if (name == table.key)
            result.keyField = int(result.fields.size());
        result.fields << name;
        result.columns << column;
    }
    if (result.fields.isEmpty())
        throw ImportError(Tr::tr("No column of the file goes to a field of %1: name the field of "
                                 "each column to import.")
                              .arg(table.name));

    const QHash<QString, Column> columns = columnsOf(connection, table.name);
    const QSet<qint64> stored = keysOf(connection, table.name, table.key);
    QHash<QString, References> references;
    for (const QString& name : std::as_const(result.fields)) {
        const ImportField& field = table.fields[table.fieldIndex(name)];
        if (!field.refTable.isEmpty())
            references.insert(name, referencesOf(connection, field));
    }
    // The fields a new row needs that no column gives.
    QStringList missing;
    for (const ImportField& field : table.fields)
        if (field.required && !result.fields.contains(field.name))
            missing << field.name;

    QHash<qint64, int> keysInFile;
    result.rows.reserve(file.rows.size());
    for (int r = 0; r < file.rows.size(); ++r) {
        const QStringList& cells = file.rows[r];
        CheckedRow row;
        row.row = r + 2;
        auto refuse = [&](const QString& column, const QString& value, const QString& why) {
            result.problems << CellProblem{row.row, column, value, why};
            row.valid = false;
        };
        if (cells.size() > file.header.size())
            refuse({}, {},
                   Tr::tr("it has %1 fields, the header %2")
                       .arg(cells.size())
                       .arg(file.header.size()));
        row.values.resize(result.fields.size());
        for (int f = 0; f < result.fields.size(); ++f) {
            const QString& name = result.fields[f];
            const ImportField& field = table.fields[table.fieldIndex(name)];
            const QString caption = file.header.value(result.columns[f]);
            const QString text = cells.value(result.columns[f]);
            const QString trimmed = text.trimmed();
            const Column column = columns.value(name);
            if (trimmed.isEmpty()) {
                if (field.required)
                    refuse(caption, text, Tr::tr("a %1 needs one").arg(table.rowName));
                continue; // Null
            }
            if (f == result.keyField) {
                const auto key = wholeNumber(trimmed);
                if (!key || *key < 1 || *key > 2147483647) {
                    refuse(caption, text,
                           Tr::tr("a key is a whole number from 1 to 2,147,483,647"));
                } else if (keysInFile.contains(*key)) {
                    refuse(caption, text,
                           Tr::tr("row %1 has the same key").arg(keysInFile.value(*key)));
                } else {
                    keysInFile.insert(*key, row.row);
                    row.key = key;
                    row.exists = stored.contains(*key);
                    row.values[f] = *key;
                }
                continue;
            }
            if (!field.refTable.isEmpty()) {
                const References& refs = references[name];
                const auto key = wholeNumber(trimmed);
                if (key && refs.keys.contains(*key)) {
                    row.values[f] = *key;
                } else if (const qint64 id = refs.byName.value(format::folded(trimmed), 0);
                           id > 0) {
                    row.values[f] = id;
                } else {
                    refuse(caption, text,
                           refs.byName.value(format::folded(trimmed), 0) < 0
                               ? Tr::tr("several rows of %1 have that name").arg(field.refTable)
                               : Tr::tr("%1 has no row of that name or key").arg(field.refTable));
                }
                continue;
            }
            switch (column.kind) {
            case FieldKind::Date: {
                const QDate date = ImportFile::parseDate(trimmed, file.format.dates);
                if (date.isValid())
                    row.values[f] = date.toString(Qt::ISODate);
                else
                    refuse(caption, text, Tr::tr("not a real date in the file's date order"));
                break;
            }
            case FieldKind::Integer:
            case FieldKind::Number:
            case FieldKind::Currency: {
                const auto number = ImportFile::parseNumber(trimmed, file.format.decimalComma);
                const bool whole = column.kind == FieldKind::Integer;
                if (!number || !std::isfinite(*number) || *number < double(smallestNumber) ||
                    *number > double(largestNumber) || (whole && std::floor(*number) != *number))
                    refuse(caption, text,
                           (whole ? Tr::tr("not a whole number from %1")
                                  : Tr::tr("not a number from %1"))
                               .arg(rangeText()));
                else
                    row.values[f] = FieldValue::fromUser(*number, column.kind);
                break;
            }
            default:
                if (characterCount(text) > column.size)
                    refuse(
                        caption, text.left(40),
                        Tr::tr("longer than the %1 characters the field takes").arg(column.size));
                else if (text.contains(QChar(0)))
                    refuse(caption, {}, Tr::tr("a NUL character cannot be stored"));
                else
                    row.values[f] = text;
            }
        }
        if (!row.exists && !missing.isEmpty())
            refuse({}, {},
                   Tr::tr("a new %1 needs %2, which no column gives")
                       .arg(table.rowName, missing.join(QStringLiteral(", "))));
        result.rows << row;
    }
    return result;
}

} // namespace quarvel::import
