#pragma once

#include "DbTool.h"

#include <functional>

namespace quarvel::sqlite {
class Database;
}

namespace quarvel::dbtool {

// Builds a new database at path (a file, or an empty server database named by its URL): the
// first schema, the rows `fill` writes, the later schema versions over them, then `finish` (a
// copy's rows of tables the later versions made, and its checks), all in one transaction. A
// file is built in a file of its own beside path and moved into place only when complete: a
// failure leaves neither a half-filled file nor, with force, a lost old database, and two runs
// on one path never write into the same file. Throws Error.
void buildDatabase(const QString& path, bool force, Journal journal,
                   const std::function<void(sqlite::Database&)>& fill,
                   const std::function<void(sqlite::Database&)>& finish = {});

} // namespace quarvel::dbtool
