// Every window under a German locale, with the program's German translation and Qt's: no
// label's or button's text is wider than its control (a label may instead carry its whole
// text as its tooltip), and the windows keep their designed sizes.
#include "../products/ProductsFixture.h"
#include "app/TaskMenu.h"
#include "count/CountWindow.h"
#include "data/ProgramFiles.h"
#include "find/FindProductWindow.h"
#include "history/window/HistoryWindow.h"
#include "import/window/ImportWindow.h"
#include "orders/PauseWindow.h"
#include "orders/PurchaseOrdersWindow.h"
#include "reference/CategoriesWindow.h"
#include "reference/CompanyInformationWindow.h"
#include "reference/EmployeesWindow.h"
#include "reference/ShippingMethodsWindow.h"
#include "reference/SuppliersWindow.h"
#include "reorder/ReorderWindow.h"
#include "reports/DataReports.h"
#include "reports/ReportDateRangeWindow.h"
#include "reports/ReportsWindow.h"
#include "reports/engine/ReportText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLibraryInfo>
#include <QRadioButton>
#include <QTranslator>

using namespace quarvel;

namespace {

// The widest line of `text` in the widget's font.
int textWidth(const QWidget& widget, QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
    return widest;
}

// "<window>/<control> '<text>': needs N, has M" for each control whose text does not fit.
QStringList cutTexts(const QWidget& window) {
    QStringList cut;
    const auto report = [&](const QWidget& control, const QString& text, int needed, int room) {
        if (needed > room)
            cut << QStringLiteral("%1/%2 '%3': needs %4, has %5")
                       .arg(window.objectName(), control.objectName(), text)
                       .arg(needed)
                       .arg(room);
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->wordWrap() ||
            label->textFormat() == Qt::RichText || label->toolTip() == label->text() ||
            label->objectName() == QLatin1String("ChangeNotice"))
            continue;
        report(*label, label->text(), textWidth(*label, label->text()),
               label->contentsRect().width() - 2 * label->margin() - label->indent());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty())
            continue;
        // A box to tick and a round button have their mark beside the text.
        const bool marked =
            qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button);
        report(*button, button->text(), textWidth(*button, button->text()) + (marked ? 20 : 6),
               button->width());
    }
    return cut;
}

// The lines each label of report `number` takes, by item name.
QMap<QString, int> reportLabelLines(int number) {
    using namespace reports;
    QMap<QString, int> lines;
    const ReportDefinition definition = dataReport(number);
    for (const ReportSection* section : definition.sections()) {
        for (const ReportItem& item : section->items) {
            if (item.kind != ReportItem::Kind::Label || item.caption.startsWith(u'%'))
                continue;
            const QFont font = ReportText::qfont(item.fontChange.applyTo(definition.font));
            lines.insert(section->name + u'/' + item.name + u' ' + item.caption,
                         int(ReportText::wrap(item.caption, font, item.rect.width()).size()));
        }
    }
    return lines;
}

} // namespace

class TestGermanLayout : public QObject {
    Q_OBJECT

    QTranslator qtTexts;
    QTranslator ownTexts;

private slots:
    void initTestCase() {
        QVERIFY(ownTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("quarvel"),
                              QStringLiteral("_"), translationsFolder()));
        QCoreApplication::installTranslator(&ownTexts);
        if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTexts);
    }

    void everyWindowsTextsFitTheirControls() {
        ProductsFixture f;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(f.window->taskMenu()->entry(0)->text().isEmpty(), false);
        QStringList cut = cutTexts(*f.window);
        const auto check = [&](shell::FormWindow&& window) {
            const QSize designed = window.size();
            window.Form_Load();
            window.show();
            QCOMPARE(window.size(), designed);
            cut << cutTexts(window);
        };
        shell::Session& session = f.session();
        check(reference::CategoriesWindow(session));
        check(reference::EmployeesWindow(session));
        check(reference::SuppliersWindow());
        check(reference::ShippingMethodsWindow());
        check(reference::CompanyInformationWindow());
        check(orders::PurchaseOrdersWindow(session));
        check(orders::PauseWindow());
        check(reports::ReportsWindow(session));
        check(reports::ReportDateRangeWindow(session));
        check(FindProductWindow(session));
        check(reorder::ReorderWindow(session));
        check(count::CountWindow());
        check(import::ImportWindow());
        check(history::HistoryWindow());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    // A report's German captions take no more lines than its English ones.
    void reportCaptionsFitTheirLabels() {
        QStringList cut;
        for (int number = 1; number <= 5; ++number) {
            QCoreApplication::removeTranslator(&ownTexts);
            QMap<QString, int> english; // by section and item
            const QMap<QString, int> shown = reportLabelLines(number);
            for (auto it = shown.cbegin(); it != shown.cend(); ++it)
                english.insert(it.key().section(u' ', 0, 0), it.value());
            QCoreApplication::installTranslator(&ownTexts);
            const QMap<QString, int> german = reportLabelLines(number);
            QCOMPARE(german.size(), english.size());
            for (auto it = german.cbegin(); it != german.cend(); ++it) {
                if (it.value() > std::max(1, english.value(it.key().section(u' ', 0, 0))))
                    cut << QStringLiteral("DataReport%1 %2: %3 lines")
                               .arg(number)
                               .arg(it.key())
                               .arg(it.value());
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
};

QTEST_MAIN(TestGermanLayout)
#include "tst_germanlayout.moc"
