#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quarvel::csv {

// How a CSV file is written: its encoding and the character between fields.
struct Dialect {
    enum class Encoding { Utf8, Latin1 };
    Encoding encoding = Encoding::Utf8;
    char separator = ',';
};

// A file that cannot be read as CSV: what is wrong and on which line (from 1).
struct ReadError {
    QString message;
    int line = 0;
};

// Reads CSV files with libcsv (RFC 4180 and the common variants spreadsheets write): quoted
// fields with separators, doubled quotes and line breaks inside, CR LF or LF line ends, a
// UTF-8 byte-order mark. Unquoted fields keep their spaces; blank lines are skipped.
class CsvReader {
public:
    // What a file most likely is: UTF-8 when its bytes are valid UTF-8 (or it starts with the
    // byte-order mark), else Latin-1; the separator among comma, semicolon and tab that occurs
    // most often outside quotes on the first line (a comma when none does).
    static Dialect detect(const QByteArray& data);

    // Every row of the file, the header row first. Throws ReadError for a quote that is never
    // closed or stray text after a closing quote.
    static QList<QStringList> read(const QByteArray& data, const Dialect& dialect);

    // The file's text without a UTF-8 byte-order mark.
    static QByteArray withoutBom(const QByteArray& data);
};

} // namespace quarvel::csv
