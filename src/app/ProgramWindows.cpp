#include "app/ProgramWindows.h"

#include "orders/PauseWindow.h"
#include "orders/PurchaseOrdersWindow.h"
#include "reference/CategoriesWindow.h"
#include "reference/CompanyInformationWindow.h"
#include "reference/EmployeesWindow.h"
#include "reference/ShippingMethodsWindow.h"
#include "reference/SuppliersWindow.h"
#include "reports/ReportDateRangeWindow.h"
#include "reports/ReportsWindow.h"
#include "shell/WindowTable.h"

namespace quarvel {

void registerProgramWindows() {
    using shell::WindowTable;
    WindowTable::clear();
    WindowTable::registerWindow(QStringLiteral("Form2"),
                                WindowTable::modal<reference::CategoriesWindow>());
    WindowTable::registerWindow(QStringLiteral("Form6"),
                                WindowTable::modal<reference::EmployeesWindow>());
    WindowTable::registerWindow(QStringLiteral("Form3"),
                                WindowTable::modal<reports::ReportsWindow>());
    WindowTable::registerWindow(QStringLiteral("Form4"),
                                WindowTable::modal<reference::ShippingMethodsWindow>());
    WindowTable::registerWindow(QStringLiteral("Form5"),
                                WindowTable::modal<reference::SuppliersWindow>());
    WindowTable::registerWindow(QStringLiteral("Form7"),
                                WindowTable::modal<reference::CompanyInformationWindow>());
    WindowTable::registerWindow(QStringLiteral("Form8"),
                                WindowTable::modal<orders::PurchaseOrdersWindow>());
    WindowTable::registerWindow(QStringLiteral("Form9"), WindowTable::modal<orders::PauseWindow>());
    WindowTable::registerWindow(QStringLiteral("Form10"),
                                WindowTable::modal<reports::ReportDateRangeWindow>());
}

} // namespace quarvel
