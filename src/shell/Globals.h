#pragma once

#include <QDate>
#include <QString>
#include <memory>

namespace quarvel {

class Recordset;

// Today's date, as stamped on new rows. Tests fix it with setTodayForTesting so that nothing
// depends on the clock; an invalid date (the default) reads the system clock again.
QDate today();
void setTodayForTesting(const QDate& date);

// The recordset a variable holds; throws DatabaseError, as the platform does for an unset object
// variable, when it holds none (a window whose start-up failed before opening it).
Recordset& recordsetOf(const std::shared_ptr<Recordset>& variable);
// The same for a recordset a control is bound to.
Recordset& recordsetOf(Recordset* recordset);

} // namespace quarvel
