// The Reports window (Form3) and the Report Date Range window (Form10), driven as a user; the
// reports themselves are caught by the show hook instead of opening a preview.

#include "BoxRecorder.h"
#include "DbTool.h"
#include "TempDatabase.h"
#include "controls/BoundTextBox.h"
#include "reports/Printers.h"
#include "reports/ReportDateRangeWindow.h"
#include "reports/ReportsWindow.h"
#include "shell/Globals.h"
#include "shell/WindowTable.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace quarvel;
using namespace quarvel::reports;

namespace {

// Runs action on the Report Date Range window as soon as it is the active modal window.
void whenDateRangeShown(std::function<void(ReportDateRangeWindow*)> action) {
    QTimer::singleShot(0, [action] {
        if (auto* w = qobject_cast<ReportDateRangeWindow*>(QApplication::activeModalWidget()))
            action(w);
        else
            whenDateRangeShown(action);
    });
}

void type(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

} // namespace

class tst_ReportWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void reportsWindowLayout();
    void buttonsShowTheirReports();
    void showReportErrorNamesTheButton();
    void dateRangeStoredAndShown_data();
    void dateRangeStoredAndShown();
    void typedYears_data();
    void typedYears();
    void dateThatCannotBeStored();
    void emptyCompanyTable();

private:
    QString storedBeginDate() const {
        return m_db->scalar("SELECT BeginDate FROM [My Company Information]").toString();
    }
    // The message boxes shown, each as its title, "|" and its text.
    QStringList boxes() const {
        QStringList shown;
        for (const BoxRecorder::Box& box : m_recorder->boxes)
            shown << box.title + u'|' + box.text;
        return shown;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<BoxRecorder> m_recorder;
    QStringList m_titles;
    QStringList m_periods;
};

void tst_ReportWindows::initTestCase() {
    qputenv("CUPS_SERVER", m_dir.filePath("no-cups.sock").toUtf8());
    shell::WindowTable::registerWindow(QStringLiteral("Form10"),
                                       shell::WindowTable::modal<ReportDateRangeWindow>());
}

void tst_ReportWindows::init() {
    m_db = std::make_unique<TempDatabase>();
    m_db->exec(QStringLiteral("UPDATE [My Company Information] SET BeginDate = '2021-01-01',"
                              " EndDate = '2021-12-31'"));
    qputenv("QUARVEL_DATABASE", m_db->path().toUtf8());
    m_titles.clear();
    m_periods.clear();
    strBeginDate.clear();
    strEndDate.clear();
    setReportShowHook(
        [this](const ReportDefinition& report, const ReportData&, QPageLayout::Orientation) {
            m_titles << report.title;
            if (report.name == u"DataReport2")
                m_periods << report.item("lblPeriod").caption;
        });
    m_recorder = std::make_unique<BoxRecorder>(QMessageBox::Ok);
}

void tst_ReportWindows::cleanup() {
    setReportShowHook({});
    m_recorder.reset();
}

void tst_ReportWindows::reportsWindowLayout() {
    ReportsWindow window;
    window.Form_Load();
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
    ReportDateRangeWindow range;
    range.Form_Load();
    QCOMPARE(range.beginDateBox()->text(), QStringLiteral("01/01/2021"));
    QCOMPARE(range.endDateBox()->text(), QStringLiteral("12/31/2021"));
    QCOMPARE(range.findChild<QLabel*>("Label1(0)")->buddy(), range.beginDateBox());
    QCOMPARE(range.previewButton()->accessibleName(), QStringLiteral("Preview..."));
    QVERIFY(boxes().isEmpty());
}

void tst_ReportWindows::buttonsShowTheirReports() {
    ReportsWindow window;
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int number : {1, 3, 5})
        QTest::mouseClick(window.button(number), Qt::LeftButton);
    whenDateRangeShown([](ReportDateRangeWindow* w) { w->close(); });
    QTest::mouseClick(window.button(2), Qt::LeftButton);
    QCOMPARE(m_titles,
             QStringList({"Product Cost Comparisons", "Product Summary",
                          "Product Transaction Detail", "Product Purchases by Supplier"}));
    QVERIFY(boxes().isEmpty());
    QTest::mouseClick(window.button(4), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void tst_ReportWindows::showReportErrorNamesTheButton() {
    qputenv("QUARVEL_DATABASE", m_dir.filePath("missing/Products.db").toUtf8());
    ReportsWindow window;
    window.show();
    QTest::mouseClick(window.button(2), Qt::LeftButton);
    QCOMPARE(boxes().size(), 1);
    QVERIFY(boxes()[0].startsWith(QStringLiteral("Application Error|")));
    QVERIFY2(boxes()[0].contains(
                 QStringLiteral("in Quarvel2021/08/31.Form3.PushButton2_Click at line 102")),
             qPrintable(boxes()[0]));
    QVERIFY(m_titles.isEmpty());
    QVERIFY(window.isVisible()); // the menu carries on
}

void tst_ReportWindows::dateRangeStoredAndShown_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Preview...") << false;
    QTest::newRow("close box") << true;
}

void tst_ReportWindows::dateRangeStoredAndShown() {
    QFETCH(bool, closeBox);
    whenDateRangeShown([closeBox](ReportDateRangeWindow* w) {
        type(w->beginDateBox(), QStringLiteral("02/01/2021"));
        type(w->endDateBox(), QStringLiteral("11/30/2021"));
        if (closeBox)
            w->close();
        else
            QTest::mouseClick(w->previewButton(), Qt::LeftButton);
    });
    ShowReport(2);
    QVERIFY2(boxes().isEmpty(), qPrintable(boxes().join(u'\n')));
    QCOMPARE(storedBeginDate(), QStringLiteral("2021-02-01"));
    QCOMPARE(strBeginDate, QStringLiteral("02/01/2021"));
    QCOMPARE(strEndDate, QStringLiteral("11/30/2021"));
    QCOMPARE(m_periods,
             QStringList{QStringLiteral("For Transactions Between:02/01/2021 and 11/30/2021")});

    // Asked again, the window opens on the period saved the first time.
    QString shownBegin;
    whenDateRangeShown([&shownBegin](ReportDateRangeWindow* w) {
        shownBegin = w->beginDateBox()->text();
        w->close();
    });
    ShowReport(2);
    QCOMPARE(shownBegin, QStringLiteral("02/01/2021"));
    QCOMPARE(m_titles.size(), 2);
}

void tst_ReportWindows::typedYears_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    for (const char* locale : {"C", "en_US"}) {
        const auto row = [locale](const char* typed, const char* stored) {
            QTest::addRow("%s %s", locale, typed) << locale << typed << stored;
        };
        row("1/5/21", "2021-01-05");
        row("01/05/2021", "2021-01-05");
        row("12/31/1999", "1999-12-31");
        row("1/5/99", "2099-01-05");
        row("3/4/00", "2000-03-04");
    }
    // The locale's own short form, with its two-digit year read the same way.
    QTest::addRow("de_DE 05.01.21") << "de_DE"
                                    << "05.01.21"
                                    << "2021-01-05";
}

