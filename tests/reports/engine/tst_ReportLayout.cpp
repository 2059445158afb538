#include "SampleReport.h"
#include "reports/engine/ReportError.h"
#include "reports/engine/ReportLayout.h"
#include "reports/engine/ReportText.h"

#include <QTest>

using namespace quarvel::reports;

namespace {

QStringList textsOf(const ReportDocument& doc, const QStringList& names) {
    QStringList result;
    for (const LaidOutPage& page : doc.pages) {
        for (const LaidOutItem& item : page.items) {
            if (names.contains(item.name))
                result << item.text();
        }
    }
    return result;
}

constexpr int footerTop = 15840 - 1440 - 375; // Letter portrait, page footer 375

} // namespace

class tst_ReportLayout : public QObject {
    Q_OBJECT

private slots:
    void groupsAndDetails();
    void sumsAndPageCodes();
    void geometry();
    void longReportPagination();
    void groupsAcrossPageBreaks();
    void growingField();
    void flatReport();
    void faults();
};

void tst_ReportLayout::groupsAndDetails() {
    const ReportDocument doc =
        layoutReport(sample::costReport(), sample::costData(), sample::options());
    QCOMPARE(doc.pageCount(), 1);
    // Each product's header, its own suppliers only, then its footer; product 2 has no
    // suppliers and still prints header and footer.
    QCOMPARE(textsOf(doc, {QStringLiteral("txtProductName"), QStringLiteral("txtSupplierName"),
                           QStringLiteral("Label8")}),
             (QStringList{"Product 1", "Supplier 1-1", "Supplier 1-2", "Count", "Product 2",
                          "Count", "Product 3", "Supplier 3-1", "Supplier 3-2", "Count"}));
    QCOMPARE(textsOf(doc, {QStringLiteral("txtAvgUnitPrice")}),
             (QStringList{"$2.50", "$5.00", "$2.50", "$5.00"}));
    // Sections follow each other down the page.
    const LaidOutPage& page = doc.pages[0];
    int lastTop = 0;
    for (const LaidOutItem& item : page.items) {
        if (item.section == QStringLiteral("Section3"))
            continue;
        QVERIFY2(item.rect.y() >= lastTop - 300, qPrintable(item.name));
        lastTop = std::max(lastTop, item.rect.y());
    }
}

void tst_ReportLayout::sumsAndPageCodes() {
    const ReportDocument doc =
        layoutReport(sample::costReport(), sample::costData(), sample::options());
    const LaidOutPage& page = doc.pages[0];
    QCOMPARE(textsOf(doc, {QStringLiteral("txtGroupUnits")}), (QStringList{"5", "0", "9"}));
    QCOMPARE(page.find(QStringLiteral("Function1")).at(0)->text(), QStringLiteral("14"));
    // A sum in the group footer runs over that group's child rows only.
    QCOMPARE(textsOf(doc, {QStringLiteral("sumGroupPrice")}),
             (QStringList{"$7.50", "$0.00", "$7.50"}));
    QCOMPARE(page.find(QStringLiteral("Label6")).at(0)->text(), QStringLiteral("Page 1 of 1"));
    QCOMPARE(page.find(QStringLiteral("Label1")).at(0)->text(),
             QStringLiteral("Wednesday, January 15, 2025"));
    QCOMPARE(page.find(QStringLiteral("Label2")).at(0)->text(), QStringLiteral("1:02:03 PM"));
}

void tst_ReportLayout::geometry() {
    ReportDefinition def = sample::costReport();
    ReportDocument doc = layoutReport(def, sample::costData(), sample::options());
    QCOMPARE(doc.paper, QSize(12240, 15840));
    const LaidOutPage& page = doc.pages[0];
    // The page footer sits at the bottom of the printable area.
    QCOMPARE(page.find(QStringLiteral("Label6")).at(0)->rect.y(), footerTop);

    def.orientation = QPageLayout::Landscape;
    doc = layoutReport(def, sample::costData(), sample::options());
    QCOMPARE(doc.paper, QSize(15840, 12240));
    QCOMPARE(doc.pages[0].find(QStringLiteral("Label6")).at(0)->rect.y(), 12240 - 1440 - 375);
}

