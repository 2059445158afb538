#include "reference/SuppliersWindow.h"

namespace quarvel::reference {

SuppliersWindow::SuppliersWindow(const QString& programFolder, QWidget* parent)
    : SingleRecordWindow(suppliersLayout(), programFolder, parent) {}

SingleRecordWindow::Layout SuppliersWindow::suppliersLayout() {
    Layout layout;
    layout.name = QStringLiteral("Form5");
    layout.caption = tr("Suppliers");
    layout.width = 8400;
    layout.source = QStringLiteral("Select * from Suppliers");
    layout.barCaption = tr("Suppliers");
    layout.heading = QStringLiteral("SupplierName");
    layout.idCaption = tr("Supplier ID:");
    layout.idName = QStringLiteral("SupplierID");
    layout.keyField = QStringLiteral("SupplierID");
    layout.nameField = QStringLiteral("SupplierName");
    layout.boxes = {
        {0, 1, tr("Suppliers Name:"), QStringLiteral("SupplierName")},
        {2, 2, tr("Contact Name:"), QStringLiteral("ContactName")},
        {1, 3, tr("Contact Title:"), QStringLiteral("ContactTitle")},
    };
    layout.boxes += addressBoxes();
    layout.boxes.append({12, 11, tr("Notes:"), QStringLiteral("Notes"), 3});
    layout.addCaption = tr("Add New Supplier");
    layout.deleteCaption = tr("Delete Current Supplier");
    layout.saveCaption = tr("Save Supplier");
    layout.newName = tr("New Supplier");
    layout.recordKind = tr("Supplier");
    layout.deleteQuestion = tr("Do you really want to delete this Supplier ?");
    return layout;
}

} // namespace quarvel::reference
