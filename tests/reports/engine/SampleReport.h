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
    r.name = QStringLiteral("DataReport1");
    r.title = QStringLiteral("Product Cost Comparisons");
    r.width = 9375;
    r.reportHeader = {
        QStringLiteral("Section4"),
        1380,
        {I::shape(QStringLiteral("Shape1"), {0, 75, 9315, 210}, Qt::white, QColor(224, 224, 224)),
         I::label(QStringLiteral("Label3"), {195, 390, 6105, 555}, r.title).size(21.75).bold(),
         I::label(QStringLiteral("Label1"), {6390, 405, 2940, 240}, QStringLiteral("%D")).right(),
         I::label(QStringLiteral("Label2"), {6405, 675, 2925, 240}, QStringLiteral("%T")).right()}};
    r.pageHeader = {
        QStringLiteral("Section2"),
        360,
        {I::label(QStringLiteral("Label4"), {0, 0, 1605, 240}, QStringLiteral("Product Name")),
         I::label(QStringLiteral("Label7"), {7920, 0, 1275, 240}, QStringLiteral("Total Units")),
         I::line(QStringLiteral("Line1"), {0, 300, 9315, 0})}};
    r.groupHeader = {QStringLiteral("cm1_Header"),
                     270,
                     {I::field(QStringLiteral("txtProductName"), {0, 0, 2160, 240},
                               QStringLiteral("ProductName"))
                          .grows()}};
    r.detail = {QStringLiteral("cm1B_Detail"),
                315,
                {I::field(QStringLiteral("txtSupplierName"), {2730, 0, 2700, 240},
                          QStringLiteral("SupplierName"))
                     .grows(),
                 I::field(QStringLiteral("txtAvgUnitPrice"), {5490, 0, 1755, 240},
                          QStringLiteral("Avg Unit Price"))
                     .right()
                     .formatted(QStringLiteral("$##0.00")),
                 I::field(QStringLiteral("txtTotalUnits"), {7320, 0, 2055, 240},
                          QStringLiteral("Total Units"))
                     .right()}};
    r.groupFooter = {QStringLiteral("cm1_Footer"),
                     315,
                     {I::sum(QStringLiteral("sumGroupPrice"), {5490, 0, 1755, 240},
                             QStringLiteral("Avg Unit Price"), ReportItem::Source::Child)
                          .right()
                          .formatted(QStringLiteral("$##0.00"))}};
    r.pageFooter = {
        QStringLiteral("Section3"),
        375,
        {I::label(QStringLiteral("Label5"), {135, 0, 2940, 240}, QStringLiteral("%D")).right(),
         I::label(QStringLiteral("Label6"), {6555, 0, 2685, 240}, QStringLiteral("Page %p of %P"))
             .right()}};
    r.reportFooter = {
        QStringLiteral("Section5"),
        459,
        {I::label(QStringLiteral("Label9"), {975, 0, 1290, 240}, QStringLiteral("Grand Total")),
         I::sum(QStringLiteral("Function1"), {7635, 0, 1380, 240}, QStringLiteral("Total Units"))
             .right()}};
    return r;
}

// Products 1 to `products`; product 2 has no suppliers, the others `suppliers` each, listed
// out of product order.
inline ReportData costData(int products = 3, int suppliers = 2) {
    ReportTable master({QStringLiteral("ProductID"), QStringLiteral("ProductName"),
                        QStringLiteral("Total Units")});
    ReportTable child({QStringLiteral("ProductID"), QStringLiteral("SupplierName"),
                       QStringLiteral("Avg Unit Price"), QStringLiteral("Total Units")});
    for (int p = 1; p <= products; ++p) {
        int units = 0;
        if (p != 2) {
            for (int s = 1; s <= suppliers; ++s)
                units += p + s;
        }
        master.addRow({p, QStringLiteral("Product %1").arg(p), units});
    }
    for (int s = 1; s <= suppliers; ++s) {
        for (int p = products; p >= 1; --p) {
            if (p != 2)
                child.addRow({p, QStringLiteral("Supplier %1-%2").arg(p).arg(s), 2.5 * s, p + s});
        }
    }
    return ReportData::shaped(master, child, QStringLiteral("ProductID"),
                              QStringLiteral("ProductID"));
}

} // namespace sample
