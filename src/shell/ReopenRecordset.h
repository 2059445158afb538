#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace quarvel {
class Recordset;
}

namespace quarvel::shell {

// Replaces the recordset a grid shows with a new one on `source`: a new connection into
// SharedConnection, a new recordset opened and re-queried into `variable`, then `rebind` hands
// it to the grid's bar. The previous recordset stays alive until `rebind` has run, whether or
// not the new one opens; a failure is rethrown after the rebind (to no recordset).
void reopenRecordset(std::shared_ptr<Recordset>& variable, const QString& source,
                     const std::function<void()>& rebind);

} // namespace quarvel::shell
