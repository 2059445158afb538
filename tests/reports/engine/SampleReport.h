#pragma once

// A small master/detail report in the style of the product reports, and its rows.

#include "reports/engine/ReportData.h"
#include "reports/engine/ReportDefinition.h"
#include "reports/engine/ReportLayout.h"

namespace sample {

using namespace quarvel::reports;

// A fixed clock and locale, so dates, times and formats print the same on every machine.
inline LayoutOptions options() {
    LayoutOptions o;
    o.now = QDateTime(QDate(2025, 1, 15), QTime(13, 2, 3));
    o.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return o;
}

inline ReportDefinition costReport() {
    using I = ReportItem;
    ReportDefinition r;
    r.name = "DataReport1";
    r.title = "Product Cost Comparisons";
    r.width = 9375;
    r.reportHeader = {"Section4",
                      1380,
                      {I::shape("Shape1", {0, 75, 9315, 210}, Qt::white, QColor(224, 224, 224)),
                       I::label("Label3", {195, 390, 6105, 555}, r.title).size(21.75).bold(),
                       I::label("Label1", {6390, 405, 2940, 240}, "%D").right(),
                       I::label("Label2", {6405, 675, 2925, 240}, "%T").right()}};
    r.pageHeader = {"Section2",
                    360,
                    {I::label("Label4", {0, 0, 1605, 240}, "Product Name"),
                     I::label("Label7", {7920, 0, 1275, 240}, "Total Units"),
                     I::line("Line1", {0, 300, 9315, 0})}};
    r.groupHeader = {
        "cm1_Header", 270, {I::field("txtProductName", {0, 0, 2160, 240}, "ProductName").grows()}};
    r.detail = {"cm1B_Detail",
                315,
                {I::field("txtSupplierName", {2730, 0, 2700, 240}, "SupplierName").grows(),
                 I::field("txtAvgUnitPrice", {5490, 0, 1755, 240}, "Avg Unit Price")
                     .right()
                     .formatted("$##0.00"),
                 I::field("txtTotalUnits", {7320, 0, 2055, 240}, "Total Units").right()}};
    r.groupFooter = {
        "cm1_Footer",
        315,
        {I::sum("sumGroupPrice", {5490, 0, 1755, 240}, "Avg Unit Price", ReportItem::Source::Child)
             .right()
             .formatted("$##0.00")}};
    r.pageFooter = {"Section3",
                    375,
                    {I::label("Label5", {135, 0, 2940, 240}, "%D").right(),
                     I::label("Label6", {6555, 0, 2685, 240}, "Page %p of %P").right()}};
    r.reportFooter = {"Section5",
                      459,
                      {I::label("Label9", {975, 0, 1290, 240}, "Grand Total"),
                       I::sum("Function1", {7635, 0, 1380, 240}, "Total Units").right()}};
    return r;
}

// Products 1 to `products`; product 2 has no suppliers, the others `suppliers` each, listed
// out of product order.
inline ReportData costData(int products = 3, int suppliers = 2) {
    ReportTable master({"ProductID", "ProductName", "Total Units"});
    ReportTable child({"ProductID", "SupplierName", "Avg Unit Price", "Total Units"});
    for (int p = 1; p <= products; ++p) {
        int units = 0;
        if (p != 2) {
            for (int s = 1; s <= suppliers; ++s)
                units += p + s;
        }
        master.addRow({p, QString("Product %1").arg(p), units});
    }
    for (int s = 1; s <= suppliers; ++s) {
        for (int p = products; p >= 1; --p) {
            if (p != 2)
                child.addRow({p, QString("Supplier %1-%2").arg(p).arg(s), 2.5 * s, p + s});
        }
    }
    return ReportData::shaped(master, child, "ProductID", "ProductID");
}

} // namespace sample
