#include "data/JetSql.h"

#include <QList>
#include <QSet>

namespace quarvel {

namespace {

enum class Kind { Space, Name, Literal, Ampersand, Other };

struct Token {
    Kind kind;
    QString text;
};

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

bool isKeyword(const QString& word) {
    static const QSet<QString> keywords = {
        "ALL",       "ALTER",   "AND",       "AS",          "ASC",     "BEGIN",    "BETWEEN",
        "BY",        "CASE",    "CAST",      "COMMIT",      "CROSS",   "DEFAULT",  "DELETE",
        "DESC",      "DISABLE", "DISTINCT",  "DISTINCTROW", "ELSE",    "ENABLE",   "END",
        "ESCAPE",    "EXCEPT",  "EXISTS",    "FALSE",       "FIRST",   "FOR",      "FROM",
        "FULL",      "GROUP",   "HAVING",    "ILIKE",       "IN",      "INNER",    "INSERT",
        "INTERSECT", "INTO",    "IS",        "JOIN",        "LAST",    "LEFT",     "LIKE",
        "LIMIT",     "NOT",     "NULL",      "NULLS",       "OFFSET",  "ON",       "OR",
        "ORDER",     "OUTER",   "RECURSIVE", "RETURNING",   "RIGHT",   "ROLLBACK", "SELECT",
        "SET",       "TABLE",   "THEN",      "TRANSACTION", "TRIGGER", "TRUE",     "UNION",
        "UPDATE",    "USING",   "VALUES",    "WHEN",        "WHERE",   "WITH"};
    return keywords.contains(word.toUpper());
}

// A plain word in PostgreSQL's dialect: a keyword, a number or a function stays as it is;
// a name is double-quoted, to keep its case.
QString pgWord(const QString& word, const QString& sql, qsizetype after,
               const QList<Token>& tokens) {
    if (word[0].isDigit() || isKeyword(word))
        return word;
    qsizetype next = after;
    while (next < sql.size() && sql[next].isSpace())
        ++next;
    if (next < sql.size() && sql[next] == u'(') {
        // "INSERT INTO Categories (CategoryName)" names a table, not a function.
        qsizetype before = tokens.size() - 1;
        while (before >= 0 && tokens[before].kind == Kind::Space)
            --before;
        const bool table = before >= 0 && tokens[before].kind == Kind::Name &&
                           QStringList{"INTO", "TABLE", "UPDATE", "FROM", "JOIN", "ON"}.contains(
                               tokens[before].text.toUpper());
        if (!table)
            return word.compare(QLatin1String("ifnull"), Qt::CaseInsensitive) == 0
                       ? QStringLiteral("coalesce")
                       : word;
    }
    return u'"' + word + u'"';
}

// A name is a run of plain words and bracketed names joined by dots: Employees.[LastName].
QList<Token> tokenize(const QString& sql, JetTarget target) {
    const bool postgres = target == JetTarget::Postgres;
    QList<Token> tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    auto quotedUntil = [&](qsizetype from, QChar close) {
        qsizetype j = from + 1;
        while (j < n) {
            if (sql[j] == close) {
                if (close != u']' && j + 1 < n && sql[j + 1] == close) {
                    j += 2;
                    continue;
                }
                return j + 1;
            }
            ++j;
        }
        return n;
    };
    while (i < n) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            qsizetype j = i;
            while (j < n && sql[j].isSpace())
                ++j;
            tokens.append({Kind::Space, sql.mid(i, j - i)});
            i = j;
        } else if (c == u'\'') {
            const qsizetype j = quotedUntil(i, u'\'');
            tokens.append({Kind::Literal, sql.mid(i, j - i)});
            i = j;
        } else if (c == u'"') {
            const qsizetype j = quotedUntil(i, u'"');
            QString body =
                sql.mid(i + 1, j - i - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
            body.replace(u'\'', QStringLiteral("''"));
            tokens.append({Kind::Literal, u'\'' + body + u'\''});
            i = j;
        } else if (c == u'&') {
            tokens.append({Kind::Ampersand, QStringLiteral("||")});
            ++i;
        } else if (c == u'[' || isNameChar(c) || (postgres && c == u'`')) {
            QString name;
            qsizetype j = i;
            while (j < n) {
                if (sql[j] == u'[' || (postgres && sql[j] == u'`')) {
                    const qsizetype end = quotedUntil(j, sql[j] == u'[' ? u']' : u'`');
                    name += u'"' +
                            sql.mid(j + 1, end - j - 2).replace(u'"', QStringLiteral("\"\"")) +
                            u'"';
                    j = end;
                } else if (isNameChar(sql[j])) {
                    QString word;
                    while (j < n && isNameChar(sql[j]))
                        word += sql[j++];
                    name += postgres ? pgWord(word, sql, j, tokens) : word;
                } else {
                    break;
                }
                if (j < n && sql[j] == u'.' && j + 1 < n &&
                    (sql[j + 1] == u'[' || isNameChar(sql[j + 1]) ||
                     (postgres && sql[j + 1] == u'`'))) {
                    name += u'.';
                    ++j;
                    continue;
                }
                break;
            }
            tokens.append({Kind::Name, name});
            i = j;
        } else {
            tokens.append({Kind::Other, QString(c)});
            ++i;
        }
    }
    return tokens;
}

bool isColumnName(const Token& t) {
    if (t.kind != Kind::Name || t.text.isEmpty())
        return false;
    return !t.text[0].isDigit();
}

bool isWord(const Token& t, const char* word) {
    return t.kind == Kind::Name && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// Whether the select list takes all columns of a table (SELECT *, x.*): there the order of the
// joined tables decides the order of the columns.
bool selectsAllColumns(const QList<Token>& tokens) {
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Other || tokens[i].text != u"*")
            continue;
        qsizetype before = i - 1;
        while (before >= 0 && tokens[before].kind == Kind::Space)
            --before;
        if (before < 0 || isWord(tokens[before], "SELECT") || isWord(tokens[before], "DISTINCT") ||
            isWord(tokens[before], "DISTINCTROW") || tokens[before].text == u"," ||
            tokens[before].text == u".")
            return true;
    }
    return false;
}

