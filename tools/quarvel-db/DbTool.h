#pragma once

#include <QString>
#include <QStringList>

// The logic of the quarvel-db command: build, fill and check Quarvel database files. The
// executable is a thin front end; tests and benchmarks call these functions directly.
namespace quarvel::dbtool {

// The schema (tables, saved queries as views, indexes) compiled into the program.
QString schemaSql();

// The journal a new database keeps (it is stored in the file; opening it changes nothing).
// WAL lets readers go on while another connection writes; it needs shared memory between
// the programs, which a file on a network share does not give: such files take the
// rollback journal.
enum class Journal { Wal, Rollback };

// Writes a new database at path: the schema and the single company row, and with sample
// a small garden-supply business over the year 2021. Refuses an existing file unless force,
// and with force a file that another program has open. The file is built under a name of
// its own beside path and moved into place only when complete. Throws Error.
void createDatabase(const QString& path, bool sample, bool force, Journal journal = Journal::Wal);

struct GenerateOptions {
    int products = 1000;
    int transactions = 10000;
    // Purchase orders; 0 gives one per 40 transactions (at least one).
    int orders = 0;
    // Order lines besides the transactions, spread evenly over the orders in order.
    int lines = 0;
};

// Writes a new database at path holding a large deterministic data set (same rules for an
// existing file as createDatabase). Throws Error.
void generate(const QString& path, const GenerateOptions& options, bool force,
              Journal journal = Journal::Wal);

// Every problem that would stop the program from working on the file: missing tables,
// columns and saved queries (views) by name, saved queries that fail, a missing company
// row, damage found by SQLite's integrity check, rows that refer to missing rows, a file
// the program cannot save to. Empty for a good database. Throws Error, saying what the file
// is, when it cannot be checked at all: missing, empty, not a database, locked by another
// program, unreadable.
QStringList check(const QString& path);

} // namespace quarvel::dbtool