void tst_ReportLayout::longReportPagination() {
    const int products = 60;
    const int suppliers = 3;
    const ReportDocument doc = layoutReport(
        sample::costReport(), sample::costData(products, suppliers), sample::options());
    const int pages = doc.pageCount();
    QVERIFY(pages >= 4);

    int details = 0;
    for (const LaidOutPage& page : doc.pages) {
        QCOMPARE(page.find(QStringLiteral("Label6")).at(0)->text(),
                 QStringLiteral("Page %1 of %2").arg(page.number).arg(pages));
        QCOMPARE(page.find(QStringLiteral("Label4")).size(), size_t(1)); // page header
        QCOMPARE(page.find(QStringLiteral("Label3")).size(), size_t(page.number == 1 ? 1 : 0));
        // Nothing but the page footer reaches into the footer band: no section is split.
        for (const LaidOutItem& item : page.items) {
            if (item.section != QStringLiteral("Section3"))
                QVERIFY2(item.rect.y() + item.rect.height() <= footerTop, qPrintable(item.name));
        }
        details += static_cast<int>(page.find(QStringLiteral("txtSupplierName")).size());
    }
    QCOMPARE(details, (products - 1) * suppliers);
    // Details stay in order and under their product across page breaks.
    const QStringList all =
        textsOf(doc, {QStringLiteral("txtProductName"), QStringLiteral("txtSupplierName")});
    QCOMPARE(all.at(all.indexOf(QStringLiteral("Product 59")) + 1),
             QStringLiteral("Supplier 59-1"));
    QCOMPARE(doc.pages.back().find(QStringLiteral("Function1")).size(), size_t(1));
}

void tst_ReportLayout::groupsAcrossPageBreaks() {
    // Every section 300 twips high and a body of exactly ten sections per page.
    ReportDefinition def;
    def.pageSize = QPageSize(QSizeF(612, 165), QPageSize::Point, QString(), QPageSize::ExactMatch);
    def.margins = QMargins(0, 0, 0, 0);
    def.groupHeader = {
        QStringLiteral("GroupHeader"),
        300,
        {ReportItem::field(QStringLiteral("name"), {0, 0, 4000, 240}, QStringLiteral("Name"))}};
    def.detail = {
        QStringLiteral("Detail"),
        300,
        {ReportItem::field(QStringLiteral("item"), {600, 0, 3000, 240}, QStringLiteral("Item"))}};
    def.groupFooter = {
        QStringLiteral("GroupFooter"),
        300,
        {ReportItem::label(QStringLiteral("end"), {600, 0, 3000, 240}, QStringLiteral("End"))}};
    def.pageFooter = {QStringLiteral("PageFooter"),
                      300,
                      {ReportItem::label(QStringLiteral("page"), {0, 0, 4000, 240},
                                         QStringLiteral("Page %p of %P"))}};
    ReportTable groups({QStringLiteral("Key"), QStringLiteral("Name")});
    ReportTable items({QStringLiteral("Key"), QStringLiteral("Item")});
    const std::vector<std::pair<QString, int>> rows = {{QStringLiteral("A"), 7},
                                                       {QStringLiteral("B"), 9},
                                                       {QStringLiteral("C"), 12},
                                                       {QStringLiteral("D"), 1},
                                                       {QStringLiteral("E"), 0}};
    for (const auto& [name, count] : rows) {
        groups.addRow({name, name});
        for (int i = 1; i <= count; ++i)
            items.addRow({name, name + QString::number(i)});
    }
    const ReportDocument doc = layoutReport(
        def, ReportData::shaped(groups, items, QStringLiteral("Key"), QStringLiteral("Key")),
        sample::options());

    QStringList pages;
    for (const LaidOutPage& page : doc.pages) {
        QStringList texts = page.texts();
        QCOMPARE(texts.takeLast(), QStringLiteral("Page %1 of 5").arg(page.number));
        pages << texts.join(u' ');
    }
    QCOMPARE(pages,
             (QStringList{
                 // B's header would be left alone at the foot: it moves on with B1.
                 "A A1 A2 A3 A4 A5 A6 A7 End",
                 // B's footer would start page 3 alone: B9 goes with it, under B's header again.
                 "B B1 B2 B3 B4 B5 B6 B7 B8",
                 "B (continued) B9 End C C1 C2 C3 C4 C5 C6",
                 "C (continued) C7 C8 C9 C10 C11 C12 End",
                 // One row: header, row and footer move together.
                 "D D1 End E End",
             }));
    // The repeated header is the group header's own section, at the top of the page.
    const LaidOutItem* repeated = doc.pages[3].find(QStringLiteral("name")).at(0);
    QCOMPARE(repeated->section, QStringLiteral("GroupHeader"));
    QCOMPARE(repeated->rect.y(), 0);
}

