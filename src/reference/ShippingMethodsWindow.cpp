#include "reference/ShippingMethodsWindow.h"

namespace quarvel::reference {

ShippingMethodsWindow::ShippingMethodsWindow(const QString& programFolder, QWidget* parent)
    : SingleRecordWindow(shippingMethodsLayout(), programFolder, parent) {}

SingleRecordWindow::Layout ShippingMethodsWindow::shippingMethodsLayout() {
    Layout layout;
    layout.name = QStringLiteral("Form4");
    layout.caption = tr("Shipping Methods");
    layout.width = 7200;
    layout.source = QStringLiteral("Select * from [Shipping Methods]");
    layout.barCaption = tr("Shipping Methods");
    layout.pointSize = 9;
    layout.idCaption = tr("Shipping Method ID:");
    layout.idName = QStringLiteral("ShippingMethodID");
    layout.keyField = QStringLiteral("ShippingMethodID");
    layout.nameField = QStringLiteral("ShippingMethod");
    layout.boxes = {{0, 1, tr("Shipping Method:"), QStringLiteral("ShippingMethod")}};
    layout.addCaption = tr("Add Method");
    layout.deleteCaption = tr("Delete Method");
    layout.saveCaption = tr("Save Method");
    layout.newName = tr("New Shipping Method");
    layout.recordKind = tr("Shipping Method");
    layout.deleteQuestion = tr("Do you really want to delete this Shipping Method ?");
    layout.nameBox = 0;
    layout.handOverBoxes = true;
    return layout;
}

} // namespace quarvel::reference
