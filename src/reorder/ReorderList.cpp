#include "reorder/ReorderList.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "reorder/LeadTime.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

namespace quarvel::reorder {

namespace {

std::unique_ptr<BackendCursor> run(const std::shared_ptr<Connection>& connection,
                                   const QString& programSql,
                                   const QVector<QVariant>& values = {}) {
    BackendSession& backend = connection->backend();
    return backend.query(backend.translate(programSql), values);
}

struct Figures {
    double onHand = 0;
    double onOrder = 0;
    qint64 lastLine = 0; // the product's last order line, 0 when never ordered
};

} // namespace

std::vector<Suggestion> readSuggestions(const std::shared_ptr<Connection>& connection,
                                        const QDate& today) {
    // Stock figures as qryProducts works them out, and each product's last order line: kept
    // for every product by a database of schema version 2, else summed in one pass over the
    // transactions.
    const bool kept = connection->backend().tables().contains(QStringLiteral("Product Stock"),
                                                              Qt::CaseInsensitive);
    const QString figuresSource =
        kept ? QStringLiteral("SELECT ProductID, UnitsOnHand, UnitsOnOrder, LastOrderLineID FROM "
                              "[Product Stock]")
             : QStringLiteral("SELECT ProductID, sum(coalesce(UnitsReceived, 0) - "
                              "coalesce(UnitsSold, 0) - coalesce(UnitsShrinkage, 0)), "
                              "sum(coalesce(UnitsOrdered, 0) - coalesce(UnitsReceived, 0)), "
                              "max(CASE WHEN PurchaseOrderID IS NOT NULL THEN TransactionID END) "
                              "FROM [Inventory Transactions] WHERE ProductID IS NOT NULL GROUP BY "
                              "ProductID");
    QHash<qint64, Figures> figures;
    for (auto rows = run(connection, figuresSource); rows->next();) {
        figures.insert(
            rows->value(0).toLongLong(),
            {rows->value(1).toDouble(), rows->value(2).toDouble(), rows->value(3).toLongLong()});
    }
    // Units sold over the last salesDays days, today included.
    QHash<qint64, double> sold;
    for (auto rows =
             run(connection,
                 QStringLiteral("SELECT ProductID, sum(UnitsSold) FROM [Inventory "
                                "Transactions] WHERE TransactionDate > $1 AND "
                                "TransactionDate <= $2 GROUP BY ProductID"),
                 {today.addDays(-salesDays).toString(Qt::ISODate), today.toString(Qt::ISODate)});
         rows->next();)
        sold.insert(rows->value(0).toLongLong(), rows->value(1).toDouble());

    // Products share a few ways of writing a lead time: each is read once.
    QHash<QString, std::optional<double>> leadTimes;
    std::vector<Suggestion> list;
    std::vector<qint64> lastLines; // beside list: each product's last order line, or 0
    for (auto rows = run(connection, QStringLiteral("SELECT ProductID, ProductName, ReorderLevel, "
                                                    "LeadTime FROM Products WHERE ReorderLevel "
                                                    "IS NOT NULL"));
         rows->next();) {
        Suggestion s;
        s.productId = rows->value(0).toLongLong();
        s.productName = rows->value(1).toString();
        s.reorderLevel = rows->value(2).toDouble();
        s.leadTimeText = rows->value(3).toString();
        auto lead = leadTimes.constFind(s.leadTimeText);
        if (lead == leadTimes.constEnd())
            lead = leadTimes.insert(s.leadTimeText, leadTimeDays(s.leadTimeText));
        s.leadTimeDays = *lead;
        const Figures f = figures.value(s.productId);
        s.onHand = f.onHand;
        s.onOrder = f.onOrder;
        s.soldPerDay = sold.value(s.productId) / salesDays;
        if (!s.needsOrder())
            continue;
        s.quantity = s.suggestedQuantity();
        list.push_back(s);
        lastLines.push_back(f.lastLine);
    }

    // The supplier and price of each listed product's last order line, a page of lines at a
    // time (only numeric keys are written into the statement; a large page, as each statement
    // is a round trip to a server).
    QHash<qint64, std::pair<QVariant, QVariant>> lines;
    QStringList keys;
    const auto readLines = [&] {
        if (keys.isEmpty())
            return;
        for (auto rows =
                 run(connection, QStringLiteral("SELECT t.TransactionID, o.SupplierID, t.UnitPrice "
                                                "FROM [Inventory Transactions] AS t INNER JOIN "
                                                "[Purchase Orders] AS o ON o.PurchaseOrderID = "
                                                "t.PurchaseOrderID WHERE t.TransactionID IN (") +
                                     keys.join(QLatin1Char(',')) + QStringLiteral(")"));
             rows->next();)
            lines.insert(rows->value(0).toLongLong(), {rows->value(1), rows->value(2)});
        keys.clear();
    };
    for (const qint64 line : lastLines) {
        if (line > 0)
            keys << QString::number(line);
        if (keys.size() == 5000)
            readLines();
    }
    readLines();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto line = lines.value(lastLines[i]);
        list[i].supplierId = line.first;
        list[i].unitPrice = line.second;
    }
    return list;
}

} // namespace quarvel::reorder
