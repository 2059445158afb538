#include "shell/Session.h"

#include "data/Recordset.h"

namespace quarvel::shell {

Session::~Session() {
    releaseRecordsets();
}

void Session::releaseRecordsets() {
    rsEmployees.reset();
    rsTransactions.reset();
    rsProductTotals.reset();
    rsCategories.reset();
    rsProducts.reset();
}

} // namespace quarvel::shell
