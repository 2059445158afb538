#include "SampleData.h"

#include "sqlite/Database.h"

#include <QDate>
#include <QList>
#include <algorithm>
#include <cmath>

namespace quarvel::dbtool {

namespace {

struct Supplier {
    const char *name, *contact, *title, *address, *city, *state, *postal, *country, *phone, *fax,
        *notes;
};

const Supplier kSuppliers[] = {
    {"Willamette Seed Company", "Margaret Olsen", "Sales Manager", "2250 SE Division Street",
     "Portland", "OR", "97202", "USA", "503-555-0187", "503-555-0188",
     "Net 30. Free freight on orders over $250."},
    {"Greenfield Tool Works", "Daniel Park", "Account Representative", "88 Industrial Parkway",
     "Dayton", "OH", "45414", "USA", "937-555-0112", "937-555-0113",
     "Lifetime warranty on forged tools; returns need an RMA number."},
    {"Cascade Soil Products", "Linda Reyes", "Owner", "4100 Highway 99E", "Canby", "OR", "97013",
     "USA", "503-555-0164", "503-555-0165", "Bulk deliveries by truck on Tuesdays."},
    {"RainMaster Irrigation", "Thomas Becker", "Regional Sales", "1675 W Broadway Road", "Tempe",
     "AZ", "85282", "USA", "480-555-0129", "480-555-0130", "Seasonal price list every February."},
    {"BioGuard Garden Care", "Priya Natarajan", "Customer Service Lead", "310 Commerce Drive",
     "Fresno", "CA", "93727", "USA", "559-555-0171", nullptr,
     "OMRI listed products; safety data sheets on request."},
    {"Terra Pottery Imports", "Jean-Luc Moreau", "Export Manager", "27 Rue des Artisans",
     "Montreal", "QC", "H2X 1Y4", "Canada", "514-555-0148", "514-555-0149",
     "Breakage over 2% is credited on the next order."},
};

struct Employee {
    const char *first, *last, *title, *phone, *extension, *email;
};

const Employee kEmployees[] = {
    {"Susan", "Whitaker", "Owner", "(503) 555-0142", "10", "swhitaker"},
    {"Mark", "Delgado", "Purchasing Manager", "(503) 555-0142", "12", "mdelgado"},
    {"Emily", "Chen", "Store Manager", "(503) 555-0142", "14", "echen"},
    {"Robert", "Haines", "Warehouse Lead", "(503) 555-0157", nullptr, "rhaines"},
    {"Angela", "Brooks", "Sales Associate", "(503) 555-0142", "18", "abrooks"},
};

const char* const kCategories[] = {"Seeds & Bulbs",   "Hand Tools",   "Soil & Fertilizer",
                                   "Watering",        "Pest Control", "Planters & Pots",
                                   "Outdoor Lighting"};

const char* const kShippingMethods[] = {"UPS Ground", "FedEx 2Day", "Freight Truck"};

struct Product {
    const char *name, *notes;
    int category; // 1-based
    double cost;
    int reorderLevel;
    const char* leadTime;
    int openingStock; // -1: a new item without any transaction yet
    int monthlyDemand;
};

const Product kProducts[] = {
    {"Heirloom Tomato Seeds, Brandywine", "Packet of about 50 seeds. Sells best March to May.", 1,
     1.85, 40, "2 weeks", 120, 30},
    {"Sweet Basil Seeds", "Packet of about 200 seeds; display beside the tomatoes.", 1, 1.25, 40,
     "2 weeks", 90, 25},
    {"Bush Bean Seeds, Blue Lake", "2 oz packet.", 1, 1.60, 30, "2 weeks", 80, 18},
    {"Tulip Bulbs, Mixed Colors (10 pack)", "Fall planting; keep in the cool room.", 1, 6.75, 20,
     "3 weeks", 40, 8},
    {"Stainless Steel Hand Trowel", "Ash handle. Lifetime warranty through the supplier.", 2, 8.40,
     10, "10 days", 25, 6},
    {"Bypass Pruning Shears", "Replacement blades are ordered separately.", 2, 14.95, 8, "10 days",
     20, 5},
    {"Long-Handle Garden Spade", "Ships two to a carton.", 2, 22.50, 5, "10 days", 12, 3},
    {"Leaf Rake, 24 in.", "Fall item; order in August.", 2, 11.20, 10, "10 days", 15, 6},
    {"Nitrile Garden Gloves, Medium", "Sold singly from the counter bin.", 2, 2.50, 50, "1 week",
     150, 35},
    {"Organic Potting Mix, 1.5 cu ft", "Pallet of 60 bags. Keep dry.", 3, 7.80, 40, "5 days", 160,
     30},
    {"Composted Steer Manure, 1 cu ft", "Outdoor storage is fine.", 3, 4.25, 40, "5 days", 120, 22},
    {"All-Purpose Fertilizer 10-10-10, 5 lb", nullptr, 3, 9.60, 15, "5 days", 30, 8},
    {"Bark Mulch, 2 cu ft", "Bulk mulch by the yard is quoted separately.", 3, 5.10, 50, "5 days",
     100, 30},
    {"Expandable Garden Hose, 50 ft", "Customers ask for the green one.", 4, 18.75, 10, "2 weeks",
     20, 7},
    {"Brass Hose Nozzle", "Seven spray patterns.", 4, 6.40, 15, "2 weeks", 30, 9},
    {"Oscillating Lawn Sprinkler", "Covers up to 3,600 sq ft.", 4, 12.30, 10, "2 weeks", 15, 7},
    {"Drip Irrigation Starter Kit", "Includes 50 ft of tubing and 20 emitters.", 4, 27.90, 5,
     "3 weeks", 20, 3},
    {"Neem Oil Spray, 32 oz", "Ready to use. Keep from freezing.", 5, 7.15, 12, "1 week", 24, 7},
    {"Slug & Snail Bait, 2 lb", "Pet-safe iron phosphate formula.", 5, 8.90, 12, "1 week", 18, 5},
    {"Insecticidal Soap, 24 oz", nullptr, 5, 5.45, 12, "1 week", 24, 6},
    {"Terracotta Pot, 10 in.", "Breakage is credited by the supplier.", 6, 4.60, 30, "6 weeks", 120,
     14},
    {"Glazed Ceramic Planter, 14 in.", "Assorted glazes: cobalt, celadon, slate.", 6, 19.80, 6,
     "6 weeks", 20, 3},
    {"Hanging Basket with Coco Liner", "12 in. basket with chain.", 6, 9.35, 10, "6 weeks", 20, 5},
    {"Garden Kneeler Pad", "Bought as a close-out lot; not reordered.", 2, 7.25, 0, nullptr, 30, 3},
    {"Solar Path Light (4 pack)", "New item for next spring; no stock yet.", 7, 15.40, 8, "4 weeks",
     -1, 0},
};

struct Line {
    int product; // 1-based
    int units;
};

struct Order {
    const char* date;
    int supplier, employee, shipping; // 1-based
    const char* description;
    QList<Line> lines;
    int receivedPercent; // share of each line received ten days after the order
};

const QList<Order>& orders() {
    static const QList<Order> list = {
        {"2021-01-11", 1, 2, 1, "Spring seed stock", {{1, 200}, {2, 150}, {3, 150}, {4, 60}}, 100},
        {"2021-01-25",
         3,
         2,
         3,
         "Soil and fertilizer for spring",
         {{10, 120}, {11, 100}, {12, 60}, {13, 150}},
         100},
        {"2021-02-08",
         2,
         2,
         1,
         "Hand tool restock",
         {{5, 40}, {6, 30}, {7, 20}, {8, 25}, {9, 100}},
         100},
        {"2021-02-22", 4, 1, 2, "Irrigation season", {{14, 40}, {15, 60}, {16, 30}, {17, 15}}, 100},
        {"2021-03-08", 5, 2, 1, "Pest control products", {{18, 48}, {19, 36}, {20, 48}}, 100},
        {"2021-03-22",
         6,
         1,
         3,
         "Planters for the spring display",
         {{21, 80}, {22, 20}, {23, 40}},
         100},
        {"2021-04-12", 1, 2, 1, "Seed restock", {{1, 100}, {2, 100}, {3, 80}}, 100},
        {"2021-05-03", 3, 3, 3, "Mulch and potting mix", {{10, 100}, {13, 120}, {11, 60}}, 100},
        {"2021-06-07", 4, 2, 2, "Summer watering", {{14, 30}, {16, 40}, {15, 40}}, 100},
        {"2021-07-12", 5, 3, 1, "Summer pest control", {{18, 36}, {19, 24}, {20, 36}}, 100},
        {"2021-08-16", 2, 2, 1, "Fall cleanup tools", {{8, 40}, {9, 120}, {6, 20}}, 100},
        {"2021-09-13",
         2,
         2,
         1,
         "Fall tool order with glove samples",
         {{7, 15}, {5, 30}, {9, 3}, {8, 20}},
         100},
        {"2021-10-18", 1, 3, 2, "Fall bulbs", {{4, 120}, {2, 40}}, 50},
        {"2021-12-06", 6, 1, 3, "Holiday planters", {{22, 24}, {23, 30}, {21, 60}}, 0},
    };
    return list;
}

const double kSeason[12] = {0.3, 0.4, 0.9, 1.4, 1.6, 1.3, 1.1, 0.9, 0.8, 0.6, 0.4, 0.5};

const char* const kMonths[12] = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};

struct Movement {
    QDate date;
    int product;
    QVariant purchaseOrder;
    QString description;
    QVariant ordered, received, sold, shrinkage, price;
};

QVariant text(const char* s) {
    return s ? QVariant(QString::fromUtf8(s)) : QVariant();
}

QString iso(const QDate& d) {
    return d.toString(Qt::ISODate);
}

// Order prices vary a little from order to order (0, 3 or 6 per cent over the list cost).
double linePrice(int orderId, const Product& product) {
    return std::round(product.cost * (100 + 3 * (orderId % 3))) / 100.0;
}

void insertReferenceData(sqlite::Database& db) {
    sqlite::Statement category =
        db.prepare(QStringLiteral("INSERT INTO Categories (CategoryName) VALUES (?)"));
    for (const char* name : kCategories)
        category.bind(1, text(name)).execute();

    sqlite::Statement supplier = db.prepare(QStringLiteral(
        "INSERT INTO Suppliers (SupplierName, ContactName, ContactTitle, Address, City, "
        "StateOrProvince, PostalCode, Country, PhoneNumber, FaxNumber, Notes) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const Supplier& s : kSuppliers) {
        const char* values[] = {s.name,   s.contact, s.title, s.address, s.city, s.state,
                                s.postal, s.country, s.phone, s.fax,     s.notes};
        for (int i = 0; i < 11; ++i)
            supplier.bind(i + 1, text(values[i]));
        supplier.execute();
    }

    sqlite::Statement employee = db.prepare(
        QStringLiteral("INSERT INTO Employees (FirstName, LastName, Title, WorkPhone, Extension, "
                       "EmailName) VALUES (?, ?, ?, ?, ?, ?)"));
    for (const Employee& e : kEmployees) {
        const char* values[] = {e.first, e.last, e.title, e.phone, e.extension, e.email};
        for (int i = 0; i < 6; ++i)
            employee.bind(i + 1, text(values[i]));
        employee.execute();
    }

    sqlite::Statement shipping =
        db.prepare(QStringLiteral("INSERT INTO [Shipping Methods] (ShippingMethod) VALUES (?)"));
    for (const char* name : kShippingMethods)
        shipping.bind(1, text(name)).execute();

    sqlite::Statement product = db.prepare(
        QStringLiteral("INSERT INTO Products (ProductName, ProductDescription, CategoryID, "
                       "ReorderLevel, LeadTime) VALUES (?, ?, ?, ?, ?)"));
    for (const Product& p : kProducts)
        product.bind(1, text(p.name))
            .bind(2, text(p.notes))
            .bindInt64(3, p.category)
            .bindInt64(4, p.reorderLevel)
            .bind(5, text(p.leadTime))
            .execute();
}

// Orders, their lines and the receipts of the goods; opening stock and shrinkage.
QList<Movement> stockMovements(sqlite::Database& db) {
    QList<Movement> moves;
    const int productCount = int(std::size(kProducts));
    for (int i = 0; i < productCount; ++i)
        if (kProducts[i].openingStock >= 0)
            moves.append({QDate(2021, 1, 4),
                          i + 1,
                          {},
                          QStringLiteral("Opening stock"),
                          kProducts[i].openingStock,
                          kProducts[i].openingStock,
                          {},
                          {},
                          {}});

    sqlite::Statement order = db.prepare(QStringLiteral(
        "INSERT INTO [Purchase Orders] (PurchaseOrderNumber, SupplierID, EmployeeID, "
        "ShippingMethodID, OrderDate, ShipDate, DateRequired, DatePromised, "
        "PurchaseOrderDescription) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int k = 0; k < orders().size(); ++k) {
        const Order& o = orders()[k];
        const int id = k + 1;
        const QDate date = QDate::fromString(QString::fromLatin1(o.date), Qt::ISODate);
        order.bindInt64(1, 21000 + id)
            .bindInt64(2, o.supplier)
            .bindInt64(3, o.employee)
            .bindInt64(4, o.shipping)
            .bindText(5, iso(date))
            .bind(6, o.receivedPercent > 0 ? QVariant(iso(date.addDays(5))) : QVariant())
            .bindText(7, iso(date.addDays(14)))
            .bindText(8, iso(date.addDays(10)))
            .bindText(9, QString::fromUtf8(o.description))
            .execute();
        for (const Line& line : o.lines) {
            const double price = linePrice(id, kProducts[line.product - 1]);
            moves.append(
                {date, line.product, id, QStringLiteral("Ordered"), line.units, {}, {}, {}, price});
            const int received = line.units * o.receivedPercent / 100;
            if (received > 0)
                moves.append({date.addDays(10),
                              line.product,
                              {},
                              QStringLiteral("Received, PO %1").arg(21000 + id),
                              {},
                              received,
                              {},
                              {},
                              price});
        }
    }
    return moves;
}

// Counter sales, each product once a month with its demand scaled by the season, and
// shrinkage at mid-year and at the year-end count; neither ever takes more than the stock on
// hand that day.
void addSalesAndShrinkage(QList<Movement>& moves) {
    const int productCount = int(std::size(kProducts));
    QList<Movement> wanted;
    for (int month = 1; month <= 12; ++month) {
        for (int i = 0; i < productCount; ++i) {
            const Product& p = kProducts[i];
            if (p.openingStock < 0 || p.monthlyDemand == 0)
                continue;
            wanted.append({QDate(2021, month, 6 + (i * 3) % 22),
                           i + 1,
                           {},
                           QStringLiteral("Counter sales, %1").arg(kMonths[month - 1]),
                           {},
                           {},
                           int(std::lround(p.monthlyDemand * kSeason[month - 1])),
                           {},
                           {}});
        }
    }
    for (int i = 0; i < productCount; ++i) {
        if (kProducts[i].openingStock < 0)
            continue;
        if (i % 6 == 1)
            wanted.append({QDate(2021, 6, 30),
                           i + 1,
                           {},
                           QStringLiteral("Damaged in storage"),
                           {},
                           {},
                           {},
                           2,
                           {}});
        if (i % 7 == 3)
            wanted.append({QDate(2021, 12, 31),
                           i + 1,
                           {},
                           QStringLiteral("Year-end count adjustment"),
                           {},
                           {},
                           {},
                           1,
                           {}});
    }
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const Movement& a, const Movement& b) { return a.date < b.date; });

    for (Movement m : wanted) {
        int onHand = 0;
        for (const Movement& done : moves)
            if (done.product == m.product && done.date <= m.date)
                onHand += done.received.toInt() - done.sold.toInt() - done.shrinkage.toInt();
        QVariant& units = m.sold.isNull() ? m.shrinkage : m.sold;
        units = std::min(units.toInt(), onHand);
        if (units.toInt() > 0)
            moves.append(m);
    }
}

} // namespace

