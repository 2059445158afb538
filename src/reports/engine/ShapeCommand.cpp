#include "ShapeCommand.h"

#include "ReportError.h"
#include "Tr.h"

namespace quarvel::reports {

namespace {

// A cursor over the command text that reads its tokens and reports faults with the text.
class ShapeReader {
public:
    explicit ShapeReader(const QString& text) : m_text(text) {}

    [[noreturn]] void fail(const QString& what) const {
        throw ReportError(Tr::tr("Malformed report command (%1 at position %2): %3")
                              .arg(what)
                              .arg(m_pos + 1)
                              .arg(m_text));
    }

    void skipSpace() {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool atEnd() {
        skipSpace();
        return m_pos >= m_text.size();
    }

    // True and consumed when the next word is the keyword.
    bool acceptKeyword(const QString& keyword) {
        skipSpace();
        if (m_text.mid(m_pos, keyword.size()).compare(keyword, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype end = m_pos + keyword.size();
        if (end < m_text.size() && isWordChar(m_text.at(end)))
            return false;
        m_pos = end;
        return true;
    }

    void expectKeyword(const QString& keyword) {
        if (!acceptKeyword(keyword))
            fail(QStringLiteral("expected %1").arg(keyword));
    }

    void expectChar(QChar c) {
        skipSpace();
        if (m_pos >= m_text.size() || m_text.at(m_pos) != c)
            fail(QStringLiteral("expected '%1'").arg(c));
        ++m_pos;
    }

    // The text between braces, which may nest; string literals are passed over whole.
    QString braced() {
        expectChar(u'{');
        const qsizetype start = m_pos;
        int depth = 1;
        QChar quote;
        for (; m_pos < m_text.size(); ++m_pos) {
            const QChar c = m_text.at(m_pos);
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'\'' || c == u'"' || c == u'`') {
                quote = c;
            } else if (c == u'{') {
                ++depth;
            } else if (c == u'}' && --depth == 0) {
                const QString inner = m_text.mid(start, m_pos - start).trimmed();
                ++m_pos;
                if (inner.isEmpty())
                    fail(QStringLiteral("empty query"));
                return inner;
            }
        }
        fail(QStringLiteral("missing '}'"));
    }

    // A name: plain word, or between ' " ` or [ ].
    QString name() {
        skipSpace();
        if (m_pos >= m_text.size())
            fail(QStringLiteral("expected a name"));
        const QChar open = m_text.at(m_pos);
        QChar close;
        if (open == u'\'' || open == u'"' || open == u'`')
            close = open;
        else if (open == u'[')
            close = u']';
        if (!close.isNull()) {
            const qsizetype end = m_text.indexOf(close, m_pos + 1);
            if (end < 0)
                fail(QStringLiteral("unclosed name"));
            const QString result = m_text.mid(m_pos + 1, end - m_pos - 1);
            if (result.trimmed().isEmpty())
                fail(QStringLiteral("empty name"));
            m_pos = end + 1;
            return result;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (isWordChar(m_text.at(m_pos)) || m_text.at(m_pos) == u'.'))
            ++m_pos;
        if (m_pos == start)
            fail(QStringLiteral("expected a name"));
        return m_text.mid(start, m_pos - start);
    }

    QString optionalAlias() { return acceptKeyword(QStringLiteral("AS")) ? name() : QString(); }

private:
    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

    const QString& m_text;
    qsizetype m_pos = 0;
};

QString bracketed(const QString& name) {
    if (name.contains(u']'))
        return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
    return u'[' + name + u']';
}

} // namespace

QString ShapeCommand::quoteNames(const QString& sql) {
    QString out;
    out.reserve(sql.size() + 8);
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"' || c == u'[') {
            const QChar close = c == u'[' ? QChar(u']') : c;
            const qsizetype end = sql.indexOf(close, i + 1);
            if (end < 0)
                throw ReportError(Tr::tr("Unclosed %1 in query: %2").arg(c).arg(sql));
            out += sql.mid(i, end - i + 1);
            i = end;
        } else if (c == u'`') {
            const qsizetype end = sql.indexOf(u'`', i + 1);
            if (end < 0)
                throw ReportError(Tr::tr("Unclosed ` in query: %1").arg(sql));
            const QString name = sql.mid(i + 1, end - i - 1);
            if (name.trimmed().isEmpty())
                throw ReportError(Tr::tr("Empty name in query: %1").arg(sql));
            out += bracketed(name);
            i = end;
        } else {
            out += c;
        }
    }
    return out;
}

ShapeCommand ShapeCommand::parse(const QString& text) {
    ShapeReader reader(text);
    ShapeCommand command;
    if (reader.atEnd())
        reader.fail(QStringLiteral("empty command"));
    if (!reader.acceptKeyword(QStringLiteral("SHAPE"))) {
        if (reader.acceptKeyword(QStringLiteral("SELECT"))) {
            command.masterSql = quoteNames(text.trimmed());
            return command;
        }
        const QString saved = reader.name();
        if (!reader.atEnd())
            reader.fail(QStringLiteral("unexpected text after the query name"));
        command.masterSql = QStringLiteral("SELECT * FROM ") + bracketed(saved);
        command.masterAlias = saved;
        return command;
    }
    command.masterSql = quoteNames(reader.braced());
    command.masterAlias = reader.optionalAlias();
    if (reader.atEnd())
        return command; // SHAPE {query} alone: a flat command
    reader.expectKeyword(QStringLiteral("APPEND"));
    reader.expectChar(u'(');
    command.childSql = quoteNames(reader.braced());
    command.childAlias = reader.optionalAlias();
    reader.expectKeyword(QStringLiteral("RELATE"));
    command.masterField = reader.name();
    reader.expectKeyword(QStringLiteral("TO"));
    command.childField = reader.name();
    reader.expectChar(u')');
    const QString outerAlias = reader.optionalAlias();
    if (!outerAlias.isEmpty())
        command.childAlias = outerAlias;
    if (!reader.atEnd())
        reader.fail(QStringLiteral("unexpected text after the command"));
    return command;
}

} // namespace quarvel::reports
