#pragma once

#include <QStringList>

class QIODevice;

namespace quarvel::csv {

// Writes rows of text as CSV (RFC 4180): UTF-8 without a byte-order mark, fields separated by
// commas, lines ended by CR LF, a field quoted only when it holds a comma, a quote, a line
// break or leading or trailing space (quotes inside doubled), so that what a spreadsheet reads
// back is exactly the text written.
//
// Written here rather than with libcsv's writer: libcsv quotes every field, which makes plain
// numbers quoted text for some spreadsheets; the rule above is the whole of the writing side.
class CsvWriter {
public:
    explicit CsvWriter(QIODevice* device);

    void writeRow(const QStringList& fields);
    // Whether every row so far reached the device.
    bool ok() const { return m_ok; }

    // One field as it stands in a row.
    static QByteArray field(const QString& text);

    // Writes `rows` to the file at `path` as a whole: an existing file is replaced only once
    // every row is written. Empty when written, otherwise why not.
    static QString writeFile(const QString& path, const QList<QStringList>& rows);

private:
    QIODevice* m_device;
    bool m_ok = true;
};

} // namespace quarvel::csv
