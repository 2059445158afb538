#include "reorder/ReorderList.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "reorder/LeadTime.h"

#include <QHash>
#include <QStringList>

namespace quarvel::reorder {

namespace {

// One product as read: its reorder figures and its last order line (0 when never ordered; its
// supplier and price when they were read with it).
struct Read {
    Suggestion product;
    qint64 lastLine = 0;
};

// The product of a row whose first columns are ProductID, ProductName, ReorderLevel, LeadTime.
Read productOf(const BackendCursor& rows) {
    Read r;
    r.product.productId = rows.value(0).toLongLong();
    r.product.productName = rows.value(1).toString();
    r.product.reorderLevel = rows.value(2).toDouble();
    r.product.leadTimeText = rows.value(3).toString();
    return r;
}

// Every product with a reorder level, its figures kept by the database (schema version 2)
// and the supplier and price of its last order line (the price kept with the figures, the
// supplier as the order names it now), in one statement.
std::vector<Read> readKept(const std::shared_ptr<Connection>& connection) {
    std::vector<Read> products;
    for (auto rows = connection->query(
             QStringLiteral("SELECT p.ProductID, p.ProductName, p.ReorderLevel, p.LeadTime, "
                            "s.UnitsOnHand, s.UnitsOnOrder, o.SupplierID, s.LastUnitPrice "
                            "FROM Products AS p LEFT JOIN [Product Stock] AS s ON s.ProductID = "
                            "p.ProductID LEFT JOIN [Purchase Orders] AS o ON o.PurchaseOrderID "
                            "= s.LastOrderID WHERE p.ReorderLevel IS NOT NULL"));
         rows->next();) {
        Read r = productOf(*rows);
        r.product.onHand = rows->value(4).toDouble();
        r.product.onOrder = rows->value(5).toDouble();
        r.product.supplierId = rows->value(6);
        r.product.unitPrice = rows->value(7);
        products.push_back(std::move(r));
    }
    return products;
}

// The same from a database that keeps no figures: summed in one pass over the transactions,
// the last order lines read afterwards (see readLastLines).
std::vector<Read> readSummed(const std::shared_ptr<Connection>& connection) {
    struct Figures {
        double onHand = 0;
        double onOrder = 0;
        qint64 lastLine = 0;
    };
    QHash<qint64, Figures> figures;
    for (auto rows = connection->query(
             QStringLiteral("SELECT ProductID, sum(coalesce(UnitsReceived, 0) - "
                            "coalesce(UnitsSold, 0) - coalesce(UnitsShrinkage, 0)), "
                            "sum(coalesce(UnitsOrdered, 0) - coalesce(UnitsReceived, 0)), "
                            "max(CASE WHEN PurchaseOrderID IS NOT NULL THEN TransactionID END) "
                            "FROM [Inventory Transactions] WHERE ProductID IS NOT NULL GROUP BY "
                            "ProductID"));
         rows->next();) {
        figures.insert(
            rows->value(0).toLongLong(),
            {rows->value(1).toDouble(), rows->value(2).toDouble(), rows->value(3).toLongLong()});
    }
    std::vector<Read> products;
    for (auto rows =
             connection->query(QStringLiteral("SELECT ProductID, ProductName, ReorderLevel, "
                                              "LeadTime FROM Products WHERE ReorderLevel "
                                              "IS NOT NULL"));
         rows->next();) {
        Read r = productOf(*rows);
        const Figures f = figures.value(r.product.productId);
        r.product.onHand = f.onHand;
        r.product.onOrder = f.onOrder;
        r.lastLine = f.lastLine;
        products.push_back(std::move(r));
    }
    return products;
}

// The supplier and price of each listed product's last order line, a page of lines at a time
// (only numeric keys are written into the statement).
void readLastLines(const std::shared_ptr<Connection>& connection, std::vector<Read>& listed) {
    QHash<qint64, std::pair<QVariant, QVariant>> lines;
    QStringList keys;
    const auto readPage = [&] {
        if (keys.isEmpty())
            return;
        for (auto rows = connection->query(
                 QStringLiteral("SELECT t.TransactionID, o.SupplierID, t.UnitPrice "
                                "FROM [Inventory Transactions] AS t INNER JOIN "
                                "[Purchase Orders] AS o ON o.PurchaseOrderID = "
                                "t.PurchaseOrderID WHERE t.TransactionID IN (") +
                 keys.join(QLatin1Char(',')) + QStringLiteral(")"));
             rows->next();)
            lines.insert(rows->value(0).toLongLong(), {rows->value(1), rows->value(2)});
        keys.clear();
    };
    for (const Read& r : listed) {
        if (r.lastLine > 0)
            keys << QString::number(r.lastLine);
        if (keys.size() == 1000)
            readPage();
    }
    readPage();
    for (Read& r : listed) {
        const auto line = lines.value(r.lastLine);
        r.product.supplierId = line.first;
        r.product.unitPrice = line.second;
    }
}

} // namespace

std::vector<Suggestion> readSuggestions(const std::shared_ptr<Connection>& connection,
                                        const QDate& today) {
    const bool kept = connection->backend().tables().contains(QStringLiteral("Product Stock"),
                                                              Qt::CaseInsensitive);
    std::vector<Read> products = kept ? readKept(connection) : readSummed(connection);

    // Units sold over the last salesDays days, today included.
    QHash<qint64, double> sold;
    for (auto rows = connection->query(
             QStringLiteral("SELECT ProductID, sum(UnitsSold) FROM [Inventory "
                            "Transactions] WHERE TransactionDate > $1 AND "
                            "TransactionDate <= $2 GROUP BY ProductID"),
             {today.addDays(-salesDays).toString(Qt::ISODate), today.toString(Qt::ISODate)});
         rows->next();)
        sold.insert(rows->value(0).toLongLong(), rows->value(1).toDouble());

    // Products share a few ways of writing a lead time: each is read once.
    QHash<QString, std::optional<double>> leadTimes;
    std::vector<Read> listed;
    for (Read& r : products) {
        Suggestion& s = r.product;
        auto lead = leadTimes.constFind(s.leadTimeText);
        if (lead == leadTimes.constEnd())
            lead = leadTimes.insert(s.leadTimeText, leadTimeDays(s.leadTimeText));
        s.leadTimeDays = *lead;
        s.soldPerDay = sold.value(s.productId) / salesDays;
        if (!s.needsOrder())
            continue;
        s.quantity = s.suggestedQuantity();
        listed.push_back(std::move(r));
    }
    if (!kept)
        readLastLines(connection, listed);

    std::vector<Suggestion> list;
    list.reserve(listed.size());
    for (Read& r : listed)
        list.push_back(std::move(r.product));
    return list;
}

} // namespace quarvel::reorder
