#pragma once

#include <QString>

namespace quarvel::reports {

// A report command split into the queries it runs. Two forms are understood:
//   SHAPE {master sql} [AS alias] APPEND ({child sql} [AS alias]
//       RELATE 'master field' TO 'child field') [AS alias]
// and a bare saved-query name, optionally between grave accents ("`qryRep3A`"), which becomes
// "SELECT * FROM [qryRep3A]" with no child. Keywords are read without regard to case and any
// run of white space separates them. Names between grave accents inside the queries become
// bracketed identifiers, which SQLite accepts. A hand-written parser: the commands are short
// fixed texts in a small grammar that no packaged library reads.
struct ShapeCommand {
    QString masterSql;
    QString masterAlias;
    QString childSql; // empty for a flat command
    QString childAlias;
    QString masterField; // relation: master field = child field
    QString childField;

    bool hasChild() const { return !childSql.isEmpty(); }

    // Throws ReportError naming the fault for a malformed text.
    static ShapeCommand parse(const QString& text);
    // `name` -> [name] outside string literals; throws ReportError on an unclosed accent.
    static QString quoteNames(const QString& sql);
};

} // namespace quarvel::reports
