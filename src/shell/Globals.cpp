#include "shell/Globals.h"

#include "data/DatabaseError.h"
#include "data/Recordset.h"

#include <QCoreApplication>

namespace quarvel {

namespace {
QDate fixedToday;
} // namespace

QDate today() {
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void setTodayForTesting(const QDate& date) {
    fixedToday = date;
}

Recordset& recordsetOf(Recordset* recordset) {
    if (!recordset)
        throw DatabaseError(QCoreApplication::translate(
            "Globals", "Object variable or With block variable not set"));
    return *recordset;
}

Recordset& recordsetOf(const std::shared_ptr<Recordset>& variable) {
    return recordsetOf(variable.get());
}

} // namespace quarvel
