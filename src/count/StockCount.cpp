#include "count/StockCount.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

namespace quarvel::count {

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::count::StockCount)
};

// Only numeric identifiers are written into a statement.
QString number(qint64 value) {
    return QString::number(value);
}

} // namespace

bool StockCount::available(const std::shared_ptr<Connection>& connection) {
    return connection->backend().tables().contains(QStringLiteral("Stock Count Lines"),
                                                   Qt::CaseInsensitive);
}

std::optional<StockCount::Info> StockCount::current(const std::shared_ptr<Connection>& connection) {
    auto rows =
        connection->query(QStringLiteral("SELECT StockCountID, StartedOn, CategoryID, Blind "
                                         "FROM [Stock Counts] ORDER BY StockCountID DESC"));
    if (!rows->next())
        return std::nullopt;
    return Info{rows->value(0).toLongLong(),
                QDate::fromString(rows->value(1).toString().left(10), Qt::ISODate), rows->value(2),
                rows->value(3).toInt() != 0};
}

StockCount::Info StockCount::start(const std::shared_ptr<Connection>& connection,
                                   const QVariant& categoryId, bool blind, const QDate& today) {
    Transaction transaction(connection);
    const QVector<QVariant> made = connection->backend().insertRow(
        QStringLiteral("Stock Counts"),
        {QStringLiteral("StartedOn"), QStringLiteral("CategoryID"), QStringLiteral("Blind")},
        {today.toString(Qt::ISODate), categoryId, blind ? 1 : 0}, {QStringLiteral("StockCountID")});
    const qint64 id = made.value(0).toLongLong();
    // The units on hand as the database keeps them for every product (the count tables come
    // with those figures); a product without transactions has none.
    QString select =
        QStringLiteral("INSERT INTO [Stock Count Lines] (StockCountID, ProductID, Expected) "
                       "SELECT %1, Products.ProductID, coalesce([Product Stock].UnitsOnHand, 0) "
                       "FROM Products LEFT JOIN [Product Stock] ON [Product Stock].ProductID = "
                       "Products.ProductID")
            .arg(number(id));
    if (!categoryId.isNull())
        select += QStringLiteral(" WHERE Products.CategoryID = ") + number(categoryId.toLongLong());
    connection->execute(select);
    transaction.commit();
    return {id, today, categoryId, blind};
}

QString StockCount::linesSource(qint64 countId, const QVariant& categoryId) {
    QString source =
        QStringLiteral(
            "SELECT [Stock Count Lines].StockCountLineID, [Stock Count Lines].ProductID, "
            "Products.ProductName, Categories.CategoryName, [Stock Count Lines].Expected, "
            "[Stock Count Lines].Counted FROM ([Stock Count Lines] INNER JOIN Products ON "
            "Products.ProductID = [Stock Count Lines].ProductID) LEFT JOIN Categories ON "
            "Categories.CategoryID = Products.CategoryID WHERE [Stock Count Lines].StockCountID "
            "= ") +
        number(countId);
    if (!categoryId.isNull())
        source += QStringLiteral(" AND Products.CategoryID = ") + number(categoryId.toLongLong());
    return source + QStringLiteral(" ORDER BY Products.ProductName, Products.ProductID");
}

std::vector<StockCount::Difference>
StockCount::differences(const std::shared_ptr<Connection>& connection, qint64 countId) {
    std::vector<Difference> list;
    for (auto rows = connection->query(
             QStringLiteral("SELECT [Stock Count Lines].ProductID, "
                            "Products.ProductName, [Stock Count Lines].Expected, "
                            "[Stock Count Lines].Counted FROM [Stock Count Lines] "
                            "INNER JOIN Products ON Products.ProductID = [Stock Count "
                            "Lines].ProductID WHERE [Stock Count Lines].StockCountID "
                            "= ") +
             number(countId) +
             QStringLiteral(" AND [Stock Count Lines].Counted IS NOT NULL AND "
                            "[Stock Count Lines].Counted <> [Stock Count "
                            "Lines].Expected ORDER BY Products.ProductName, "
                            "Products.ProductID"));
         rows->next();) {
        list.push_back({rows->value(0).toLongLong(), rows->value(1).toString(),
                        rows->value(2).toDouble(), rows->value(3).toDouble(), QVariant()});
    }
    // Each product's last unit price, a page of products at a time.
    QHash<qint64, QVariant> prices;
    QStringList ids;
    const auto readPrices = [&] {
        if (ids.isEmpty())
            return;
        for (auto rows = connection->query(
                 QStringLiteral("SELECT ProductID, UnitPrice FROM [Inventory "
                                "Transactions] WHERE TransactionID IN (SELECT "
                                "max(TransactionID) FROM [Inventory Transactions] "
                                "WHERE UnitPrice IS NOT NULL AND ProductID IN (") +
                 ids.join(QLatin1Char(',')) + QStringLiteral(") GROUP BY ProductID)"));
             rows->next();)
            prices.insert(rows->value(0).toLongLong(), rows->value(1));
        ids.clear();
    };
    for (const Difference& d : list) {
        ids << number(d.productId);
        if (ids.size() == 500)
            readPrices();
    }
    readPrices();
    for (Difference& d : list)
        d.unitPrice = prices.value(d.productId);
    return list;
}

int StockCount::post(const std::shared_ptr<Connection>& connection, qint64 countId,
                     const QDate& today) {
    const std::vector<Difference> list = differences(connection, countId);
    Transaction transaction(connection);
    for (const Difference& d : list) {
        connection->backend().insertRow(
            QStringLiteral("Inventory Transactions"),
            {QStringLiteral("ProductID"), QStringLiteral("TransactionDate"),
             QStringLiteral("TransactionDescription"), QStringLiteral("UnitsShrinkage")},
            {d.productId, today.toString(Qt::ISODate), Tr::tr("Stock count"),
             d.expected - d.counted},
            {});
    }
    connection->execute(QStringLiteral("DELETE FROM [Stock Count Lines] WHERE StockCountID = ") +
                        number(countId));
    connection->execute(QStringLiteral("DELETE FROM [Stock Counts] WHERE StockCountID = ") +
                        number(countId));
    transaction.commit();
    return int(list.size());
}

void StockCount::discard(const std::shared_ptr<Connection>& connection, qint64 countId) {
    Transaction transaction(connection);
    connection->execute(QStringLiteral("DELETE FROM [Stock Count Lines] WHERE StockCountID = ") +
                        number(countId));
    connection->execute(QStringLiteral("DELETE FROM [Stock Counts] WHERE StockCountID = ") +
                        number(countId));
    transaction.commit();
}

} // namespace quarvel::count