// "A RIGHT JOIN B ON" becomes "B LEFT JOIN A ON": the same rows, but the engine can then
// drive the join from B's filtered rows instead of reading all of A.
void turnRightJoins(QList<Token>& tokens) {
    if (selectsAllColumns(tokens))
        return;
    QList<qsizetype> words;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Space)
            words.append(i);
    }
    for (qsizetype w = 1; w + 3 < words.size(); ++w) {
        Token& left = tokens[words[w - 1]];
        Token& right = tokens[words[w + 2]];
        if (isWord(tokens[words[w]], "RIGHT") && isWord(tokens[words[w + 1]], "JOIN") &&
            left.kind == Kind::Name && right.kind == Kind::Name &&
            isWord(tokens[words[w + 3]], "ON")) {
            std::swap(left.text, right.text);
            tokens[words[w]].text = QStringLiteral("LEFT");
        }
    }
}

} // namespace

QString TranslateJetSql(const QString& jetSql, JetTarget target) {
    QList<Token> tokens = tokenize(jetSql, target);
    turnRightJoins(tokens);

    // Concatenation operands that are columns become ifnull(column, '').
    QList<bool> wrap(tokens.size(), false);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Ampersand)
            continue;
        qsizetype before = i - 1;
        while (before >= 0 && tokens[before].kind == Kind::Space)
            --before;
        qsizetype after = i + 1;
        while (after < tokens.size() && tokens[after].kind == Kind::Space)
            ++after;
        if (before >= 0 && isColumnName(tokens[before]))
            wrap[before] = true;
        if (after < tokens.size() && isColumnName(tokens[after]))
            wrap[after] = true;
    }

    QString out;
    out.reserve(jetSql.size() + 16);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Kind::Name &&
            t.text.compare(QStringLiteral("DISTINCTROW"), Qt::CaseInsensitive) == 0) {
            // Drop the keyword and the blank that follows it.
            if (i + 1 < tokens.size() && tokens[i + 1].kind == Kind::Space)
                ++i;
            continue;
        }
        if (wrap[i])
            out += (target == JetTarget::Postgres ? QStringLiteral("coalesce(")
                                                  : QStringLiteral("ifnull(")) +
                   t.text + QStringLiteral(", '')");
        else
            out += t.text;
    }
    return out;
}

} // namespace quarvel
