#pragma once

#include <QString>
#include <QTextStream>

namespace quarvel::dbtool {

// quarvel-db import: a CSV file into Products, Suppliers, Categories or Employees, with the
// checks and writing of the program's import window (see import/).
class TableImport {
public:
    struct Options {
        bool validRows = false; // import the valid rows; otherwise all or nothing
        QString errorFile;      // where refused rows go, with their reasons
        // The file's format where the user says it (-1: as found): the encoding (0 UTF-8,
        // 1 Latin-1), the separator (0 comma, 1 semicolon, 2 tab), the date order (as
        // import::DateOrder) and the decimal comma (0 no, 1 yes).
        int encoding = -1;
        int separator = -1;
        int dates = -1;
        int decimalComma = -1;
    };
    // Imports `file` into `table` of `database`, telling what it did on `out` and each refused
    // cell on `err`. Returns the exit code: 0 when every row was imported, 1 otherwise. Throws
    // Error when the import cannot begin or the database fails (then nothing was imported).
    static int run(const QString& database, const QString& table, const QString& file,
                   const Options& options, QTextStream& out, QTextStream& err);
};

} // namespace quarvel::dbtool
