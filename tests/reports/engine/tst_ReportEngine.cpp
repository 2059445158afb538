// The report engine: the tables and their relation, the shape commands they are read with,
// the formats values print in, sections laid out on pages with their groups, sums and growing
// fields, and the report written to PDF and shown in the preview.

#include "../ReportChecks.h"
#include "reports/engine/ReportData.h"
#include "reports/engine/ReportDefinition.h"
#include "reports/engine/ReportError.h"
#include "reports/engine/ReportFormat.h"
#include "reports/engine/ReportLayout.h"
#include "reports/engine/ReportPdf.h"
#include "reports/engine/ReportPreview.h"
#include "reports/engine/ReportText.h"
#include "reports/engine/ShapeCommand.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quarvel::reports;
using I = ReportItem;

namespace {

const QLocale us(QLocale::English, QLocale::UnitedStates);
const LayoutOptions options = fixedOptions();

// A small master/detail report in the style of the product reports.
ReportDefinition costReport() {
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
    r.pageHeader = {"Section2", 360, {I::line("Line1", {0, 300, 9315, 0})}};
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
        {I::sum("sumGroupPrice", {5490, 0, 1755, 240}, "Avg Unit Price", I::Source::Child)
             .right()
             .formatted("$##0.00")}};
    r.pageFooter = {
        "Section3", 375, {I::label("Label6", {6555, 0, 2685, 240}, "Page %p of %P").right()}};
    r.reportFooter = {"Section5",
                      459,
                      {I::label("Label9", {975, 0, 1290, 240}, "Grand Total"),
                       I::sum("Function1", {7635, 0, 1380, 240}, "Total Units").right()}};
    return r;
}

