#include "csv/CsvWriter.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QSaveFile>

namespace quarvel::csv {

CsvWriter::CsvWriter(QIODevice* device) : m_device(device) {}

QByteArray CsvWriter::field(const QString& text) {
    QByteArray bytes = text.toUtf8();
    const bool quote = bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') ||
                       bytes.contains('\r') ||
                       (!bytes.isEmpty() && (bytes.front() == ' ' || bytes.back() == ' ' ||
                                             bytes.front() == '\t' || bytes.back() == '\t'));
    if (!quote)
        return bytes;
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

void CsvWriter::writeRow(const QStringList& fields) {
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += field(fields.at(i));
    }
    line += "\r\n";
    if (m_device->write(line) != line.size())
        m_ok = false;
}

QString CsvWriter::writeFile(const QString& path, const QList<QStringList>& rows) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        CsvWriter writer(&file);
        for (const QStringList& row : rows)
            writer.writeRow(row);
        if (writer.ok() && file.commit())
            return {};
    }
    return QCoreApplication::translate("quarvel::Csv", "Cannot write %1: %2")
        .arg(path, file.errorString());
}

} // namespace quarvel::csv
