#include "CopyFigures.h"
#include "ToolText.h"

#include "CopySource.h"
#include "SchemaUpgrade.h"
#include "data/postgres/PostgresLink.h"
#include "sqlite/Database.h"

#include <QLocale>
#include <cmath>

namespace quarvel::dbtool {

namespace {

// The type numbers of the server's number types (int2, int4, int8, float4, float8, numeric).
bool isNumberType(unsigned oid) {
    return oid == 20 || oid == 21 || oid == 23 || oid == 700 || oid == 701 || oid == 1700;
}

bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

} // namespace

QStringList CopyFigures::savedQueries(int version) {
    sqlite::Database reference(QStringLiteral(":memory:"), sqlite::OpenMode::Create);
    reference.exec(schema::sqliteSchemaAt(version));
    sqlite::Statement views = reference.prepare(
        QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'view' ORDER BY rowid"));
    QStringList names;
    while (views.step())
        names << views.text(0);
    return names;
}

QList<Figure> CopyFigures::of(const sqlite::Database& db, const QStringList& tables,
                              const QStringList& savedQueries) {
    QList<Figure> figures;
    for (const QString& table : tables)
        figures << Figure{
            table,
            false,
            db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(table)))
                .toLongLong(),
            {}};
    for (const QString& view : savedQueries) {
        const QStringList columns = db.columnNames(view);
        QStringList sums{QStringLiteral("count(*)")};
        for (const QString& c : columns)
            sums << QStringLiteral("total(CASE WHEN typeof(%1) IN ('integer', 'real') THEN %1 END)")
                        .arg(quotedName(c));
        sqlite::Statement row =
            db.prepare(QStringLiteral("SELECT %1 FROM %2").arg(sums.join(u','), quotedName(view)));
        row.step();
        Figure figure{view, true, row.value(0).toLongLong(), {}};
        for (int i = 0; i < columns.size(); ++i)
            figure.sums << row.value(i + 1).toDouble();
        figures << figure;
    }
    return figures;
}

QList<Figure> CopyFigures::of(const PostgresLink& link, const QStringList& tables,
                              const QStringList& savedQueries) {
    QList<Figure> figures;
    for (const QString& table : tables)
        figures << Figure{
            table,
            false,
            link.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(table)))
                .value(0, 0)
                .toLongLong(),
            {}};
    for (const QString& view : savedQueries) {
        const PostgresResult shape =
            link.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quotedName(view)));
        QStringList sums{QStringLiteral("count(*)")};
        for (int i = 0; i < shape.columns(); ++i)
            sums << (isNumberType(shape.typeOid(i)) ? QStringLiteral("coalesce(sum(%1), 0)::float8")
                                                          .arg(quotedName(shape.columnName(i)))
                                                    : QStringLiteral("NULL"));
        const PostgresResult row =
            link.exec(QStringLiteral("SELECT %1 FROM %2").arg(sums.join(u','), quotedName(view)));
        Figure figure{view, true, row.value(0, 0).toLongLong(), {}};
        for (int i = 0; i < shape.columns(); ++i)
            figure.sums << (row.value(0, i + 1).isNull() ? std::nan("")
                                                         : row.value(0, i + 1).toDouble());
        figures << figure;
    }
    return figures;
}

QStringList CopyFigures::differences(const QList<Figure>& source, const QList<Figure>& target) {
    QStringList lines;
    for (const Figure& s : source) {
        const auto t = std::find_if(target.begin(), target.end(),
                                    [&](const Figure& f) { return f.name == s.name; });
        if (t == target.end()) {
            lines << ToolText::tr("%1 is missing from the copy").arg(s.name);
            continue;
        }
        if (t->rows != s.rows)
            lines << ToolText::tr("%1 has %2 rows in the copy, %3 in the original")
                         .arg(s.name)
                         .arg(t->rows)
                         .arg(s.rows);
        for (int i = 0; i < s.sums.size() && i < t->sums.size(); ++i)
            if (!std::isnan(s.sums[i]) && !std::isnan(t->sums[i]) &&
                !nearlyEqual(s.sums[i], t->sums[i]))
                lines << ToolText::tr("the sum of column %1 of %2 is %3 in the copy, %4 in the "
                                      "original")
                             .arg(i + 1)
                             .arg(s.name)
                             .arg(t->sums[i], 0, 'g', 15)
                             .arg(s.sums[i], 0, 'g', 15);
    }
    return lines;
}

QStringList CopyFigures::report(const QList<Figure>& figures) {
    QStringList lines;
    for (const Figure& f : figures) {
        QString line = QStringLiteral("  %1 %2 rows").arg(f.name, -28).arg(f.rows, 10);
        if (f.savedQuery) {
            QStringList sums;
            for (const double sum : f.sums)
                if (!std::isnan(sum) && sum != 0)
                    sums << QString::number(sum, 'g', 12);
            if (!sums.isEmpty())
                line += QStringLiteral(", sums ") + sums.join(QStringLiteral(", "));
        }
        lines << line;
    }
    return lines;
}

} // namespace quarvel::dbtool
