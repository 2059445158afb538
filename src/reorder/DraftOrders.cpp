#include "reorder/DraftOrders.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QMap>

namespace quarvel::reorder {

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::reorder::DraftOrders)
};

} // namespace

DraftResult createOrders(const std::shared_ptr<Connection>& connection,
                         const std::vector<Suggestion>& suggestions, const QDate& today) {
    // The ticked rows by supplier, in the order the suppliers first appear.
    QList<qint64> suppliers;
    QMap<qint64, std::vector<const Suggestion*>> bySupplier;
    for (const Suggestion& s : suggestions) {
        if (!s.ticked || s.quantity <= 0 || s.supplierId.isNull())
            continue;
        const qint64 supplier = s.supplierId.toLongLong();
        if (!bySupplier.contains(supplier))
            suppliers << supplier;
        bySupplier[supplier].push_back(&s);
    }
    DraftResult result;
    if (suppliers.isEmpty())
        return result;

    BackendSession& backend = connection->backend();
    const QString date = today.toString(Qt::ISODate);
    Transaction transaction(connection);
    const auto highest =
        connection->query(QStringLiteral("SELECT max(PurchaseOrderNumber) FROM [Purchase Orders]"));
    qint64 number = highest->next() ? highest->value(0).toLongLong() : 0;
    for (const qint64 supplier : std::as_const(suppliers)) {
        const QVector<QVariant> order = backend.insertRow(
            QStringLiteral("Purchase Orders"),
            {QStringLiteral("PurchaseOrderNumber"), QStringLiteral("SupplierID"),
             QStringLiteral("OrderDate"), QStringLiteral("PurchaseOrderDescription")},
            {++number, supplier, date, Tr::tr("Drafted by Reorder Stock")},
            {QStringLiteral("PurchaseOrderID")});
        const QVariant orderId = order.value(0);
        for (const Suggestion* s : bySupplier.value(supplier)) {
            backend.insertRow(QStringLiteral("Inventory Transactions"),
                              {QStringLiteral("ProductID"), QStringLiteral("PurchaseOrderID"),
                               QStringLiteral("TransactionDate"), QStringLiteral("UnitsOrdered"),
                               QStringLiteral("UnitPrice")},
                              {s->productId, orderId, date, s->quantity, s->unitPrice}, {});
            ++result.lines;
        }
        result.orders << orderId.toLongLong();
    }
    transaction.commit();
    return result;
}

} // namespace quarvel::reorder
