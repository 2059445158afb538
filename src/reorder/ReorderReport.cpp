#include "reorder/ReorderReport.h"

#include "reports/DataReports.h"
#include "reports/ListReport.h"

#include <QCoreApplication>
#include <QLocale>

namespace quarvel::reorder {

namespace {

using I = reports::ReportItem;
constexpr int textHeight = 240;

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::reorder::ReorderReport)
};

struct Column {
    const char* field;
    int left;
    int width;
    QString caption;
    bool right;
};

QList<Column> columns() {
    return {{"ProductName", 240, 2520, Tr::tr("Product"), false},
            {"OnHand", 2820, 780, Tr::tr("On Hand"), true},
            {"OnOrder", 3660, 780, Tr::tr("On Order"), true},
            {"ReorderLevel", 4500, 780, Tr::tr("Level"), true},
            {"SoldPerDay", 5340, 900, Tr::tr("Sold/Day"), true},
            {"LeadTime", 6300, 1080, Tr::tr("Lead Time"), true},
            {"Quantity", 7440, 720, Tr::tr("Order"), true},
            {"UnitPrice", 8220, 840, Tr::tr("Unit Price"), true},
            {"Ticked", 9120, 240, QString(), false}};
}

} // namespace

reports::ReportDefinition reorderReport() {
    reports::ReportDefinition r;
    r.name = QStringLiteral("ReorderStock");
    r.title = Tr::tr("Reorder Stock");
    r.width = 9360;
    r.reportHeader = reports::listHeader(r.title, 720);
    std::vector<I> headings;
    std::vector<I> fields;
    for (const Column& c : columns()) {
        const QString name = QString::fromLatin1(c.field);
        I heading =
            I::label(QStringLiteral("lbl") + name, {c.left, 0, c.width, textHeight}, c.caption)
                .color(reports::reportcolors::heading);
        I field = I::field(QStringLiteral("txt") + name, {c.left, 0, c.width, textHeight}, name);
        if (c.right) {
            heading.right();
            field.right();
        }
        if (name == QLatin1String("ProductName"))
            field.grows();
        headings.push_back(heading);
        fields.push_back(field);
    }
    headings.push_back(I::line(QStringLiteral("Line1"), {0, 300, 9360, 0}));
    r.pageHeader = {QStringLiteral("PageHeader"), 360, headings};
    r.groupHeader = {QStringLiteral("SupplierHeader"),
                     330,
                     {I::field(QStringLiteral("txtSupplier"), {0, 45, 6000, textHeight},
                               QStringLiteral("SupplierName"))
                          .bold()
                          .grows()}};
    r.detail = {QStringLiteral("Detail"), 270, fields};
    r.pageFooter = reports::pageNumberFooter();
    return r;
}

reports::ReportData reorderReportData(const std::vector<Suggestion>& rows,
                                      const QHash<qint64, QString>& suppliers) {
    reports::ReportTable master({QStringLiteral("SupplierKey"), QStringLiteral("SupplierName")});
    QStringList childColumns{QStringLiteral("SupplierKey")};
    for (const Column& c : columns())
        childColumns << QString::fromLatin1(c.field);
    reports::ReportTable child(childColumns);
    QString lastKey;
    for (const Suggestion& s : rows) {
        // A key for each group, the rows of a supplier being together.
        const QString key = s.supplierId.isNull() ? QStringLiteral("none")
                                                  : QString::number(s.supplierId.toLongLong());
        if (key != lastKey) {
            master.addRow({key, s.supplierId.isNull()
                                    ? Tr::tr("No supplier yet")
                                    : suppliers.value(s.supplierId.toLongLong())});
            lastKey = key;
        }

        child.addRow({key, s.productName, s.onHand, s.onOrder, s.reorderLevel,
                      QLocale().toString(s.soldPerDay, 'f', 2), s.leadTimeShown(), s.quantity,
                      s.unitPrice, s.ticked ? QStringLiteral("x") : QString()});
    }
    return reports::ReportData::shaped(master, child, QStringLiteral("SupplierKey"),
                                       QStringLiteral("SupplierKey"));
}

} // namespace quarvel::reorder
