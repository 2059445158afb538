// The printed purchase order, DataReport5: letterhead, order data, the supplier it is ordered
// from, one row per order line and the order total.

#include "DataReports.h"

#include <QCoreApplication>

namespace quarvel::reports {

namespace {

using I = ReportItem;

QString s(const char* text) {
    return QString::fromUtf8(text);
}

I caption(const char* name, const QRect& rect, const char* text) {
    return I::label(s(name), rect, QCoreApplication::translate("Reports", text));
}

I heading(const char* name, int left, int width, const char* text) {
    return I::label(s(name), {left, 4755, width, 285}, QCoreApplication::translate("Reports", text))
        .color(reportcolors::heading);
}

I value(const char* name, const QRect& rect, const char* field) {
    return I::field(s(name), rect, s(field));
}

} // namespace

ReportDefinition DataReport5() {
    ReportDefinition r;
    r.name = s("DataReport5");
    r.title = reportTitle(5);
    r.width = 9420;
    r.orientation = QPageLayout::Portrait;
    r.margins = QMargins(1080, 1440, 1080, 1440);
    r.font.bold = true;
    const QString date = s("mm/dd/yyyy");
    const QString money = s("$######0.00");

    r.reportHeader = {
        s("Section4"),
        1380,
        {I::shape(s("Shape1"), {0, 75, 9315, 210}, Qt::white, reportcolors::band),
         I::label(s("Label3"), {195, 390, 4485, 555}, r.title).size(21.75).bold(),
         caption("Label1", {6390, 405, 2940, 240}, "%D").right().color(reportcolors::headerTime),
         caption("Label2", {6405, 675, 2925, 240}, "%T").right().color(reportcolors::headerTime)}};
    r.pageHeader = {s("Section2"), 0, {}};
    // An order continued on another page repeats its header there, its number marked.
    r.continuedItem = s("txtPurchaseOrderID");
    r.groupHeader = {
        s("cm1_Header"),
        5055,
        {value("txtCompanyName", {0, 15, 5040, 240}, "CompanyName"),
         value("txtAddress", {15, 315, 5025, 240}, "Address"),
         value("txtCity", {0, 615, 5040, 240}, "City"),
         value("txtCountry", {0, 930, 5040, 240}, "Country"),
         caption("lblPhone", {0, 1245, 5070, 285}, QT_TRANSLATE_NOOP("Reports", "Phone")),
         I::shape(s("Shape2"), {75, 1590, 9015, 1650}, reportcolors::frame),
         caption("Label4", {315, 1740, 1605, 285}, QT_TRANSLATE_NOOP("Reports", "Order Date")),
         value("txtOrderDate", {1965, 1762, 1560, 240}, "OrderDate").formatted(date),
         caption("Label5", {330, 2115, 1605, 285}, QT_TRANSLATE_NOOP("Reports", "PO ID")),
         value("txtPurchaseOrderID", {1965, 2137, 1560, 240}, "PurchaseOrderID"),
         caption("Label6", {315, 2460, 1605, 285}, QT_TRANSLATE_NOOP("Reports", "Date Required")),
         value("txtDateRequired", {1965, 2482, 1560, 240}, "DateRequired").formatted(date),
         caption("Label7", {315, 2820, 1605, 285}, QT_TRANSLATE_NOOP("Reports", "Date Promised")),
         value("txtDatePromised", {1950, 2842, 1560, 240}, "DatePromised").formatted(date),
         caption("Label8", {4200, 1740, 1605, 285}, QT_TRANSLATE_NOOP("Reports", "Employee")),
         value("txtEmployee", {5835, 1785, 2505, 240}, "Employee"),
         caption("Label9", {4215, 2115, 1605, 285}, QT_TRANSLATE_NOOP("Reports", "Ship Via")),
         value("txtShippingMethod", {5850, 2130, 2475, 240}, "ShippingMethod"),
         caption("Label10", {4200, 2460, 1605, 285}, QT_TRANSLATE_NOOP("Reports", "Description")),
         value("txtPurchaseOrderDescription", {5850, 2475, 2430, 615}, "PurchaseOrderDescription"),
         caption("Label11", {30, 3360, 1770, 285}, QT_TRANSLATE_NOOP("Reports", "Ordered From:")),
         value("txtContactName", {1785, 3390, 4635, 240}, "ContactName"),
         value("txtSupplierName", {1785, 3630, 4635, 240}, "SupplierName"),
         value("txtAddress1", {1785, 3870, 4635, 240}, "Address1"),
         value("txtAdress2", {1785, 4110, 4635, 240}, "Adress2"),
         value("txtCountry1", {1785, 4410, 4635, 240}, "Country1"),
         heading("Label12", 90, 1065, QT_TRANSLATE_NOOP("Reports", "Product ID")),
         heading("Label13", 1425, 1500, QT_TRANSLATE_NOOP("Reports", "Product Name")),
         heading("Label14", 5745, 525, QT_TRANSLATE_NOOP("Reports", "Units")),
         heading("Label15", 6960, 975, QT_TRANSLATE_NOOP("Reports", "Unit Price")),
         heading("Label16", 8565, 840, QT_TRANSLATE_NOOP("Reports", "Subtotal")),
         I::line(s("Line1"), {0, 5010, 9420, 0})}};
    r.detail = {s("cm1B_Detail"),
                285,
                {value("txtProductID", {0, 0, 1365, 240}, "Inventory Transactions.ProductID"),
                 value("txtProductName", {1455, 0, 3270, 285}, "ProductName"),
                 value("txtUnitsOrdered", {4740, 0, 1515, 285}, "UnitsOrdered").right(),
                 value("txtUnitPrice", {6345, 0, 1590, 285}, "Inventory Transactions.UnitPrice")
                     .right()
                     .formatted(s("$##0.00")),
                 value("txtSubtotal", {8055, 0, 1350, 285}, "Subtotal").right().formatted(money)}};
    r.groupFooter = {
        s("cm1_Footer"),
        345,
        {I::line(s("Line2"), {8025, 45, 1395, 0}),
         caption("Label17", {6690, 60, 1065, 285}, QT_TRANSLATE_NOOP("Reports", "Order Total"))
             .color(reportcolors::heading),
         I::sum(s("txtOrderTotal"), {8025, 60, 1380, 255}, s("Subtotal"), ReportItem::Source::Child)
             .right()
             .formatted(money)}};
    r.pageFooter = {
        s("Section3"),
        375,
        {caption("Label18", {135, 120, 2940, 240}, "%D").right().color(reportcolors::heading),
         caption("Label19", {6555, 135, 2685, 240}, QT_TRANSLATE_NOOP("Reports", "Page %p of %P"))
             .right()
             .color(reportcolors::heading)}};
    r.reportFooter = {s("Section5"), 0, {}};
    return r;
}

} // namespace quarvel::reports