void tst_ReportLayout::growingField() {
    ReportTable master({QStringLiteral("ProductID"), QStringLiteral("ProductName"),
                        QStringLiteral("Total Units")});
    const QString longName =
        QStringLiteral("Extra large organic golden delicious apples in wooden crates");
    master.addRow({1, longName, 1});
    ReportTable child({QStringLiteral("ProductID"), QStringLiteral("SupplierName"),
                       QStringLiteral("Avg Unit Price"), QStringLiteral("Total Units")});
    child.addRow({1, longName, 1.0, 1});
    ReportDefinition def = sample::costReport();
    def.item(QStringLiteral("txtSupplierName")).grows(false);
    const ReportDocument doc = layoutReport(
        def,
        ReportData::shaped(master, child, QStringLiteral("ProductID"), QStringLiteral("ProductID")),
        sample::options());
    const LaidOutPage& page = doc.pages[0];
    const LaidOutItem* header = page.find(QStringLiteral("txtProductName")).at(0);
    QVERIFY(header->lines.size() >= 3);
    QCOMPARE(header->lines.join(u' '), longName);
    for (const QString& line : header->lines)
        QVERIFY(ReportText::width(line, header->font) <= 2160);
    QCOMPARE(header->rect.height(), int(header->lines.size()) * header->lineHeight);
    // The section grows by the extra lines and pushes the detail down.
    const int extra = header->rect.height() - 240;
    QCOMPARE(page.find(QStringLiteral("txtSupplierName")).at(0)->rect.y(),
             header->rect.y() + 270 + extra);
    // A field that does not grow keeps to its height.
    QCOMPARE(page.find(QStringLiteral("txtSupplierName")).at(0)->lines.size(), 1);
}

void tst_ReportLayout::flatReport() {
    ReportDefinition def;
    def.title = QStringLiteral("Product Summary");
    def.orientation = QPageLayout::Landscape;
    def.detail = {QStringLiteral("cm1B_Detail"),
                  315,
                  {ReportItem::field(QStringLiteral("txtName"), {0, 0, 2190, 240},
                                     QStringLiteral("ProductName")),
                   ReportItem::field(QStringLiteral("txtStock"), {6135, 0, 2055, 240},
                                     QStringLiteral("Units in Stock"))
                       .right()}};
    def.reportFooter = {QStringLiteral("Section5"),
                        300,
                        {ReportItem::sum(QStringLiteral("total"), {6135, 0, 2055, 240},
                                         QStringLiteral("Units in Stock"))}};
    ReportTable rows({QStringLiteral("ProductName"), QStringLiteral("Units in Stock")});
    rows.addRow({QStringLiteral("A"), 1.5});
    rows.addRow({QStringLiteral("B"), QVariant()});
    rows.addRow({QStringLiteral("C"), 0.1 + 0.2});
    const ReportDocument doc = layoutReport(def, ReportData::flat(rows), sample::options());
    QCOMPARE(doc.pages[0].texts(), (QStringList{"A", "1.5", "B", "", "C", "0.3", "1.8"}));
}

void tst_ReportLayout::faults() {
    ReportDefinition def = sample::costReport();
    def.item(QStringLiteral("txtAvgUnitPrice")).dataField = QStringLiteral("Avg Price");
    QVERIFY_THROWS_EXCEPTION(ReportError, layoutReport(def, sample::costData(), sample::options()));
    QVERIFY_THROWS_EXCEPTION(ReportError, def.item(QStringLiteral("NoSuchControl")));

    // A section taller than a page still prints, once per row, and the layout ends.
    def = sample::costReport();
    def.groupHeader.height = 20000;
    const ReportDocument doc = layoutReport(def, sample::costData(), sample::options());
    QCOMPARE(textsOf(doc, {QStringLiteral("txtProductName")}).size(), 3);

    // No rows at all: headers and footers only.
    ReportTable none({QStringLiteral("ProductID"), QStringLiteral("ProductName"),
                      QStringLiteral("Total Units")});
    const ReportDocument empty =
        layoutReport(sample::costReport(), ReportData::flat(none), sample::options());
    QCOMPARE(empty.pageCount(), 1);
    QCOMPARE(empty.pages[0].find(QStringLiteral("Function1")).at(0)->text(), QStringLiteral("0"));
}

QTEST_MAIN(tst_ReportLayout)
#include "tst_ReportLayout.moc"
