#include "SampleReport.h"
#include "reports/engine/ReportError.h"
#include "reports/engine/ReportPdf.h"
#include "reports/engine/ReportPreview.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quarvel::reports;

namespace {

// The output of a poppler tool on a file; empty when it fails.
QString poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class tst_ReportOutput : public QObject {
    Q_OBJECT

private slots:
    void pdfText();
    void pdfFaults();
    void preview();
};

void tst_ReportOutput::pdfText() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    writePdf(sample::costReport(), sample::costData(), path, sample::options());
    const QString text = poppler(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
    for (const char* expected :
         {"Product Cost Comparisons", "Wednesday, January 15, 2025", "1:02:03 PM", "Product 1",
          "Supplier 3-2", "$2.50", "$5.00", "Grand Total", "Page 1 of 1"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    // The supplier and its price print on one line, in that order.
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Supplier 1-1\\s+\\$2\\.50\\s+2"))));
    QVERIFY(poppler(QStringLiteral("pdfinfo"), {path})
                .contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792 pts"))));

    ReportDefinition wide = sample::costReport();
    wide.orientation = QPageLayout::Landscape;
    writePdf(wide, sample::costData(40, 3), path, sample::options());
    const QString info = poppler(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+792 x 612 pts"))),
             qPrintable(info));
    const QString pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1);
    QVERIFY(pages.toInt() > 1);
    QVERIFY(poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                .contains(QStringLiteral("Page %1 of %1").arg(pages)));
}

void tst_ReportOutput::pdfFaults() {
    QVERIFY_THROWS_EXCEPTION(ReportError, writePdf(sample::costReport(), sample::costData(),
                                                   QStringLiteral("/nonexistent-folder/x.pdf"),
                                                   sample::options()));
}

void tst_ReportOutput::preview() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.pdf"));
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
    bool saved = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        title = dialog->windowTitle();
        if (auto* save = dialog->findChild<QAction*>(QStringLiteral("savePdfAction"))) {
            save->trigger();
            saved = QFile::exists(path);
        }
        dialog->reject();
    });
    poll.start(20);
    showReportPreview(sample::costReport(), sample::costData(), preview);
    poll.stop();
    QCOMPARE(title, QStringLiteral("Product Cost Comparisons"));
    QVERIFY(saved);
    QVERIFY(errors.isEmpty());
    QVERIFY(poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                .contains(QStringLiteral("Grand Total")));
}

QTEST_MAIN(tst_ReportOutput)
#include "tst_ReportOutput.moc"
