#include "Generator.h"

#include "SampleData.h"
#include "sqlite/Database.h"

#include <QDate>
#include <QStringList>
#include <array>

namespace quarvel::dbtool {

namespace {

constexpr int kCategories = 10;
constexpr int kSuppliers = 50;
constexpr int kEmployees = 20;
constexpr int kShippingMethods = 3;

const std::array kAdjectives = {"Compact", "Heavy-Duty", "Classic", "Deluxe",   "Lightweight",
                                "Organic", "Premium",    "Rustic",  "Standard", "Weatherproof"};
const std::array kMaterials = {"Cedar", "Steel", "Ceramic", "Bamboo", "Copper",
                               "Resin", "Brass", "Jute",    "Oak",    "Terracotta"};
const std::array kNouns = {"Planter", "Trowel",  "Sprinkler",    "Trellis",   "Edger",
                           "Feeder",  "Lantern", "Watering Can", "Hose Reel", "Seed Tray"};
const std::array kLeadTimes = {"5 days", "1 week", "10 days", "2 weeks", "3 weeks", "6 weeks"};
const std::array kPlaces = {"Harbor",  "Summit", "Prairie",   "Lakeside", "Redwood",
                            "Granite", "Meadow", "Riverbend", "Canyon",   "Northfield"};
const std::array kTrades = {"Garden Supply", "Tool Company", "Wholesale", "Distributors",
                            "Imports"};
const std::array kFirstNames = {"James", "Maria", "David", "Karen",  "Luis",
                                "Grace", "Kevin", "Nora",  "Samuel", "Helen"};
const std::array kLastNames = {"Anderson", "Baker",  "Carter", "Dunn",  "Ellis",
                               "Foster",   "Garcia", "Hughes", "Irwin", "Jensen"};
const std::array kShippingNames = {"UPS Ground", "FedEx 2Day", "Freight Truck"};

QString dateOfDay(int day) {
    return QDate(2021, 1, 1).addDays(day).toString(Qt::ISODate);
}

} // namespace

void Generator::fill(sqlite::Database& db) {
    insertReferenceData(db);
    insertProducts(db);
    insertOrders(db);
    insertTransactions(db);
    insertOrderLines(db);
    SampleData::insertCompany(db, QStringLiteral("2021-01-01"), QStringLiteral("2021-12-31"), 1);
}

void Generator::insertReferenceData(sqlite::Database& db) {
    sqlite::Statement category =
        db.prepare(QStringLiteral("INSERT INTO Categories (CategoryName) VALUES (?)"));
    for (int i = 0; i < kCategories; ++i)
        category.bindText(1, QStringLiteral("%1 %2s").arg(kMaterials[i], kNouns[i])).execute();

    sqlite::Statement supplier = db.prepare(QStringLiteral(
        "INSERT INTO Suppliers (SupplierName, ContactName, ContactTitle, Address, City, "
        "StateOrProvince, PostalCode, Country, PhoneNumber, FaxNumber) "
        "VALUES (?, ?, 'Sales', ?, ?, 'OR', ?, 'USA', ?, ?)"));
    for (int i = 0; i < kSuppliers; ++i) {
        const QString place = QString::fromLatin1(kPlaces[i % kPlaces.size()]);
        supplier.bindText(1, QStringLiteral("%1 %2").arg(place, kTrades[i % kTrades.size()]))
            .bindText(2, QStringLiteral("%1 %2").arg(kFirstNames[pick(10)], kLastNames[pick(10)]))
            .bindText(3, QStringLiteral("%1 Market Street").arg(100 + 17 * i))
            .bindText(4, place + QStringLiteral(" City"))
            .bindText(5, QString::number(97000 + i))
            .bindText(6, QStringLiteral("503-555-%1").arg(1000 + i))
            .bindText(7, QStringLiteral("503-555-%1").arg(2000 + i))
            .execute();
    }

    sqlite::Statement employee = db.prepare(QStringLiteral(
        "INSERT INTO Employees (FirstName, LastName, Title, WorkPhone) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < kEmployees; ++i)
        employee.bindText(1, QString::fromLatin1(kFirstNames[i % 10]))
            .bindText(2, QString::fromLatin1(kLastNames[(i * 3) % 10]))
            .bindText(3, i == 0 ? QStringLiteral("Purchasing Manager") : QStringLiteral("Clerk"))
            .bindText(4, QStringLiteral("(503) 555-%1").arg(3000 + i))
            .execute();

    sqlite::Statement shipping =
        db.prepare(QStringLiteral("INSERT INTO [Shipping Methods] (ShippingMethod) VALUES (?)"));
    for (const char* name : kShippingNames)
        shipping.bindText(1, QString::fromLatin1(name)).execute();
}

void Generator::insertProducts(sqlite::Database& db) {
    sqlite::Statement product = db.prepare(
        QStringLiteral("INSERT INTO Products (ProductName, ProductDescription, CategoryID, "
                       "ReorderLevel, LeadTime) VALUES (?, ?, ?, ?, ?)"));
    for (int i = 1; i <= m_options.products; ++i) {
        const int noun = pick(int(kNouns.size()));
        product
            .bindText(1, QStringLiteral("%1 %2 %3 %4")
                             .arg(kAdjectives[pick(10)], kMaterials[pick(10)], kNouns[noun])
                             .arg(i, 6, 10, QLatin1Char('0')))
            .bindText(2, QStringLiteral("Stock item %1.").arg(i))
            .bindInt64(3, noun % kCategories + 1)
            .bindInt64(4, 5 * pick(20))
            .bindText(5, QString::fromLatin1(kLeadTimes[pick(int(kLeadTimes.size()))]))
            .execute();
    }
}

void Generator::insertOrders(sqlite::Database& db) {
    m_orders = m_options.orders > 0 ? m_options.orders : std::max(1, m_options.transactions / 40);
    m_orderDays.reserve(std::size_t(m_orders));
    sqlite::Statement order = db.prepare(QStringLiteral(
        "INSERT INTO [Purchase Orders] (PurchaseOrderNumber, SupplierID, EmployeeID, "
        "ShippingMethodID, OrderDate, DateRequired, DatePromised, PurchaseOrderDescription) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 1; i <= m_orders; ++i) {
        const int day = pick(350);
        m_orderDays.push_back(day);
        order.bindInt64(1, 100000 + i)
            .bindInt64(2, pick(kSuppliers) + 1)
            .bindInt64(3, pick(kEmployees) + 1)
            .bindInt64(4, pick(kShippingMethods) + 1)
            .bindText(5, dateOfDay(day))
            .bindText(6, dateOfDay(day + 14))
            .bindText(7, dateOfDay(day + 10))
            .bindText(8, QStringLiteral("Restock order %1").arg(i))
            .execute();
    }
}

// Kinds by share: 10% order lines, 10% receipts, 75% sales, 5% shrinkage; dates rise
// through the year with the row number.
void Generator::insertTransactions(sqlite::Database& db) {
    QStringList dates;
    for (int day = 0; day < 365; ++day)
        dates.append(dateOfDay(day));
    const QString ordered = QStringLiteral("Ordered"), received = QStringLiteral("Received"),
                  sold = QStringLiteral("Counter sale"), lost = QStringLiteral("Shrinkage");

    sqlite::Statement insert = db.prepare(QStringLiteral(
        "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, TransactionDate, "
        "TransactionDescription, UnitsOrdered, UnitsReceived, UnitsSold, UnitsShrinkage, "
        "UnitPrice) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const qint64 count = m_options.transactions;
    for (qint64 i = 0; i < count; ++i) {
        const int kind = pick(100);
        insert.bindInt64(1, pick(m_options.products) + 1).bindText(3, dates[int(i * 365 / count)]);
        if (kind < 10) {
            insert.bindInt64(2, pick(m_orders) + 1)
                .bindText(4, ordered)
                .bindInt64(5, 1 + pick(100))
                .bindDouble(9, (50 + pick(10000)) / 100.0);
        } else if (kind < 20) {
            insert.bindText(4, received).bindInt64(6, 1 + pick(100));
        } else if (kind < 95) {
            insert.bindText(4, sold).bindInt64(7, 1 + pick(10));
        } else {
            insert.bindText(4, lost).bindInt64(8, 1 + pick(3));
        }
        insert.execute();
        insert.clearBindings();
    }
}

} // namespace quarvel::dbtool

namespace quarvel::dbtool {

void Generator::insertOrderLines(sqlite::Database& db) {
    if (m_options.lines <= 0)
        return;
    sqlite::Statement insert = db.prepare(QStringLiteral(
        "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, TransactionDate, "
        "TransactionDescription, UnitsOrdered, UnitPrice) VALUES (?, ?, ?, 'Ordered', ?, ?)"));
    const qint64 count = m_options.lines;
    for (qint64 i = 0; i < count; ++i) {
        const int order = int(i * m_orders / count);
        insert.bindInt64(1, pick(m_options.products) + 1)
            .bindInt64(2, order + 1)
            .bindText(3, dateOfDay(m_orderDays[std::size_t(order)]))
            .bindInt64(4, 1 + pick(100))
            .bindDouble(5, (50 + pick(10000)) / 100.0)
            .execute();
    }
}

} // namespace quarvel::dbtool
