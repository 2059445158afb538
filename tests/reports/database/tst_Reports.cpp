// The five reports laid out on the sample database and on small hand-made ones (what the pages
// say, page numbering, totals, the printed purchase order), and the Reports window (Form3) and
// Report Date Range window (Form10) driven as a user; the reports those show are caught by the
// show hook instead of opening a preview.

#include "../ReportChecks.h"
#include "BoxRecorder.h"
#include "DbTool.h"
#include "TempDatabase.h"
#include "controls/BoundTextBox.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "reports/DataEnvironment.h"
#include "reports/DataReportInitialize.h"
#include "reports/DataReports.h"
#include "reports/Printers.h"
#include "reports/ReportDateRangeWindow.h"
#include "reports/ReportsWindow.h"
#include "reports/engine/ReportEngine.h"
#include "reports/engine/ReportFormat.h"
#include "shell/Globals.h"
#include "shell/Session.h"
#include "shell/WindowTable.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace quarvel;
using namespace quarvel::reports;

namespace {

// The session the reports and their windows work with, as the Products window's would be.
shell::Session session;

// DataReport<number> initialised and laid out on the database QUARVEL_DATABASE names.
ReportDocument layout(int number) {
    ReportDefinition report = dataReport(number);
    DataEnvironment de1(OpenConnection());
    const ReportData data = de1.load(dataMemberOf(number), dataFieldsOf(report));
    DataReport_Initialize(number, report, 1, session);
    return layoutReport(report, data, fixedOptions());
}

void type(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

} // namespace

class tst_Reports : public QObject {
    Q_OBJECT

private slots:
    // The same stored values read the same in a window's box and on a report's page, in
    // every locale: one module formats them for both.
    void aValueReadsTheSameInAWindowAndInAReport() {
        m_db->exec("INSERT INTO Products (ProductName) VALUES ('Hammer');"
                   "INSERT INTO [Inventory Transactions] (ProductID, TransactionDate, "
                   "TransactionDescription, UnitsSold, UnitPrice) VALUES "
                   "(1, '2025-01-15', '2025-01-16', 3, 0.1)");
        Recordset rs;
        rs.Open("SELECT TransactionDate, TransactionDescription, UnitsSold, UnitPrice, "
                "UnitPrice * 3 AS Computed FROM [Inventory Transactions]",
                OpenConnection());
        auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        for (const QLocale& locale :
             {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
              QLocale(QLocale::German, QLocale::Germany)}) {
            QLocale::setDefault(locale);
            for (int field = 0; field < rs.fieldCount(); ++field) {
                controls::BoundTextBox box;
                box.bind(&rs, rs.fieldName(field));
                QCOMPARE(box.text(), formatValue(rs.Fields(field), QString(), locale));
            }
        }
        QCOMPARE(formatValue(rs.Fields("Computed"), QString(), QLocale::c()), QString("0.3"));
    }

    void initTestCase() {
        // No print server: the orientation calls of the initialise handlers do nothing.
        qputenv("CUPS_SERVER", m_dir.filePath("no-cups.sock").toUtf8());
        shell::WindowTable::registerWindow(
            shell::WindowId::Form10, shell::WindowTable::modal<ReportDateRangeWindow>(session));
    }

    void init() {
        m_db = std::make_unique<TempDatabase>();
        m_db->exec(QStringLiteral("UPDATE [My Company Information] SET BeginDate = '2021-01-01',"
                                  " EndDate = '2021-12-31'"));
        qputenv("QUARVEL_DATABASE", m_db->path().toUtf8());
        m_titles.clear();
        m_periods.clear();
        session.strBeginDate.clear();
        session.strEndDate.clear();
        setReportShowHook(
            [this](const ReportDefinition& report, const ReportData&, QPageLayout::Orientation) {
                m_titles << report.title;
                if (report.name == u"DataReport2")
                    m_periods << report.item("lblPeriod").caption;
            });
        m_recorder.boxes.clear();
    }

    void cleanup() { setReportShowHook({}); }