void tst_ReportWindows::typedYears() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    whenDateRangeShown([typed](ReportDateRangeWindow* w) {
        type(w->beginDateBox(), typed);
        QTest::mouseClick(w->previewButton(), Qt::LeftButton);
    });
    ShowReport(2);
    QLocale::setDefault(previous);
    QVERIFY2(boxes().isEmpty(), qPrintable(boxes().join(u'\n')));
    QCOMPARE(storedBeginDate(), stored);
    // The period line names the date that was stored.
    QCOMPARE(m_periods, QStringList{QStringLiteral("For Transactions Between:%1 and 12/31/2021")
                                        .arg(QDate::fromString(stored, Qt::ISODate)
                                                 .toString(QStringLiteral("MM/dd/yyyy")))});
}

void tst_ReportWindows::dateThatCannotBeStored() {
    whenDateRangeShown([](ReportDateRangeWindow* w) {
        type(w->beginDateBox(), QStringLiteral("13/45/2021"));
        QTest::mouseClick(w->previewButton(), Qt::LeftButton);
    });
    ShowReport(2);
    // Reported by the button and again by the close request's retry; the report still shows.
    QCOMPARE(boxes().size(), 2);
    QVERIFY(boxes()[0].contains(QStringLiteral("Form10.PushButton1_Click at line 102")));
    QVERIFY(boxes()[1].contains(QStringLiteral("Form10.Form_QueryUnload at line 102")));
    QCOMPARE(storedBeginDate(), QStringLiteral("2021-01-01"));
    // The period line states the period the figures use, not the text that was refused.
    QCOMPARE(strBeginDate, QStringLiteral("01/01/2021"));
    QCOMPARE(strEndDate, QStringLiteral("12/31/2021"));
    QCOMPARE(m_periods,
             QStringList{QStringLiteral("For Transactions Between:01/01/2021 and 12/31/2021")});
}

void tst_ReportWindows::emptyCompanyTable() {
    // No row to show: reported, the boxes stay empty and the period texts become empty.
    m_db->exec("DELETE FROM [My Company Information]");
    strBeginDate = QStringLiteral("01/01/2021");
    QString shownBegin = QStringLiteral("unset");
    whenDateRangeShown([&shownBegin](ReportDateRangeWindow* w) {
        shownBegin = w->beginDateBox()->text();
        QTest::mouseClick(w->previewButton(), Qt::LeftButton);
    });
    ShowReport(2);
    QVERIFY(!boxes().isEmpty());
    QVERIFY2(boxes()[0].contains(QStringLiteral("Form10.Form_Load at line")),
             qPrintable(boxes()[0]));
    QCOMPARE(shownBegin, QString());
    QCOMPARE(strBeginDate, QString());
    QCOMPARE(m_periods, QStringList{QStringLiteral("For Transactions Between: and ")});
}

QTEST_MAIN(tst_ReportWindows)
#include "tst_ReportWindows.moc"
