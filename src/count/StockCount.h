#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

namespace quarvel {
class Connection;
}

namespace quarvel::count {

// A stock count kept in the database (schema version 2), so that it outlives the window: the
// count, and for each product counted its units on hand when the count began (the expected
// units, frozen then) and the units counted, Null until typed. At most one count is in
// progress. Posting writes, for each counted product whose count differs from what was
// expected, one transaction dated the posting day, described "Stock count", whose shrinkage is
// the difference (a surplus is a negative shrinkage), and ends the count; all in one
// transaction. Every function throws DatabaseError.
class StockCount {
public:
    struct Info {
        qint64 id = 0;
        QDate startedOn;
        QVariant categoryId; // Null: every product
        bool blind = false;
    };

    struct Difference {
        qint64 productId = 0;
        QString productName;
        double expected = 0;
        double counted = 0;
        QVariant unitPrice; // the product's last unit price, Null when it has none
        double units() const { return counted - expected; }
    };

    // Whether the database has what counts need (an older one works without them).
    static bool available(const std::shared_ptr<Connection>& connection);
    // The count in progress, if any.
    static std::optional<Info> current(const std::shared_ptr<Connection>& connection);
    // Begins a count of every product, or of one category's, each expected at its units on hand.
    static Info start(const std::shared_ptr<Connection>& connection, const QVariant& categoryId,
                      bool blind, const QDate& today);
    // The grid's source text: the count's lines with their products' names and categories, by
    // name; only one category's when categoryId is not Null.
    static QString linesSource(qint64 countId, const QVariant& categoryId);
    // The counted products whose count differs from what was expected, by name.
    static std::vector<Difference> differences(const std::shared_ptr<Connection>& connection,
                                               qint64 countId);
    // Posts the count as described above; the number of transactions written.
    static int post(const std::shared_ptr<Connection>& connection, qint64 countId,
                    const QDate& today);
    // Ends the count without posting it.
    static void discard(const std::shared_ptr<Connection>& connection, qint64 countId);
};

} // namespace quarvel::count
