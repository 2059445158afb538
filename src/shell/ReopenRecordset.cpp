#include "shell/ReopenRecordset.h"

#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"

namespace quarvel::shell {

void reopenRecordset(std::shared_ptr<Recordset>& variable, const QString& source,
                     const std::function<void()>& rebind) {
    std::shared_ptr<Recordset> previous = std::move(variable);
    try {
        SharedConnection = OpenConnection();
        variable = std::make_shared<Recordset>();
        variable->Open(source, SharedConnection);
        variable->Requery();
    } catch (...) {
        rebind();
        throw;
    }
    rebind();
}

} // namespace quarvel::shell
