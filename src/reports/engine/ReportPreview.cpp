#include "ReportPreview.h"

#include "ReportCsv.h"
#include "ReportError.h"
#include "ReportPainter.h"
#include "ReportPdf.h"
#include "Tr.h"
#include "csv/CsvWriter.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <memory>

namespace quarvel::reports {

namespace {

LayoutOptions optionsFor(const QPrinter& printer, LayoutOptions options) {
    const QPageLayout layout = printer.pageLayout();
    options.orientation = layout.orientation();
    options.pageSize = layout.pageSize();
    return options;
}

QString askPdfPath(QWidget* parent, const QString& title) {
    return QFileDialog::getSaveFileName(
        parent, Tr::tr("Save as PDF"), title + QStringLiteral(".pdf"), Tr::tr("PDF files (*.pdf)"));
}

} // namespace

void showReportPreview(const ReportDefinition& definition, const ReportData& data,
                       const PreviewOptions& options, QWidget* parent) {
    LayoutOptions layoutOptions = options.layout;
    if (!layoutOptions.now.isValid())
        layoutOptions.now = QDateTime::currentDateTime();

    std::unique_ptr<QPrinter> ownPrinter;
    QPrinter* printer = options.printer;
    if (!printer) {
        ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = ownPrinter.get();
        printer->setPageSize(layoutOptions.pageSize.value_or(definition.pageSize));
        printer->setPageOrientation(layoutOptions.orientation.value_or(definition.orientation));
    }
    printer->setFullPage(true);
    printer->setDocName(definition.title);

    // Laid out once before showing, so a faulty report fails here rather than inside a slot.
    layoutReportPages(definition, data, optionsFor(*printer, layoutOptions), [](LaidOutPage&&) {});
    auto fail = [&](const QString& message) {
        if (options.reportError)
            options.reportError(message);
        else
            qWarning("%s", qPrintable(message));
    };

    QPrintPreviewDialog dialog(printer, parent);
    dialog.setObjectName(definition.name.isEmpty() ? QStringLiteral("reportPreview")
                                                   : definition.name);
    dialog.setWindowTitle(definition.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        try {
            paintReport(definition, data, optionsFor(*target, layoutOptions), *target);
        } catch (const std::exception& e) {
            fail(QString::fromStdString(e.what()));
        }
    });

    auto* saveAction = new QAction(Tr::tr("Save as PDF..."), &dialog);
    saveAction->setObjectName(QStringLiteral("savePdfAction"));
    QObject::connect(saveAction, &QAction::triggered, &dialog, [&] {
        try {
            const QString path = options.choosePdfPath ? options.choosePdfPath(&dialog)
                                                       : askPdfPath(&dialog, definition.title);
            if (!path.isEmpty())
                writePdf(definition, data, path, optionsFor(*printer, layoutOptions));
        } catch (const std::exception& e) {
            fail(QString::fromStdString(e.what()));
        }
    });
    auto* csvAction = new QAction(Tr::tr("Export to CSV..."), &dialog);
    csvAction->setObjectName(QStringLiteral("exportCsvAction"));
    QObject::connect(csvAction, &QAction::triggered, &dialog, [&] {
        try {
            const QString path =
                options.chooseCsvPath
                    ? options.chooseCsvPath(&dialog)
                    : QFileDialog::getSaveFileName(&dialog, Tr::tr("Export to CSV"),
                                                   definition.title + QStringLiteral(".csv"),
                                                   Tr::tr("CSV files (*.csv)"));
            if (path.isEmpty())
                return;
            if (const QString failure = csv::CsvWriter::writeFile(path, reportCsvRows(data));
                !failure.isEmpty())
                fail(failure);
        } catch (const std::exception& e) {
            fail(QString::fromStdString(e.what()));
        }
    });
    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        toolBar->addSeparator();
        toolBar->addAction(saveAction);
        toolBar->addAction(csvAction);
    } else {
        dialog.addAction(saveAction);
        dialog.addAction(csvAction);
    }
    dialog.exec();
}

} // namespace quarvel::reports
