#include "csv/CsvReader.h"

#include <QStringDecoder>
#include <csv.h>

namespace quarvel::csv {

namespace {

struct Collector {
    Dialect::Encoding encoding;
    QList<QStringList> rows;
    QStringList row;
};

QString decode(const char* bytes, size_t size, Dialect::Encoding encoding) {
    const auto length = qsizetype(size);
    return encoding == Dialect::Encoding::Utf8 ? QString::fromUtf8(bytes, length)
                                               : QString::fromLatin1(bytes, length);
}

void fieldEnd(void* field, size_t size, void* data) {
    auto* c = static_cast<Collector*>(data);
    c->row << decode(static_cast<const char*>(field), field ? size : 0, c->encoding);
}

void rowEnd(int, void* data) {
    auto* c = static_cast<Collector*>(data);
    c->rows << c->row;
    c->row.clear();
}

// Unquoted fields keep their spaces and tabs (a tab may be the separator).
int noSpace(unsigned char) {
    return 0;
}

int lineOf(const QByteArray& data, qsizetype upTo) {
    return int(data.left(upTo).count('\n')) + 1;
}

} // namespace

QByteArray CsvReader::withoutBom(const QByteArray& data) {
    return data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
}

Dialect CsvReader::detect(const QByteArray& data) {
    Dialect dialect;
    if (!data.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(data);
        if (utf8.hasError())
            dialect.encoding = Dialect::Encoding::Latin1;
    }
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : withoutBom(data)) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted)
            c == ',' ? ++commas : c == ';' ? ++semicolons : c == '\t' ? ++tabs : 0;
    }
    if (semicolons > commas && semicolons >= tabs)
        dialect.separator = ';';
    else if (tabs > commas && tabs > semicolons)
        dialect.separator = '\t';
    return dialect;
}

QList<QStringList> CsvReader::read(const QByteArray& data, const Dialect& dialect) {
    const QByteArray text = withoutBom(data);
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) != 0)
        throw ReadError{QStringLiteral("out of memory"), 0};
    csv_set_delim(&parser, static_cast<unsigned char>(dialect.separator));
    csv_set_space_func(&parser, noSpace);
    Collector collector{dialect.encoding, {}, {}};
    const size_t parsed =
        csv_parse(&parser, text.constData(), size_t(text.size()), fieldEnd, rowEnd, &collector);
    const bool parseFailed = parsed != size_t(text.size());
    const int finiResult = parseFailed ? 0 : csv_fini(&parser, fieldEnd, rowEnd, &collector);
    const int error = csv_error(&parser);
    csv_free(&parser);
    if (parseFailed)
        throw ReadError{error == CSV_EPARSE
                            ? QStringLiteral("a quote is followed by text that is not a separator")
                            : QString::fromLatin1(csv_strerror(error)),
                        lineOf(text, qsizetype(parsed))};
    if (finiResult != 0)
        throw ReadError{QStringLiteral("a quoted field is never closed"),
                        lineOf(text, text.lastIndexOf('"'))};
    return collector.rows;
}

} // namespace quarvel::csv
