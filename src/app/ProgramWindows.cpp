#include "app/ProgramWindows.h"

#include "orders/PauseWindow.h"
#include "orders/PurchaseOrdersWindow.h"
#include "reports/ReportDateRangeWindow.h"
#include "reports/ReportsWindow.h"
#include "shell/WindowTable.h"

namespace quarvel {

void registerProgramWindows() {
    using shell::WindowTable;
    WindowTable::clear();
    WindowTable::registerWindow(QStringLiteral("Form3"),
                                WindowTable::modal<reports::ReportsWindow>());
    WindowTable::registerWindow(QStringLiteral("Form8"),
                                WindowTable::modal<orders::PurchaseOrdersWindow>());
    WindowTable::registerWindow(QStringLiteral("Form9"), WindowTable::modal<orders::PauseWindow>());
    WindowTable::registerWindow(QStringLiteral("Form10"),
                                WindowTable::modal<reports::ReportDateRangeWindow>());
}

} // namespace quarvel
