#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace quarvel {
class PostgresLink;
}
namespace quarvel::sqlite {
class Database;
}

namespace quarvel::dbtool {

// What a copy compares on both sides: each table's number of rows, and for each saved query
// its number of rows and the sum of each of its number columns. Sums are compared where both
// engines read the column as numbers (a server's dates and texts are not summed), with room
// for the last digit of a floating-point sum taken in another order.
struct Figure {
    QString name;
    bool savedQuery = false;
    qint64 rows = 0;
    // One per column; NaN where the column is not summed.
    QVector<double> sums;
};

class CopyFigures {
public:
    static QList<Figure> of(const sqlite::Database& db, const QStringList& tables,
                            const QStringList& savedQueries);
    static QList<Figure> of(const PostgresLink& link, const QStringList& tables,
                            const QStringList& savedQueries);
    // One line for each figure that differs; empty when the two sides agree.
    static QStringList differences(const QList<Figure>& source, const QList<Figure>& target);
    // The figures as the tool reports them, one line each.
    static QStringList report(const QList<Figure>& figures);
    // The saved queries (views) of a database of `version`, in the order they were made.
    static QStringList savedQueries(int version);
};

} // namespace quarvel::dbtool
