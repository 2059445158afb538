#pragma once

#include "csv/CsvText.h"

#include <QString>
#include <QStringList>

namespace quarvel::dbtool {

// A table or saved query of a database written to a CSV file, as the program's export writes a
// grid: a header of the column names, then every row (a table's in key order), dates as
// YYYY-MM-DD and numbers with a dot unless the style is Shown.
class TableExport {
public:
    // Writes `name` (a table or saved query of the database, in any case) to `file`, or to
    // standard output for "-"; a file is written whole or not at all. Returns the rows
    // written. Throws Error, naming what may be exported when `name` is none of them.
    static qint64 write(const QString& database, const QString& name, const QString& file,
                        csv::Style style);
    // The tables and saved queries of a database of `version`.
    static QStringList names(int version);
};

} // namespace quarvel::dbtool
