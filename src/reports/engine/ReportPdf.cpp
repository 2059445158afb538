#include "ReportPdf.h"

#include "ReportError.h"
#include "ReportPainter.h"
#include "Tr.h"

#include <QFile>
#include <QPdfWriter>

namespace quarvel::reports {

namespace {

// Opens the file, paints into it and closes it, reporting any failure to write.
template <typename Paint>
void writePdfFile(const QString& path, const QString& title, Paint paint) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw ReportError(
            Tr::tr("The report cannot be saved as \"%1\": %2").arg(path, file.errorString()));
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(1440);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quarvel"));
        try {
            paint(writer);
        } catch (...) {
            file.close();
            file.remove(); // no half-written report is left behind
            throw;
        }
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        throw ReportError(
            Tr::tr("The report cannot be saved as \"%1\": %2").arg(path, file.errorString()));
    }
}

} // namespace

int writePdf(const ReportDefinition& definition, const ReportData& data, const QString& path,
             const LayoutOptions& options) {
    int pages = 0;
    writePdfFile(path, definition.title, [&](QPdfWriter& writer) {
        pages = paintReport(definition, data, options, writer);
    });
    return pages;
}

void writePdf(const ReportDocument& document, const QString& path) {
    writePdfFile(path, document.title, [&](QPdfWriter& writer) { paintReport(document, writer); });
}

} // namespace quarvel::reports