    void sampleReportsAndThePurchaseOrder() {
        const TempDatabase db(TempDatabase::Content::Nothing);
        dbtool::createDatabase(db.path(), true, false);
        db.exec("UPDATE [My Company Information] SET PurchaseOrderID = 12,"
                " PhoneNumber = '555-123-4567', FaxNumber = '555.123.4568'");
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        for (int number = 1; number <= 5; ++number) {
            const ReportDocument doc = layout(number); // the titles are the Reports window case's
            QCOMPARE(doc.pages.front().find("Label3").at(0)->text(), doc.title);
            QCOMPARE(doc.orientation,
                     number == 3 || number == 4 ? QPageLayout::Landscape : QPageLayout::Portrait);
            // The last page's footer: today's date and the page number; DataReport2 the page
            // number only.
            QStringList footer;
            for (const LaidOutItem& item : doc.pages.back().items) {
                if (item.section == u"Section3")
                    footer << item.text();
            }
            QStringList expected = {QStringLiteral("Page %1 of %1").arg(doc.pageCount())};
            if (number != 2)
                expected.prepend(QStringLiteral("Wednesday, January 15, 2025"));
            QCOMPARE(footer, expected);
        }

        const ReportDocument doc = layout(5);
        QCOMPARE(doc.pageCount(), 1);
        const LaidOutPage& page = doc.pages.front();
        QCOMPARE(page.find("lblPhone").at(0)->text(),
                 QStringLiteral("Phone: (555) 123-4567  Fax: (555) 123-4568"));
        QCOMPARE(page.find("txtPurchaseOrderID").at(0)->text(), QStringLiteral("12"));
        // The order's lines, in the order they were entered.
        QCOMPARE(textsOf(doc, "txtUnitsOrdered"), QStringList({"15", "30", "3", "20"}));
        QCOMPARE(textsOf(doc, "txtUnitPrice"), QStringList({"$22.50", "$8.40", "$2.50", "$11.20"}));
        QCOMPARE(textsOf(doc, "txtSubtotal"),
                 QStringList({"$337.50", "$252.00", "$7.50", "$224.00"}));
        QCOMPARE(page.find("txtOrderTotal").at(0)->text(), QStringLiteral("$821.00"));

        // A long order goes on under its header again, its number marked as continued.
        db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40)"
                " INSERT INTO [Inventory Transactions] (TransactionDate, ProductID,"
                " PurchaseOrderID, UnitPrice, UnitsOrdered)"
                " SELECT '2021-01-01', (SELECT MIN(ProductID) FROM Products), 12, 1, i FROM n");
        const ReportDocument longOrder = layout(5);
        QVERIFY(longOrder.pageCount() >= 2);
        QCOMPARE(longOrder.pages[1].find("txtPurchaseOrderID").at(0)->text(),
                 QStringLiteral("12 (continued)"));
        QCOMPARE(textsOf(longOrder, "txtUnitsOrdered").size(), 44);
    }

    void costComparisonFigures() {
        m_db->exec(QStringLiteral(
            "INSERT INTO Suppliers (SupplierID, SupplierName) VALUES (1, 'Acme'), (2, 'Bolt');"
            "INSERT INTO Products (ProductID, ProductName) VALUES (1, 'Rake'), (2, 'Hoe'),"
            " (3, 'Spade');"
            "INSERT INTO [Purchase Orders] (PurchaseOrderID, SupplierID, PurchaseOrderNumber)"
            " VALUES (1, 1, 1), (2, 2, 2);"
            "INSERT INTO [Inventory Transactions] (TransactionDate, ProductID, PurchaseOrderID,"
            " UnitPrice, UnitsOrdered) VALUES ('2021-03-01', 1, 1, 12.5, 4),"
            " ('2021-03-02', 1, 2, 0, 6), ('2021-03-03', 3, 1, 2.5, 3);"));
        const ReportDocument doc = layout(1);
        QCOMPARE(doc.pageCount(), 1);
        // Hoe has no order lines and still prints its header (and its footer).
        QCOMPARE(textsOf(doc, "txtProductName"), QStringList({"Hoe", "Rake", "Spade"}));
        QCOMPARE(textsOf(doc, "txtProductUnits"), QStringList({"0", "10", "3"}));
        QCOMPARE(textsOf(doc, "txtAvgUnitPrice"), QStringList({"$12.50", "$0.00", "$2.50"}));
        QCOMPARE(textsOf(doc, "Function1"), QStringList{QStringLiteral("13")});
    }

    void longReportPaging() {
        // Rake sells 0 to 59 units a day, Spade 60 to 99.
        m_db->exec("INSERT INTO Products (ProductID, ProductName) VALUES (1, 'Rake'), (2, 'Spade');"
                   "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 99)"
                   " INSERT INTO [Inventory Transactions] (TransactionDate, ProductID, UnitsSold)"
                   " SELECT '2021-01-01', CASE WHEN i < 60 THEN 1 ELSE 2 END, i FROM n");
        const ReportDocument doc = layout(4);
        QVERIFY(doc.pageCount() >= 3);
        QCOMPARE(textsOf(doc, "txtUnitsSold").size(), 100);
        for (const LaidOutPage& page : doc.pages) {
            QCOMPARE(page.find("Label6").at(0)->text(),
                     QStringLiteral("Page %1 of %2").arg(page.number).arg(doc.pageCount()));
            QCOMPARE(page.find("Label4").size(), size_t(1)); // headings every page
            // Every page names the product its first row belongs to above that row; a product
            // going on from the page before is marked as continued. No product name ends a page.
            const auto names = page.find("txtProductName");
            const auto units = page.find("txtUnitsSold");
            QVERIFY(!names.empty() && !units.empty());
            QVERIFY(names.front()->rect.y() < units.front()->rect.y());
            QVERIFY(names.back()->rect.y() < units.back()->rect.y());
            const int first = units.front()->text().toInt();
            const QString product = first < 60 ? QStringLiteral("Rake") : QStringLiteral("Spade");
            const bool startsHere = first == 0 || first == 60;
            QCOMPARE(names.front()->text(),
                     startsHere ? product : product + QStringLiteral(" (continued)"));
        }
    }

    void reportsWindowButtonsShowTheirReports() {
        ReportsWindow window(session);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList captions = {"Product Cost Comparisons", "Product Purchases by Supplier",
                                      "Product Summary", "Product Transaction Detail", "Close"};
        int previousBottom = -1;
        for (int i = 0; i < 5; ++i) {
            QPushButton* button = window.button(QList<int>{1, 2, 3, 5, 4}.at(i));
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(button->accessibleName(), captions[i]);
            QVERIFY(button->y() > previousBottom); // stacked in this order
            previousBottom = button->geometry().bottom();
        }
        for (int number : {1, 3, 5})
            QTest::mouseClick(window.button(number), Qt::LeftButton);
        whenModal<ReportDateRangeWindow>([](ReportDateRangeWindow* w) { w->close(); });
        QTest::mouseClick(window.button(2), Qt::LeftButton);
        QCOMPARE(m_titles,
                 QStringList({"Product Cost Comparisons", "Product Summary",
                              "Product Transaction Detail", "Product Purchases by Supplier"}));
        QVERIFY(boxes().isEmpty());
        // A report that cannot be read is reported, naming the button, and the menu carries on.
        qputenv("QUARVEL_DATABASE", m_dir.filePath("missing/Products.db").toUtf8());
        QTest::mouseClick(window.button(2), Qt::LeftButton);
        QCOMPARE(boxes().size(), 1);
        QCOMPARE(m_recorder.boxes[0].title, QStringLiteral("Application Error"));
        QVERIFY2(boxes()[0].contains(
                     QStringLiteral("in Quarvel2021/08/31.Form3.PushButton2_Click at line 102")),
                 qPrintable(boxes()[0]));
        QCOMPARE(m_titles.size(), 4);
        QTest::mouseClick(window.button(4), Qt::LeftButton);
        QVERIFY(!window.isVisible());

        ReportDateRangeWindow range(session);
        QCOMPARE(range.findChild<QLabel*>("Label1(0)")->buddy(), range.beginDateBox());
        QCOMPARE(range.previewButton()->accessibleName(), QStringLiteral("Preview..."));
    }

    // Closed with its close box, the window stores the typed dates too (the Preview... button
    // is the typed years' case).
    void dateRangeStoredAndShown() {
        whenModal<ReportDateRangeWindow>([](ReportDateRangeWindow* w) {
            type(w->beginDateBox(), QStringLiteral("02/01/2021"));
            type(w->endDateBox(), QStringLiteral("11/30/2021"));
            w->close();
        });
        ShowReport(2, session);
        QVERIFY2(boxes().isEmpty(), qPrintable(boxes().join(u'\n')));
        QCOMPARE(storedBeginDate(), QStringLiteral("2021-02-01"));
        QCOMPARE(m_periods,
                 QStringList{QStringLiteral("For Transactions Between:02/01/2021 and 11/30/2021")});

        // Asked again, the window opens on the period saved the first time.
        QString shownBegin;
        whenModal<ReportDateRangeWindow>([&shownBegin](ReportDateRangeWindow* w) {
            shownBegin = w->beginDateBox()->text();
            w->close();
        });
        ShowReport(2, session);
        QCOMPARE(shownBegin, QStringLiteral("02/01/2021"));
        QCOMPARE(m_titles.size(), 2);
    }

    void typedYears_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown"); // in the period line
        const auto row = [](const char* locale, const char* typed, const char* stored,
                            const char* shown) {
            QTest::addRow("%s %s", locale, typed) << locale << typed << stored << shown;
        };
        for (const char* locale : {"C", "en_US"}) {
            row(locale, "1/5/21", "2021-01-05", "01/05/2021");
            row(locale, "12/31/1999", "1999-12-31", "12/31/1999");
            row(locale, "1/5/99", "2099-01-05", "01/05/2099");
            row(locale, "3/4/00", "2000-03-04", "03/04/2000");
        }
        // The locale's own short form, with its two-digit year read the same way.
        row("de_DE", "05.01.21", "2021-01-05", "01/05/2021");
    }

    void typedYears() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const QLocale previous;
        QLocale::setDefault(QLocale(locale));
        whenModal<ReportDateRangeWindow>([typed](ReportDateRangeWindow* w) {
            type(w->beginDateBox(), typed);
            QTest::mouseClick(w->previewButton(), Qt::LeftButton);
        });
        ShowReport(2, session);
        QLocale::setDefault(previous);
        QVERIFY2(boxes().isEmpty(), qPrintable(boxes().join(u'\n')));
        QCOMPARE(storedBeginDate(), stored);
        QCOMPARE(m_periods, QStringList{"For Transactions Between:" + shown + " and 12/31/2021"});
    }

    void dateThatCannotBeStored() {
        whenModal<ReportDateRangeWindow>([](ReportDateRangeWindow* w) {
            type(w->beginDateBox(), QStringLiteral("13/45/2021"));
            QTest::mouseClick(w->previewButton(), Qt::LeftButton);
        });
        ShowReport(2, session);
        // Reported by the button and again by the close request's retry; the report still shows.
        QCOMPARE(boxes().size(), 2);
        QVERIFY(boxes()[0].contains(QStringLiteral("Form10.PushButton1_Click at line 102")));
        QVERIFY(boxes()[1].contains(QStringLiteral("Form10.Form_QueryUnload at line 102")));
        QCOMPARE(storedBeginDate(), QStringLiteral("2021-01-01"));
        // The period line states the period the figures use, not the text that was refused.
        QCOMPARE(m_periods,
                 QStringList{QStringLiteral("For Transactions Between:01/01/2021 and 12/31/2021")});
    }

    void emptyCompanyTable() {
        // No row to show: reported, the boxes stay empty and the period texts become empty.
        m_db->exec("DELETE FROM [My Company Information]");
        session.strBeginDate = QStringLiteral("01/01/2021");
        QString shownBegin = QStringLiteral("unset");
        whenModal<ReportDateRangeWindow>([&shownBegin](ReportDateRangeWindow* w) {
            shownBegin = w->beginDateBox()->text();
            QTest::mouseClick(w->previewButton(), Qt::LeftButton);
        });
        ShowReport(2, session);
        QVERIFY(!boxes().isEmpty());
        QVERIFY2(boxes()[0].contains(QStringLiteral("Form10.Form_Load at line")),
                 qPrintable(boxes()[0]));
        QCOMPARE(shownBegin, QString());
        QCOMPARE(m_periods, QStringList{QStringLiteral("For Transactions Between: and ")});
    }

private:
    QString storedBeginDate() const {
        return m_db->scalar("SELECT BeginDate FROM [My Company Information]").toString();
    }
    QStringList boxes() const { return m_recorder.texts(); }

    QTemporaryDir m_dir;
    std::unique_ptr<TempDatabase> m_db;
    BoxRecorder m_recorder{QMessageBox::Ok};
    QStringList m_titles;
    QStringList m_periods;
};

QTEST_MAIN(tst_Reports)
#include "tst_Reports.moc"
