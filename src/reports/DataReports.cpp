#include "DataReports.h"

#include "reports/engine/ReportError.h"

#include <QCoreApplication>

namespace quarvel::reports {

namespace {

using I = ReportItem;
constexpr int textHeight = 240;
constexpr double titleSize = 21.75;

QString s(const char* text) {
    return QString::fromUtf8(text);
}

I heading(const char* name, int left, int width, const char* caption, int top = 0) {
    return I::label(s(name), {left, top, width, textHeight},
                    QCoreApplication::translate("Reports", caption))
        .color(reportcolors::heading);
}

// Section4 of DataReport1 to DataReport4: band, title, date and time.
ReportSection commonHeader(const QString& title, int bandWidth, int titleWidth, int dateLeft) {
    return {s("Section4"),
            1380,
            {I::shape(s("Shape1"), {0, 75, bandWidth, 210}, Qt::white, reportcolors::band),
             I::label(s("Label3"), {195, 390, titleWidth, 555}, title).size(titleSize).bold(),
             I::label(s("Label1"), {dateLeft, 405, 2940, textHeight}, s("%D"))
                 .right()
                 .color(reportcolors::headerTime),
             I::label(s("Label2"), {dateLeft + 15, 675, 2925, textHeight}, s("%T"))
                 .right()
                 .color(reportcolors::headerTime)}};
}

I pageLabel(int left, int top) {
    return I::label(s("Label6"), {left, top, 2685, textHeight},
                    QCoreApplication::translate("Reports", "Page %p of %P"))
        .right()
        .color(reportcolors::heading);
}

// Section3: today's date and "Page %p of %P".
ReportSection pageFooter(int dateLeft, int pageLeft, int height, int dateTop = 0, int pageTop = 0) {
    return {s("Section3"),
            height,
            {I::label(s("Label5"), {dateLeft, dateTop, 2940, textHeight}, s("%D"))
                 .right()
                 .color(reportcolors::heading),
             pageLabel(pageLeft, pageTop)}};
}

// The two figure columns that the product and supplier reports share.
I averagePrice() {
    return I::field(s("txtAvgUnitPrice"), {5490, 0, 1755, textHeight}, s("Avg Unit Price"))
        .right()
        .formatted(s("$##0.00"));
}

I totalUnits() {
    return I::field(s("txtTotalUnits"), {7320, 0, 2055, textHeight}, s("Total Units")).right();
}

ReportDefinition base(int number, int width, QPageLayout::Orientation orientation) {
    ReportDefinition r;
    r.name = QStringLiteral("DataReport%1").arg(number);
    r.title = reportTitle(number);
    r.width = width;
    r.orientation = orientation;
    // One inch at top and bottom; the sides leave the report's width room on letter and A4.
    r.margins = orientation == QPageLayout::Portrait ? QMargins(1080, 1440, 1080, 1440)
                                                     : QMargins(1440, 1440, 1440, 1440);
    r.reportFooter = {s("Section5"), 0, {}};
    return r;
}

} // namespace

ReportDefinition DataReport1() {
    ReportDefinition r = base(1, 9375, QPageLayout::Portrait);
    r.reportHeader = commonHeader(r.title, 9315, 6105, 6390);
    r.pageHeader = {s("Section2"),
                    360,
                    {heading("Label4", 0, 1605, QT_TRANSLATE_NOOP("Reports", "Product Name")),
                     heading("Label7", 2805, 1650, QT_TRANSLATE_NOOP("Reports", "Supplier Name")),
                     heading("Label8", 5925, 1515, QT_TRANSLATE_NOOP("Reports", "Avg Unit Price")),
                     heading("Label9", 7920, 1275, QT_TRANSLATE_NOOP("Reports", "Total Units")),
                     I::line(s("Line1"), {0, 300, 9315, 0})}};
    r.groupHeader = {
        s("cm1_Header"),
        270,
        {I::field(s("txtProductName"), {0, 0, 2160, textHeight}, s("ProductName")).grows()}};
    r.detail = {
        s("cm1B_Detail"),
        315,
        {I::field(s("txtSupplierName"), {2730, 0, 2700, textHeight}, s("SupplierName")).grows(),
         averagePrice(), totalUnits()}};
    r.groupFooter = {s("cm1_Footer"),
                     315,
                     {heading("Label10", 7695, 615, QT_TRANSLATE_NOOP("Reports", "Count")),
                      I::field(s("txtProductUnits"), {8340, 0, 1020, textHeight}, s("Total Units"))
                          .fromMaster()
                          .right()}};
    r.pageFooter = pageFooter(135, 6555, 375);
    r.reportFooter = {s("Section5"),
                      459,
                      {heading("Label11", 975, 1290, QT_TRANSLATE_NOOP("Reports", "Grand Total")),
                       I::sum(s("Function1"), {7635, 0, 1380, textHeight}, s("Total Units"),
                              ReportItem::Source::Master)
                           .right()}};
    return r;
}

ReportDefinition DataReport2() {
    ReportDefinition r = base(2, 9375, QPageLayout::Portrait);
    r.reportHeader = commonHeader(r.title, 9315, 6495, 6390);
    r.reportHeader.items.push_back(
        I::label(s("lblPeriod"), {30, 1065, 8010, 285},
                 QCoreApplication::translate(
                     "Reports", "For Transactions Between: %strBeginDate  and %strEndDate"))
            .color(reportcolors::heading));
    r.pageHeader = {s("Section2"),
                    375,
                    {heading("Label4", 0, 1650, QT_TRANSLATE_NOOP("Reports", "Supplier Name")),
                     heading("Label7", 3225, 1500, QT_TRANSLATE_NOOP("Reports", "Product Name")),
                     heading("Label8", 5925, 1515, QT_TRANSLATE_NOOP("Reports", "Avg Unit Price")),
                     heading("Label9", 7920, 1275, QT_TRANSLATE_NOOP("Reports", "Total Units")),
                     I::line(s("Line1"), {60, 300, 9225, 0})}};
    r.groupHeader = {
        s("cm1_Header"),
        285,
        {I::field(s("txtSupplierName"), {0, 0, 2700, textHeight}, s("SupplierName")).grows()}};
    r.detail = {
        s("cm1B_Detail"),
        285,
        {I::field(s("txtProductName"), {3195, 0, 2190, textHeight}, s("ProductName")).grows(),
         averagePrice(), totalUnits()}};
    r.groupFooter = {s("cm1_Footer"), 0, {}};
    // The page number only: the date is in the header.
    r.pageFooter = {s("Section3"), 375, {pageLabel(6555, 0)}};
    return r;
}

ReportDefinition DataReport3() {
    ReportDefinition r = base(3, 12240, QPageLayout::Landscape);
    r.reportHeader = commonHeader(r.title, 12165, 6495, 9300);
    r.pageHeader = {
        s("Section2"),
        375,
        {heading("Label4", 0, 1500, QT_TRANSLATE_NOOP("Reports", "Product Name")),
         heading("Label7", 2325, 1650, QT_TRANSLATE_NOOP("Reports", "Reorder Level")),
         heading("Label8", 4095, 1095, QT_TRANSLATE_NOOP("Reports", "Lead Time")),
         heading("Label9", 6495, 1755, QT_TRANSLATE_NOOP("Reports", "Number  in Stock")),
         heading("Label10", 8760, 1755, QT_TRANSLATE_NOOP("Reports", "Number on Order")),
         I::line(s("Line1"), {0, 300, 12165, 0})}};
    r.detail = {
        s("cm1B_Detail"),
        315,
        {I::field(s("txtProductName"), {0, 0, 2190, textHeight}, s("ProductName")).grows(),
         I::field(s("txtReorderLevel"), {2235, 0, 1755, textHeight}, s("ReorderLevel")).right(),
         I::field(s("txtLeadTime"), {4110, 0, 1755, textHeight}, s("LeadTime")),
         I::field(s("txtUnitsInStock"), {6135, 0, 2055, textHeight}, s("Units in Stock")).right(),
         I::field(s("txtUnitsOnOrder"), {8490, 0, 2055, textHeight}, s("Units on Order")).right()}};
    r.pageFooter = pageFooter(120, 9465, 375);
    return r;
}

ReportDefinition DataReport4() {
    ReportDefinition r = base(4, 12930, QPageLayout::Landscape);
    r.reportHeader = commonHeader(r.title, 12870, 6495, 9900);
    r.pageHeader = {
        s("Section2"),
        375,
        {heading("Label4", 0, 1500, QT_TRANSLATE_NOOP("Reports", "Product Name")),
         heading("Label7", 2610, 525, QT_TRANSLATE_NOOP("Reports", "Date")),
         heading("Label8", 3195, 2385, QT_TRANSLATE_NOOP("Reports", "Transaction Description")),
         heading("Label9", 6960, 1035, QT_TRANSLATE_NOOP("Reports", "Unit Price")),
         heading("Label10", 8130, 1020, QT_TRANSLATE_NOOP("Reports", "# Ordered")),
         heading("Label11", 9255, 1125, QT_TRANSLATE_NOOP("Reports", "# Received")),
         heading("Label12", 10845, 660, QT_TRANSLATE_NOOP("Reports", "# Sold")),
         heading("Label13", 11595, 1200, QT_TRANSLATE_NOOP("Reports", "# Shrinkage")),
         I::line(s("Line1"), {60, 300, 12825, 0})}};
    r.groupHeader = {s("Section1"),
                     330,
                     {I::field(s("txtProductName"), {60, 0, 2805, textHeight}, s("ProductName"))
                          .grows()
                          .color(reportcolors::heading)}};
    r.detail = {
        s("cm1B_Detail"),
        285,
        {I::field(s("txtTransactionDate"), {1845, 0, 1275, textHeight}, s("TransactionDate"))
             .right(),
         I::field(s("txtTransactionDescription"), {3195, 0, 3150, textHeight},
                  s("TransactionDescription"))
             .grows(),
         I::field(s("txtUnitPrice"), {6420, 0, 1320, textHeight}, s("UnitPrice"))
             .right()
             .formatted(s("$# ##0.00")),
         I::field(s("txtUnitsOrdered"), {7785, 0, 1185, textHeight}, s("UnitsOrdered")).right(),
         I::field(s("txtUnitsReceived"), {9015, 0, 1185, textHeight}, s("UnitsReceived")).right(),
         I::field(s("txtUnitsSold"), {10245, 0, 1185, textHeight}, s("UnitsSold")).right(),
         I::field(s("txtUnitsShrinkage"), {11475, 0, 1260, textHeight}, s("UnitsShrinkage"))
             .right()}};
    r.groupFooter = {s("Section6"), 3, {}};
    r.pageFooter = pageFooter(120, 9465, 675, 420, 435);
    return r;
}

QString reportTitle(int number) {
    switch (number) {
    case 1:
        return QCoreApplication::translate("Reports", "Product Cost Comparisons");
    case 2:
        return QCoreApplication::translate("Reports", "Product Purchases by Supplier");
    case 3:
        return QCoreApplication::translate("Reports", "Product Summary");
    case 4:
        return QCoreApplication::translate("Reports", "Product Transaction Detail");
    case 5:
        return QCoreApplication::translate("Reports", "Purchase Order");
    default:
        return QString();
    }
}

ReportDefinition dataReport(int number) {
    switch (number) {
    case 1:
        return DataReport1();
    case 2:
        return DataReport2();
    case 3:
        return DataReport3();
    case 4:
        return DataReport4();
    case 5:
        return DataReport5();
    default:
        throw ReportError(QStringLiteral("There is no report DataReport%1.").arg(number));
    }
}

QString dataMemberOf(int number) {
    if (number < 1 || number > 5)
        throw ReportError(QStringLiteral("There is no report DataReport%1.").arg(number));
    return QStringLiteral("cm%1").arg(number);
}

QStringList dataFieldsOf(const ReportDefinition& definition) {
    QStringList fields;
    for (const ReportSection* section : definition.sections()) {
        for (const ReportItem& item : section->items) {
            if (!item.dataField.isEmpty() && !fields.contains(item.dataField, Qt::CaseInsensitive))
                fields << item.dataField;
        }
    }
    return fields;
}

} // namespace quarvel::reports