// Products 1 to `products`; product 2 has no suppliers, the others `suppliers` each, listed
// out of product order.
ReportData costData(int products = 3, int suppliers = 2) {
    ReportTable master({"ProductID", "ProductName", "Total Units"});
    ReportTable child({"ProductID", "SupplierName", "Avg Unit Price", "Total Units"});
    for (int p = 1; p <= products; ++p) // the units of the product's rows below
        master.addRow({p, QString("Product %1").arg(p),
                       p == 2 ? 0 : suppliers * p + suppliers * (suppliers + 1) / 2});
    for (int s = 1; s <= suppliers; ++s) {
        for (int p = products; p >= 1; --p) {
            if (p != 2)
                child.addRow({p, QString("Supplier %1-%2").arg(p).arg(s), 2.5 * s, p + s});
        }
    }
    return ReportData::shaped(master, child, "ProductID", "ProductID");
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

class tst_ReportEngine : public QObject {
    Q_OBJECT

private slots:
    void aTableGivesBackEveryValueAsItWasAdded() {
        ReportTable table({"Text", "Number"});
        const QList<QVariant> values = {QString("Édelweiß 🌼"),
                                        2,
                                        qlonglong(1) << 40,
                                        2.5,
                                        QDate(2021, 3, 9),
                                        true,
                                        QVariant(),
                                        QByteArray("raw"),
                                        QString(""),
                                        QString(70000, u'x')};
        // Enough text to fill several blocks of characters.
        for (int i = 0; i < 3000; ++i)
            table.addRow({QString("row %1 ").arg(i).repeated(i % 7 + 1), i});
        for (const QVariant& value : values)
            table.addRow({value, value});
        const ReportTable copy = table;
        for (const ReportTable* t : {static_cast<const ReportTable*>(&table), &copy}) {
            QCOMPARE(t->rowCount(), 3000 + int(values.size()));
            QCOMPARE(t->value(2999, 0).toString(), QString("row 2999 ").repeated(4));
            QCOMPARE(t->value(17, "Number"), QVariant(17));
            for (int i = 0; i < values.size(); ++i) {
                const QVariant got = t->value(3000 + i, 1);
                QCOMPARE(got, values[i]);
                QCOMPARE(got.typeId(), values[i].typeId());
            }
        }
        QVERIFY_THROWS_EXCEPTION(ReportError, table.value(table.rowCount(), 0));
    }

    void tablesAndTheirRelation() {
        ReportTable t({"Total Units", "PurchaseOrderID", "Inventory Transactions.ProductID",
                       "Inventory Transactions.UnitPrice"});
        t.addRow({5, 12, 3, 2.5});
        QCOMPARE(t.value(0, "total units").toInt(), 5);
        QCOMPARE(t.value(0, "qryRep5B.PurchaseOrderID").toInt(), 12);
        QCOMPARE(t.value(0, "Inventory Transactions.ProductID").toInt(), 3);
        QCOMPARE(t.value(0, "UnitPrice").toDouble(), 2.5);
        QCOMPARE(t.columnIndex("Units"), -1);
        QCOMPARE(t.columnIndex("Other.Total"), -1);
        QVERIFY_THROWS_EXCEPTION(ReportError, t.value(0, "C"));
        QVERIFY_THROWS_EXCEPTION(ReportError, t.addRow({1}));
        QVERIFY_THROWS_EXCEPTION(ReportError, ReportData::shaped(t, t, "PurchaseOrderID", "C"));
        QVERIFY_THROWS_EXCEPTION(ReportError, ReportData::flat(t).child());

        ReportTable master({"ProductID", "ProductName"});
        for (const QVariant& key :
             {QVariant(1), QVariant(2), QVariant(), QVariant(3.0), QVariant("acme")})
            master.addRow({key, "name"});
        ReportTable child({"qryRep1B.ProductID", "SupplierName"});
        for (const QVariant& key : {QVariant(3), QVariant("1"), QVariant(), QVariant(1.0),
                                    QVariant(9), QVariant("ACME"), QVariant("acme2")})
            child.addRow({key, "supplier"});
        const ReportData data =
            ReportData::shaped(master, child, "ProductID", "qryRep1B.ProductID");
        QCOMPARE(data.childRows(0), (std::vector<int>{1, 3})); // numbers compare as numbers
        QCOMPARE(data.childRows(1), std::vector<int>{});
        QCOMPARE(data.childRows(2), std::vector<int>{}); // null matches nothing
        QCOMPARE(data.childRows(3), std::vector<int>{0});
        QCOMPARE(data.childRows(4), std::vector<int>{5}); // text in any case
        QVERIFY(ReportData::flat(master).childRows(0).empty());
    }

    void shapedCommands() {
        const QString text = "SHAPE {SELECT * FROM `qryRep5A`}  AS cm5 APPEND ({SELECT * FROM "
                             "`qryRep5B`}  AS cm5B RELATE 'PurchaseOrderID' TO "
                             "'qryRep5B.PurchaseOrderID') AS cm5B";
        const ShapeCommand c = ShapeCommand::parse(text);
        QVERIFY(c.hasChild());
        QCOMPARE(c.masterSql, QStringLiteral("SELECT * FROM [qryRep5A]"));
        QCOMPARE(c.childSql, QStringLiteral("SELECT * FROM [qryRep5B]"));
        QCOMPARE(c.masterField, QStringLiteral("PurchaseOrderID"));
        QCOMPARE(c.childField, QStringLiteral("qryRep5B.PurchaseOrderID"));
        // Keywords in any case and any spacing read the same.
        const ShapeCommand loose = ShapeCommand::parse(text.toLower().replace("  ", "\n\t "));
        QCOMPARE(loose.childField, c.childField.toLower());
        QCOMPARE(loose.masterSql.toLower(), c.masterSql.toLower());
        // A saved query's name alone, with or without accents.
        const ShapeCommand saved = ShapeCommand::parse("`qryRep3A`");
        QVERIFY(!saved.hasChild());
        QCOMPARE(saved.masterSql, QStringLiteral("SELECT * FROM [qryRep3A]"));
        QCOMPARE(ShapeCommand::parse(" qryRep3A ").masterSql, saved.masterSql);
        QCOMPARE(ShapeCommand::parse("`Order Lines`").masterSql,
                 QStringLiteral("SELECT * FROM [Order Lines]"));
        // Accents inside string literals are data, not names.
        QCOMPARE(ShapeCommand::quoteNames("SELECT '`a`' FROM `t`"),
                 QStringLiteral("SELECT '`a`' FROM [t]"));
    }

    void malformedCommandsAreRefused() {
        for (const char* text : {
                 "",
                 "SHAPE {SELECT * FROM `qryRep1A`  AS cm1",                     // no closing brace
                 "SHAPE {SELECT 1} AS cm1 ({SELECT 2} AS c RELATE 'a' TO 'b')", // no APPEND
                 "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a TO 'b) AS c",
                 "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a' TO 'b' AS c",
                 "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a' TO 'b') AS c extra",
                 "`qryRep3A",
                 "qryRep3A qryRep4A",
             }) {
            try {
                ShapeCommand::parse(text);
                QFAIL(qPrintable(QStringLiteral("no error for [%1]").arg(text)));
            } catch (const ReportError& e) {
                QVERIFY2(e.message().contains(text), qPrintable(e.message())); // names the command
            }
        }
    }

    void formats_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QVariant& value, const char* format,
                            const char* expected) {
            QTest::newRow(name) << value << QString(format) << QString(expected);
        };
        const char* price = "$##0.00";
        row("negative", -3, price, "-$3.00");
        row("negative rounding to zero", -0.001, price, "$0.00");
        row("half up on decimal digits", 2.675, price, "$2.68");
        row("number as text", "12.5", price, "$12.50");
        row("text stays text", "n/a", price, "n/a");
        row("null", QVariant(), price, "");
        row("blank groups thousands", 12345.5, "$# ##0.00", "$12 345.50");
        row("blank carry into group", 999.999, "$# ##0.00", "$1 000.00");
        row("comma", 1234567.891, "#,##0.00", "1,234,567.89");
        row("negative section", -3, "0.00;(0.00)", "(3.00)");
        row("percent", 0.125, "Percent", "12.50%");
        row("date", QDate(2021, 1, 5), "mm/dd/yyyy", "01/05/2021");
        row("stored date and time", "2021-12-31 08:05:00", "mm/dd/yyyy", "12/31/2021");
        row("minutes after hours", QDateTime(QDate(2021, 3, 4), QTime(15, 7)), "h:mm AM/PM",
            "3:07 PM");
        row("names", QDate(2021, 3, 4), "dddd d mmmm yy", "Thursday 4 March 21");
        row("general whole double", 3.0, "", "3");
        row("general date", QDate(2025, 1, 15), "", "1/15/2025");
        row("general text like a date", "2025-01-15", "", "2025-01-15"); // as a window shows it
        row("general text", "Apples 12%", "", "Apples 12%");
        const QDateTime at(QDate(2025, 1, 15), QTime(13, 2, 3));
        row("long date", at, "Long Date", "Wednesday, January 15, 2025");
        row("long time", at, "Long Time", "1:02:03 PM");
    }

    void formats() {
        QFETCH(QVariant, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(formatValue(value, format, us), expected);
    }

    void longFormsOfAnotherLocale() {
        const QLocale de(QLocale::German, QLocale::Germany);
        QCOMPARE(longDate(QDate(2025, 1, 15), de), QStringLiteral("Mittwoch, 15. Januar 2025"));
        QCOMPARE(longTime(QTime(13, 2, 3), de), QStringLiteral("13:02:03"));
    }

    void groupsAcrossPageBreaks() {
        // Every section 300 twips high and a body of exactly ten sections per page.
        ReportDefinition def;
        def.pageSize =
            QPageSize(QSizeF(612, 165), QPageSize::Point, QString(), QPageSize::ExactMatch);
        def.margins = QMargins(0, 0, 0, 0);
        def.groupHeader = {"GroupHeader", 300, {I::field("name", {0, 0, 4000, 240}, "Name")}};
        def.detail = {"Detail", 300, {I::field("item", {600, 0, 3000, 240}, "Item")}};
        def.groupFooter = {"GroupFooter", 300, {I::label("end", {600, 0, 3000, 240}, "End")}};
        def.pageFooter = {
            "PageFooter", 300, {I::label("page", {0, 0, 4000, 240}, "Page %p of %P")}};
        ReportTable groups({"Key", "Name"});
        ReportTable items({"Key", "Item"});
        for (const auto& [name, count] : std::initializer_list<std::pair<const char*, int>>{
                 {"A", 7}, {"B", 9}, {"C", 12}, {"D", 1}, {"E", 0}}) {
            groups.addRow({name, name});
            for (int i = 1; i <= count; ++i)
                items.addRow({name, name + QString::number(i)});
        }
        const ReportDocument doc =
            layoutReport(def, ReportData::shaped(groups, items, "Key", "Key"), options);

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
                     // B's footer would start page 3 alone: B9 goes with it, under B's header.
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

    void groupSumsAndFaults() {
        // A sum in the group footer runs over that group's child rows only, the grand total
        // over all.
        const ReportDocument doc = layoutReport(costReport(), costData(), options);
        QCOMPARE(textsOf(doc, "sumGroupPrice"), (QStringList{"$7.50", "$0.00", "$7.50"}));
        QCOMPARE(textsOf(doc, "Function1"), QStringList{"14"});

        ReportDefinition def = costReport();
        def.item("txtAvgUnitPrice").dataField = "Avg Price";
        QVERIFY_THROWS_EXCEPTION(ReportError, layoutReport(def, costData(), options));
        QVERIFY_THROWS_EXCEPTION(ReportError, def.item("NoSuchControl"));
        QVERIFY_THROWS_EXCEPTION(
            ReportError, writePdf(costReport(), costData(), "/nonexistent-folder/x.pdf", options));

        // A section taller than a page still prints, once per row, and the layout ends.
        def = costReport();
        def.groupHeader.height = 20000;
        QCOMPARE(textsOf(layoutReport(def, costData(), options), "txtProductName").size(), 3);

        // No rows at all: headers and footers only.
        ReportTable none({"ProductID", "ProductName", "Total Units"});
        const ReportDocument empty = layoutReport(costReport(), ReportData::flat(none), options);
        QCOMPARE(empty.pageCount(), 1);
        QCOMPARE(textsOf(empty, "Function1"), QStringList{"0"});
    }

    void growingField() {
        const QString longName = "Extra large organic golden delicious apples in wooden crates";
        ReportTable master({"ProductID", "ProductName", "Total Units"});
        master.addRow({1, longName, 1});
        ReportTable child({"ProductID", "SupplierName", "Avg Unit Price", "Total Units"});
        child.addRow({1, longName, 1.0, 1});
        ReportDefinition def = costReport();
        def.item("txtSupplierName").grows(false);
        const ReportDocument doc =
            layoutReport(def, ReportData::shaped(master, child, "ProductID", "ProductID"), options);
        const LaidOutItem* header = doc.pages[0].find("txtProductName").at(0);
        const LaidOutItem* detail = doc.pages[0].find("txtSupplierName").at(0);
        QCOMPARE(header->lines.join(u' '), longName);
        for (const QString& line : header->lines)
            QVERIFY(ReportText::width(line, header->font) <= 2160);
        QCOMPARE(header->rect.height(), int(header->lines.size()) * header->lineHeight);
        // The section grows by the extra lines and pushes the detail down.
        QCOMPARE(detail->rect.y(), header->rect.y() + 270 + header->rect.height() - 240);
        QCOMPARE(detail->lines.size(), 1); // a field that does not grow keeps to its height
    }

    void flatReport() {
        ReportDefinition def;
        def.detail = {"cm1B_Detail",
                      315,
                      {I::field("txtName", {0, 0, 2190, 240}, "ProductName"),
                       I::field("txtStock", {6135, 0, 2055, 240}, "Units in Stock").right()}};
        def.reportFooter = {
            "Section5", 300, {I::sum("total", {6135, 0, 2055, 240}, "Units in Stock")}};
        ReportTable rows({"ProductName", "Units in Stock"});
        rows.addRow({"A", 1.5});
        rows.addRow({"B", QVariant()});
        rows.addRow({"C", 0.1 + 0.2});
        const ReportDocument doc = layoutReport(def, ReportData::flat(rows), options);
        QCOMPARE(doc.pages[0].texts(), (QStringList{"A", "1.5", "B", "", "C", "0.3", "1.8"}));
    }

    void pdfText() {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        writePdf(costReport(), costData(), path, options);
        const QString text = poppler("pdftotext", {"-layout", path, "-"});
        for (const char* expected :
             {"Product Cost Comparisons", "Wednesday, January 15, 2025", "1:02:03 PM", "Product 1",
              "Supplier 3-2", "$5.00", "Grand Total", "Page 1 of 1"}) {
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        }
        // The supplier and its price print on one line, in that order.
        QVERIFY(text.contains(QRegularExpression("Supplier 1-1\\s+\\$2\\.50\\s+2")));
        QVERIFY(poppler("pdfinfo", {path}).contains(QRegularExpression("Page size:\\s+612 x 792")));

        ReportDefinition wide = costReport();
        wide.orientation = QPageLayout::Landscape;
        writePdf(wide, costData(40, 3), path, options);
        const QString info = poppler("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+792 x 612 pts")),
                 qPrintable(info));
        const QString pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1);
        QVERIFY(pages.toInt() > 1);
        QVERIFY(poppler("pdftotext", {path, "-"}).contains(QString("Page %1 of %1").arg(pages)));
    }

    void preview() {
        QTemporaryDir dir;
        const QString path = dir.filePath("saved.pdf");
        PreviewOptions preview;
        preview.layout = options;
        preview.choosePdfPath = [&](QWidget*) {
            return path;
        };
        preview.reportError = [](const QString& m) {
            QFAIL(qPrintable(m));
        };
        const QString csvPath = dir.filePath("rows.csv");
        preview.chooseCsvPath = [&](QWidget*) {
            return csvPath;
        };
        QString title;
        whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            title = dialog->windowTitle();
            if (auto* save = dialog->findChild<QAction*>("savePdfAction"))
                save->trigger();
            if (auto* csv = dialog->findChild<QAction*>("exportCsvAction"))
                csv->trigger();
            dialog->reject();
        });
        showReportPreview(costReport(), costData(), preview);
        QCOMPARE(title, QStringLiteral("Product Cost Comparisons"));
        QVERIFY(poppler("pdftotext", {path, "-"}).contains("Grand Total"));
        // The rows beside it: a row per supplier line under its product's values, a product
        // without lines once.
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(),
                 QByteArray("ProductID,ProductName,Total Units,SupplierName,Avg Unit Price,Total "
                            "Units\r\n1,Product 1,5,Supplier 1-1,2.5,2\r\n1,Product 1,5,Supplier "
                            "1-2,5,3\r\n2,Product 2,0,,,\r\n3,Product 3,9,Supplier 3-1,2.5,4\r\n"
                            "3,Product 3,9,Supplier 3-2,5,5\r\n"));
    }
};

QTEST_MAIN(tst_ReportEngine)
#include "tst_ReportEngine.moc"