void SampleData::insertCompany(sqlite::Database& db, const QVariant& beginDate,
                               const QVariant& endDate, const QVariant& purchaseOrderId) {
    db.prepare(QStringLiteral("INSERT INTO [My Company Information] (CompanyName, Address, City, "
                              "StateOrProvince, PostalCode, Country, PhoneNumber, FaxNumber, "
                              "BeginDate, EndDate, PurchaseOrderID) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
        .bindText(1, QStringLiteral("Cedar Ridge Garden Supply"))
        .bindText(2, QStringLiteral("1420 NW Lovejoy Street"))
        .bindText(3, QStringLiteral("Portland"))
        .bindText(4, QStringLiteral("OR"))
        .bindText(5, QStringLiteral("97209"))
        .bindText(6, QStringLiteral("USA"))
        .bindText(7, QStringLiteral("503-555-0142"))
        .bindText(8, QStringLiteral("503-555-0143"))
        .bind(9, beginDate)
        .bind(10, endDate)
        .bind(11, purchaseOrderId)
        .execute();
}

void SampleData::fill(sqlite::Database& db) {
    insertReferenceData(db);
    QList<Movement> moves = stockMovements(db);
    addSalesAndShrinkage(moves);
    std::stable_sort(moves.begin(), moves.end(),
                     [](const Movement& a, const Movement& b) { return a.date < b.date; });

    sqlite::Statement insert = db.prepare(QStringLiteral(
        "INSERT INTO [Inventory Transactions] (ProductID, PurchaseOrderID, TransactionDate, "
        "TransactionDescription, UnitsOrdered, UnitsReceived, UnitsSold, UnitsShrinkage, "
        "UnitPrice) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const Movement& m : moves)
        insert.bindInt64(1, m.product)
            .bind(2, m.purchaseOrder)
            .bindText(3, iso(m.date))
            .bindText(4, m.description)
            .bind(5, m.ordered)
            .bind(6, m.received)
            .bind(7, m.sold)
            .bind(8, m.shrinkage)
            .bind(9, m.price)
            .execute();

    insertCompany(db, QStringLiteral("2021-01-01"), QStringLiteral("2021-12-31"), 12);
}

} // namespace quarvel::dbtool
