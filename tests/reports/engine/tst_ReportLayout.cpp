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
    int printed = 0;
    for (const QString& t : textsOf(doc, {QStringLiteral("txtGroupUnits")}))
        printed += t.toInt();
    QCOMPARE(page.find(QStringLiteral("Function1")).at(0)->text(), QString::number(printed));
    QVERIFY(printed > 0);
    // A sum in the group footer runs over that group's child rows only.
    QCOMPARE(textsOf(doc, {QStringLiteral("sumGroupPrice")}),
             (QStringList{"$7.50", "$0.00", "$7.50"}));
    QCOMPARE(page.find(QStringLiteral("Label6")).at(0)->text(), QStringLiteral("Page 1 of 1"));
    QCOMPARE(page.find(QStringLiteral("Label1")).at(0)->text(),
             QStringLiteral("Wednesday, January 15, 2025"));
    QCOMPARE(page.find(QStringLiteral("Label5")).at(0)->text(),
             QStringLiteral("Wednesday, January 15, 2025"));
    QCOMPARE(page.find(QStringLiteral("Label2")).at(0)->text(), QStringLiteral("1:02:03 PM"));
}

void tst_ReportLayout::geometry() {
    ReportDefinition def = sample::costReport();
    ReportDocument doc = layoutReport(def, sample::costData(), sample::options());
    QCOMPARE(doc.paper, QSize(12240, 15840));
    const LaidOutPage& page = doc.pages[0];
    const LaidOutItem* band = page.find(QStringLiteral("Shape1")).at(0);
    QCOMPARE(band->kind, LaidOutItem::Kind::Rect);
    QCOMPARE(band->rect, QRect(1440, 1440 + 75, 9315, 210));
    QCOMPARE(band->fill, QColor(224, 224, 224));
    const LaidOutItem* title = page.find(QStringLiteral("Label3")).at(0);
    QVERIFY(title->font.bold());
    QCOMPARE(title->font.pixelSize(), 435); // 21.75 pt in twips
    QCOMPARE(title->font.family(), QStringLiteral("Arial"));
    const LaidOutItem* date = page.find(QStringLiteral("Label1")).at(0);
    QCOMPARE(date->color, QColor(128, 128, 255));
    QCOMPARE(date->alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // The page header follows the report header on the first page.
    QCOMPARE(page.find(QStringLiteral("Label4")).at(0)->rect.y(), 1440 + 1380);
    QCOMPARE(page.find(QStringLiteral("Line1")).at(0)->rect.y(), 1440 + 1380 + 300);
    // The first group header follows the page header.
    QCOMPARE(page.find(QStringLiteral("txtProductName")).at(0)->rect.y(), 1440 + 1380 + 360);
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

    // The page count of packing whole sections top-down.
    int pages = 1;
    int y = 1440 + 1380 + 360;
    auto add = [&](int h) {
        if (y + h > footerTop) {
            ++pages;
            y = 1440 + 360;
        }
        y += h;
    };
    for (int p = 1; p <= products; ++p) {
        add(270);
        for (int s = 0; s < (p == 2 ? 0 : suppliers); ++s)
            add(315);
        add(315);
    }
    add(459);
    QCOMPARE(doc.pageCount(), pages);
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
