#pragma once

#include "import/ImportFile.h"
#include "import/ImportTable.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <optional>
#include <stdexcept>

namespace quarvel {
class Connection;
}

namespace quarvel::import {

// An import that cannot begin: no column goes to a field, two columns to one, an unknown table.
class ImportError : public std::runtime_error {
public:
    explicit ImportError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// One bad cell (or row): where, what it holds and why it cannot be imported.
struct CellProblem {
    int row = 0; // the file's row, the header being row 1
    QString column;
    QString value;
    QString why;
    // "Row 3, Reorder Level 'abc': not a number." in one sentence.
    QString text() const;
};

// A row of the file as it would be written.
struct CheckedRow {
    int row = 0;
    // The values to store, one per mapped field.
    QVector<QVariant> values;
    // The key the file gives, and whether a stored row has it (the row then updates it).
    std::optional<qint64> key;
    bool exists = false;
    bool valid = true;
};

struct CheckResult {
    ImportTable table;
    QStringList fields; // the mapped fields, in the file's column order
    QList<int> columns; // the file's column of each
    int keyField = -1;  // the key among the fields, or -1
    QVector<CheckedRow> rows;
    QList<CellProblem> problems;
    int badRows() const;
};

// The checks an import makes before it writes, by the rules a window applies: text no longer
// than its column, numbers in the column's range, real dates, references that exist (given by
// key or by name), the fields a new row needs, keys that are whole numbers given once.
class ImportCheck {
public:
    // The field each column of `header` goes to by its name (empty for none); a field named by
    // two headers goes to the first.
    static QStringList autoMapping(const ImportTable& table, const QStringList& header);

    // Checks every row of `file` with its columns going to the fields `mapping` names (one
    // entry per column, empty for a column left out). Reads the stored keys and the names of
    // referred rows from `connection`. Throws ImportError for a mapping that cannot be used,
    // DatabaseError when the database cannot be read.
    static CheckResult check(Connection& connection, const ImportTable& table,
                             const ImportFile& file, const QStringList& mapping);
};

} // namespace quarvel::import
