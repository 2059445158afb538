#include "count/CountSheet.h"

#include "data/Recordset.h"
#include "reports/DataReports.h"
#include "reports/ListReport.h"

#include <QCoreApplication>

namespace quarvel::count {

namespace {

using I = reports::ReportItem;
constexpr int textHeight = 240;

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::count::CountSheet)
};

} // namespace

reports::ReportDefinition countSheet(bool blind) {
    reports::ReportDefinition r;
    r.name = QStringLiteral("CountSheet");
    r.title = Tr::tr("Count Sheet");
    r.width = 9360;
    r.reportHeader = reports::listHeader(r.title, 960);
    r.reportHeader.items.push_back(
        I::field(QStringLiteral("Shown"), {0, 600, 9360, textHeight}, QStringLiteral("Shown")));
    std::vector<I> headings{
        I::label(QStringLiteral("lblProduct"), {0, 0, 4200, textHeight}, Tr::tr("Product"))
            .color(reports::reportcolors::heading),
        I::label(QStringLiteral("lblCategory"), {4320, 0, 2400, textHeight}, Tr::tr("Category"))
            .color(reports::reportcolors::heading),
        I::label(QStringLiteral("lblCounted"), {8040, 0, 1320, textHeight}, Tr::tr("Counted"))
            .right()
            .color(reports::reportcolors::heading),
        I::line(QStringLiteral("Line1"), {0, 300, 9360, 0})};
    std::vector<I> fields{I::field(QStringLiteral("txtProduct"), {0, 60, 4200, textHeight},
                                   QStringLiteral("ProductName"))
                              .grows(),
                          I::field(QStringLiteral("txtCategory"), {4320, 60, 2400, textHeight},
                                   QStringLiteral("CategoryName")),
                          I::field(QStringLiteral("txtCounted"), {8040, 60, 1320, textHeight},
                                   QStringLiteral("Counted"))
                              .right(),
                          I::line(QStringLiteral("Line2"), {8040, 330, 1320, 0})};
    if (!blind) {
        headings.push_back(
            I::label(QStringLiteral("lblExpected"), {6840, 0, 1080, textHeight}, Tr::tr("Expected"))
                .right()
                .color(reports::reportcolors::heading));
        fields.push_back(I::field(QStringLiteral("txtExpected"), {6840, 60, 1080, textHeight},
                                  QStringLiteral("Expected"))
                             .right());
    }
    r.pageHeader = {QStringLiteral("PageHeader"), 360, headings};
    r.detail = {QStringLiteral("Detail"), 390, fields};
    r.pageFooter = reports::pageNumberFooter();
    return r;
}

reports::ReportData countSheetData(const Recordset& lines, const QString& shown) {
    reports::ReportTable table({QStringLiteral("ProductName"), QStringLiteral("CategoryName"),
                                QStringLiteral("Expected"), QStringLiteral("Counted"),
                                QStringLiteral("Shown")});
    const int name = lines.fieldIndex(QStringLiteral("ProductName"));
    const int category = lines.fieldIndex(QStringLiteral("CategoryName"));
    const int expected = lines.fieldIndex(QStringLiteral("Expected"));
    const int counted = lines.fieldIndex(QStringLiteral("Counted"));
    for (int row = 0; row < lines.RecordCount(); ++row)
        table.addRow({lines.value(row, name), lines.value(row, category),
                      lines.value(row, expected), lines.value(row, counted), shown});
    return reports::ReportData::flat(table);
}

} // namespace quarvel::count
