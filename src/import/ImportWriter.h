#pragma once

#include "import/ImportCheck.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace quarvel {
class Connection;
}

namespace quarvel::import {

// All or nothing: the rows are written only when every row is valid. Valid rows: the valid rows
// are written, the others left out (and written to the error file).
enum class ImportMode { AllOrNothing, ValidRows };

// What an import did.
struct ImportOutcome {
    int added = 0;
    int updated = 0;
    int refused = 0;
    int rows = 0;
    ImportMode mode = ImportMode::AllOrNothing;
    QString table;
    QString errorFile; // where the refused rows went, when they were written
    // One or two sentences for the user; a count of nothing always says why.
    QString summary() const;
};

// Writes checked rows in one transaction: a row whose key is stored updates that row (the
// fields the file gives, no others); any other row is added, with its key when it gives one.
// Refused rows, with their reasons, go to `errorFile` when one is named: the file's own
// columns and an "Errors" column, so that it can be fixed and imported again (the extra column
// goes to no field). A failure of the database rolls everything back and is thrown
// (DatabaseError); then nothing was imported.
class ImportWriter {
public:
    static ImportOutcome write(const std::shared_ptr<Connection>& connection,
                               const CheckResult& checked, const ImportFile& file, ImportMode mode,
                               const QString& errorFile = {});
    // The error file's rows: the header and "Errors", then each refused row with its reasons.
    static QList<QStringList> errorRows(const CheckResult& checked, const ImportFile& file);
};

} // namespace quarvel::import
