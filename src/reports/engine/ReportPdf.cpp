#include "ReportPdf.h"

#include "ReportError.h"
#include "ReportPainter.h"

#include <QFile>
#include <QPdfWriter>

namespace quarvel::reports {

void writePdf(const ReportDefinition& definition, const ReportData& data, const QString& path,
              const LayoutOptions& options) {
    writePdf(layoutReport(definition, data, options), path);
}

void writePdf(const ReportDocument& document, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw ReportError(QStringLiteral("The report cannot be saved as \"%1\": %2")
                              .arg(path, file.errorString()));
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(1440);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Quarvel"));
        paintReport(document, writer);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        throw ReportError(QStringLiteral("The report cannot be saved as \"%1\": %2")
                              .arg(path, file.errorString()));
    }
}

} // namespace quarvel::reports
