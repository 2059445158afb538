#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

namespace quarvel {

class Recordset;

// The program-wide variables. The first four recordsets belong to the Products window, which
// opens them at start-up and releases them when it goes; other windows reach them here while it
// lives. rsTransactions and rsProductTotals are replaced by new objects whenever the Products
// window reloads its grid or its stock figures, so callers read the variable each time rather
// than keep the pointer. rsEmployees is the Employees window's, opened afresh at each of its
// loads; it stays open after the window closes, until the next load or the program's end.
extern std::shared_ptr<Recordset> rsProducts;
extern std::shared_ptr<Recordset> rsTransactions;
extern std::shared_ptr<Recordset> rsProductTotals;
extern std::shared_ptr<Recordset> rsCategories;
extern std::shared_ptr<Recordset> rsEmployees;

// True asks the Purchase Orders window to start a new order when it opens.
extern bool blnNewPurchaseOrder;

// The report period as last displayed.
extern QString strBeginDate;
extern QString strEndDate;

// Today's date, as stamped on new rows. Tests fix it with setTodayForTesting so that nothing
// depends on the clock; an invalid date (the default) reads the system clock again.
QDate today();
void setTodayForTesting(const QDate& date);

// The recordset a variable holds; throws DatabaseError, as the platform does for an unset object
// variable, when it holds none (a window whose start-up failed before opening it).
Recordset& recordsetOf(const std::shared_ptr<Recordset>& variable);
// The same for a recordset a control is bound to.
Recordset& recordsetOf(Recordset* recordset);

// Releases the program-wide recordsets (the Products window calls it when it goes).
void releaseProgramRecordsets();

} // namespace quarvel
