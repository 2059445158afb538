// "Product Transaction Detail" over a large generated database, laid out and written to PDF,
// against a baseline that paints the same number of pages of similar text straight onto
// QPdfWriter. Prints pages per second of both and the peak memory of the process.
//
//   bench_report_pdf [--products N] [--transactions N] [database]
//
// Without a database one is generated (100000 products, 1000000 transactions by default).

#include "../Generated.h"
#include "DbTool.h"
#include "data/Connection.h"
#include "reports/DataEnvironment.h"
#include "reports/DataReports.h"
#include "reports/engine/ReportEngine.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace quarvel;
using namespace quarvel::reports;

namespace {

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

double seconds(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e9;
}

// Pages of report-like text painted directly: a title line, eight headings, 29 rows of seven
// columns and a footer per page, at 1440 dots per inch in Arial 9.75 pt.
void baseline(int pages, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(1440);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(195);
    painter.setFont(font);
    const int columns[] = {1845, 3195, 6420, 7785, 9015, 10245, 11475};
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        int y = 1440;
        painter.drawText(QRect(1440, y, 2805, 240), QStringLiteral("Product Name"));
        painter.drawLine(1500, y + 300, 14325, y + 300);
        y += 375;
        for (int row = 0; row < 29; ++row, y += 285) {
            const int n = page * 29 + row;
            painter.drawText(QRect(1440 + columns[0], y, 1275, 240), Qt::AlignRight,
                             QStringLiteral("3/14/2021"));
            painter.drawText(QRect(1440 + columns[1], y, 3150, 240),
                             QStringLiteral("Received from supplier %1").arg(n % 977));
            painter.drawText(QRect(1440 + columns[2], y, 1320, 240), Qt::AlignRight,
                             QStringLiteral("$1 %1.50").arg(n % 1000, 3, 10, QLatin1Char('0')));
            for (int c = 3; c < 7; ++c)
                painter.drawText(QRect(1440 + columns[c], y, 1185, 240), Qt::AlignRight,
                                 QString::number((n * c) % 500));
        }
        painter.drawText(QRect(1560, 12240 - 1440 - 255, 2940, 240), Qt::AlignRight,
                         QStringLiteral("Wednesday, January 1, 2025"));
        painter.drawText(QRect(10905, 12240 - 1440 - 240, 2685, 240), Qt::AlignRight,
                         QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    dbtool::GenerateOptions generate{100000, 1000000};
    QString database;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == u"--products" && i + 1 < args.size())
            generate.products = args[++i].toInt();
        else if (args[i] == u"--transactions" && i + 1 < args.size())
            generate.transactions = args[++i].toInt();
        else
            database = args[i];
    }
    QTemporaryDir dir;
    database = benchDatabase(database, dir, generate);
    try {
        LayoutOptions options;
        options.now = QDateTime(QDate(2025, 1, 1), QTime(13, 2, 3));
        options.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        ReportDefinition report = DataReport4();
        const double before = peakMiB();

        QElapsedTimer total;
        total.start();
        QElapsedTimer step;
        step.start();
        const DataEnvironment de1(Connection::open(database));
        const ReportData data = de1.load(QStringLiteral("cm4"), dataFieldsOf(report));
        const double load = seconds(step);
        const double loadedPeak = peakMiB();
        step.restart();
        // Layout and painting run together, one page at a time.
        const int pages =
            writePdf(report, data, dir.filePath(QStringLiteral("report.pdf")), options);
        const double layoutAndPaint = seconds(step);
        const double reportSeconds = seconds(total);
        const double reportPeak = peakMiB();
        std::printf("report:   %d master rows, %d child rows, %d pages\n", data.master().rowCount(),
                    data.child().rowCount(), pages);
        std::printf(
            "          load %.1f s, layout and pdf %.1f s, total %.1f s: "
            "%.0f pages/s, %lld bytes\n",
            load, layoutAndPaint, reportSeconds, pages / reportSeconds,
            static_cast<long long>(QFile(dir.filePath(QStringLiteral("report.pdf"))).size()));
        std::printf("          peak memory %.0f MiB (%.0f MiB before, %.0f MiB with the rows "
                    "loaded)\n",
                    reportPeak, before, loadedPeak);

        step.restart();
        baseline(pages, dir.filePath(QStringLiteral("baseline.pdf")));
        const double baseSeconds = seconds(step);
        std::printf("baseline: %d pages in %.1f s: %.0f pages/s\n", pages, baseSeconds,
                    pages / baseSeconds);
        const double ratio = (pages / reportSeconds) / (pages / baseSeconds);
        std::printf("ratio report/baseline %.2f (target >= 0.90), peak %.0f MiB (target < 256)\n",
                    ratio, reportPeak);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
