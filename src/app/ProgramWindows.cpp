#include "app/ProgramWindows.h"

#include "count/CountWindow.h"
#include "find/FindProductWindow.h"
#include "history/window/HistoryWindow.h"
#include "import/window/ImportWindow.h"
#include "orders/PauseWindow.h"
#include "orders/PurchaseOrdersWindow.h"
#include "reference/CategoriesWindow.h"
#include "reference/CompanyInformationWindow.h"
#include "reference/EmployeesWindow.h"
#include "reference/ShippingMethodsWindow.h"
#include "reference/SuppliersWindow.h"
#include "reorder/ReorderWindow.h"
#include "reports/ReportDateRangeWindow.h"
#include "reports/ReportsWindow.h"
#include "shell/WindowTable.h"

namespace quarvel {

void registerProgramWindows(shell::Session& session) {
    using shell::WindowTable;
    WindowTable::clear();
    WindowTable::registerWindow(shell::WindowId::Form2,
                                WindowTable::modal<reference::CategoriesWindow>(session));
    WindowTable::registerWindow(shell::WindowId::Form6,
                                WindowTable::modal<reference::EmployeesWindow>(session));
    WindowTable::registerWindow(shell::WindowId::Form3,
                                WindowTable::modal<reports::ReportsWindow>(session));
    WindowTable::registerWindow(shell::WindowId::Form4,
                                WindowTable::modal<reference::ShippingMethodsWindow>());
    WindowTable::registerWindow(shell::WindowId::Form5,
                                WindowTable::modal<reference::SuppliersWindow>());
    WindowTable::registerWindow(shell::WindowId::Form7,
                                WindowTable::modal<reference::CompanyInformationWindow>());
    WindowTable::registerWindow(shell::WindowId::Form8,
                                WindowTable::modal<orders::PurchaseOrdersWindow>(session));
    WindowTable::registerWindow(shell::WindowId::Form9, WindowTable::modal<orders::PauseWindow>());
    WindowTable::registerWindow(shell::WindowId::Form10,
                                WindowTable::modal<reports::ReportDateRangeWindow>(session));
    WindowTable::registerWindow(shell::WindowId::FindProduct,
                                WindowTable::modal<FindProductWindow>(session));
    WindowTable::registerWindow(shell::WindowId::ReorderStock,
                                WindowTable::modal<reorder::ReorderWindow>(session));
    WindowTable::registerWindow(shell::WindowId::CountStock,
                                WindowTable::modal<count::CountWindow>());
    WindowTable::registerWindow(shell::WindowId::ImportData,
                                WindowTable::modal<import::ImportWindow>());
    WindowTable::registerWindow(shell::WindowId::History,
                                WindowTable::modal<history::HistoryWindow>());
    // A window left out of the table is found here, not when its button is pressed.
    WindowTable::requireEveryWindow();
}

} // namespace quarvel
