// The report engine: sections laid out on pages with their groups, sums and growing fields,
// and the report written to PDF and shown in the preview.

#include "SampleReport.h"
#include "reports/engine/ReportError.h"
#include "reports/engine/ReportPdf.h"
#include "reports/engine/ReportPreview.h"
#include "reports/engine/ReportText.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quarvel::reports;
using I = ReportItem;

namespace {

QStringList textsOf(const ReportDocument& doc, const QString& name) {
    QStringList result;
    for (const LaidOutPage& page : doc.pages) {
        for (const LaidOutItem* item : page.find(name))
            result << item->text();
    }
    return result;
}

// The output of a poppler tool on a file; empty when it fails.
QString poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class tst_ReportLayout : public QObject {
    Q_OBJECT

private slots:
    void groupsAcrossPageBreaks();
    void groupSums();
    void growingField();
    void flatReport();
    void faults();
    void pdfText();
    void preview();
};

void tst_ReportLayout::groupsAcrossPageBreaks() {
    // Every section 300 twips high and a body of exactly ten sections per page.
    ReportDefinition def;
    def.pageSize = QPageSize(QSizeF(612, 165), QPageSize::Point, QString(), QPageSize::ExactMatch);
    def.margins = QMargins(0, 0, 0, 0);
    def.groupHeader = {"GroupHeader", 300, {I::field("name", {0, 0, 4000, 240}, "Name")}};
    def.detail = {"Detail", 300, {I::field("item", {600, 0, 3000, 240}, "Item")}};
    def.groupFooter = {"GroupFooter", 300, {I::label("end", {600, 0, 3000, 240}, "End")}};
    def.pageFooter = {"PageFooter", 300, {I::label("page", {0, 0, 4000, 240}, "Page %p of %P")}};
    ReportTable groups({"Key", "Name"});
    ReportTable items({"Key", "Item"});
    for (const auto& [name, count] : std::initializer_list<std::pair<const char*, int>>{
             {"A", 7}, {"B", 9}, {"C", 12}, {"D", 1}, {"E", 0}}) {
        groups.addRow({name, name});
        for (int i = 1; i <= count; ++i)
            items.addRow({name, name + QString::number(i)});
    }
    const ReportDocument doc =
        layoutReport(def, ReportData::shaped(groups, items, "Key", "Key"), sample::options());

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
    const LaidOutItem* repeated = doc.pages[3].find("name").at(0);
    QCOMPARE(repeated->section, QStringLiteral("GroupHeader"));
    QCOMPARE(repeated->rect.y(), 0);
}

void tst_ReportLayout::groupSums() {
    const ReportDocument doc =
        layoutReport(sample::costReport(), sample::costData(), sample::options());
    // A sum in the group footer runs over that group's child rows only, the grand total over all.
    QCOMPARE(textsOf(doc, "sumGroupPrice"), (QStringList{"$7.50", "$0.00", "$7.50"}));
    QCOMPARE(textsOf(doc, "Function1"), QStringList{"14"});
}

void tst_ReportLayout::growingField() {
    const QString longName = "Extra large organic golden delicious apples in wooden crates";
    ReportTable master({"ProductID", "ProductName", "Total Units"});
    master.addRow({1, longName, 1});
    ReportTable child({"ProductID", "SupplierName", "Avg Unit Price", "Total Units"});
    child.addRow({1, longName, 1.0, 1});
    ReportDefinition def = sample::costReport();
    def.item("txtSupplierName").grows(false);
    const ReportDocument doc = layoutReport(
        def, ReportData::shaped(master, child, "ProductID", "ProductID"), sample::options());
    const LaidOutItem* header = doc.pages[0].find("txtProductName").at(0);
    const LaidOutItem* detail = doc.pages[0].find("txtSupplierName").at(0);
    QVERIFY(header->lines.size() >= 3);
    QCOMPARE(header->lines.join(u' '), longName);
    for (const QString& line : header->lines)
        QVERIFY(ReportText::width(line, header->font) <= 2160);
    QCOMPARE(header->rect.height(), int(header->lines.size()) * header->lineHeight);
    // The section grows by the extra lines and pushes the detail down.
    QCOMPARE(detail->rect.y(), header->rect.y() + 270 + header->rect.height() - 240);
    QCOMPARE(detail->lines.size(), 1); // a field that does not grow keeps to its height
}

void tst_ReportLayout::flatReport() {
    ReportDefinition def;
    def.detail = {"cm1B_Detail",
                  315,
                  {I::field("txtName", {0, 0, 2190, 240}, "ProductName"),
                   I::field("txtStock", {6135, 0, 2055, 240}, "Units in Stock").right()}};
    def.reportFooter = {"Section5", 300, {I::sum("total", {6135, 0, 2055, 240}, "Units in Stock")}};
    ReportTable rows({"ProductName", "Units in Stock"});
    rows.addRow({"A", 1.5});
    rows.addRow({"B", QVariant()});
    rows.addRow({"C", 0.1 + 0.2});
    const ReportDocument doc = layoutReport(def, ReportData::flat(rows), sample::options());
    QCOMPARE(doc.pages[0].texts(), (QStringList{"A", "1.5", "B", "", "C", "0.3", "1.8"}));
}

void tst_ReportLayout::faults() {
    ReportDefinition def = sample::costReport();
    def.item("txtAvgUnitPrice").dataField = "Avg Price";
    QVERIFY_THROWS_EXCEPTION(ReportError, layoutReport(def, sample::costData(), sample::options()));
    QVERIFY_THROWS_EXCEPTION(ReportError, def.item("NoSuchControl"));
    QVERIFY_THROWS_EXCEPTION(ReportError, writePdf(sample::costReport(), sample::costData(),
                                                   "/nonexistent-folder/x.pdf", sample::options()));

    // A section taller than a page still prints, once per row, and the layout ends.
    def = sample::costReport();
    def.groupHeader.height = 20000;
    const ReportDocument doc = layoutReport(def, sample::costData(), sample::options());
    QCOMPARE(textsOf(doc, "txtProductName").size(), 3);

    // No rows at all: headers and footers only.
    ReportTable none({"ProductID", "ProductName", "Total Units"});
    const ReportDocument empty =
        layoutReport(sample::costReport(), ReportData::flat(none), sample::options());
    QCOMPARE(empty.pageCount(), 1);
    QCOMPARE(textsOf(empty, "Function1"), QStringList{"0"});
}

void tst_ReportLayout::pdfText() {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    writePdf(sample::costReport(), sample::costData(), path, sample::options());
    const QString text = poppler("pdftotext", {"-layout", path, "-"});
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
    for (const char* expected :
         {"Product Cost Comparisons", "Wednesday, January 15, 2025", "1:02:03 PM", "Product 1",
          "Supplier 3-2", "$2.50", "$5.00", "Grand Total", "Page 1 of 1"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    // The supplier and its price print on one line, in that order.
    QVERIFY(text.contains(QRegularExpression("Supplier 1-1\\s+\\$2\\.50\\s+2")));
    QVERIFY(poppler("pdfinfo", {path}).contains(QRegularExpression("Page size:\\s+612 x 792 pts")));

    ReportDefinition wide = sample::costReport();
    wide.orientation = QPageLayout::Landscape;
    writePdf(wide, sample::costData(40, 3), path, sample::options());
    const QString info = poppler("pdfinfo", {path});
    QVERIFY2(info.contains(QRegularExpression("Page size:\\s+792 x 612 pts")), qPrintable(info));
    const QString pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1);
    QVERIFY(pages.toInt() > 1);
    QVERIFY(poppler("pdftotext", {path, "-"}).contains(QString("Page %1 of %1").arg(pages)));
}

void tst_ReportLayout::preview() {
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.pdf");
    PreviewOptions preview;
    preview.layout = sample::options();
    preview.choosePdfPath = [&](QWidget*) {
        return path;
    };
    QStringList errors;
    preview.reportError = [&](const QString& m) {
        errors << m;
    };

    QString title;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        title = dialog->windowTitle();
        if (auto* save = dialog->findChild<QAction*>("savePdfAction"))
            save->trigger();
        dialog->reject();
    });
    poll.start(20);
    showReportPreview(sample::costReport(), sample::costData(), preview);
    poll.stop();
    QCOMPARE(title, QStringLiteral("Product Cost Comparisons"));
    QVERIFY(errors.isEmpty());
    QVERIFY(poppler("pdftotext", {path, "-"}).contains("Grand Total"));
}

QTEST_MAIN(tst_ReportLayout)
#include "tst_ReportLayout.moc"
