-- Quarvel database: eight tables, the saved queries as views, and their indexes.
--
-- Storage:
--   * Keys are INTEGER PRIMARY KEY AUTOINCREMENT: numbered by the database, never reused.
--   * Dates are TEXT 'YYYY-MM-DD' without a time of day; a value that is not a real
--     calendar date is refused (date(d, '+0 days') normalises '2023-02-30' away, so the
--     comparison fails for it).
--   * Currency is a number with at most four decimals (CHECK round(x, 4) = x), as the
--     Currency type of desktop databases: 2.5 stays 2.5. Every sum or product of currency
--     in the views is rounded to four decimals, so three lines of 0.10 total exactly 0.3.
--   * Number columns take integers or decimals from -2147483648 to 2147483647 (the range of
--     a long integer, so that sums of counts cannot overflow); long-integer columns take
--     whole numbers of that range. Text columns take text: TEXT(255) at most 255
--     characters, long text TEXT(65535) at most 65535. The program reads a text column's
--     size from its declared type. Nothing else.
--   * Relations are enforced (PRAGMA foreign_keys = ON on every connection) with
--     ON DELETE RESTRICT: deleting a row that is still referred to is refused and
--     nothing is ever deleted in cascade.

CREATE TABLE Categories (
    CategoryID INTEGER PRIMARY KEY AUTOINCREMENT,
    CategoryName TEXT(255) CHECK (CategoryName IS NULL OR (typeof(CategoryName) = 'text' AND length(CategoryName) <= 255))
);

CREATE TABLE Products (
    ProductID INTEGER PRIMARY KEY AUTOINCREMENT,
    ProductName TEXT(255) CHECK (ProductName IS NULL OR (typeof(ProductName) = 'text' AND length(ProductName) <= 255)),
    ProductDescription TEXT(65535) CHECK (ProductDescription IS NULL OR (typeof(ProductDescription) = 'text' AND length(ProductDescription) <= 65535)),
    CategoryID INTEGER REFERENCES Categories (CategoryID) ON DELETE RESTRICT
        CHECK (CategoryID IS NULL OR (typeof(CategoryID) = 'integer' AND CategoryID BETWEEN -2147483648 AND 2147483647)),
    ReorderLevel NUMBER CHECK (ReorderLevel IS NULL OR (typeof(ReorderLevel) IN ('integer', 'real')
            AND ReorderLevel BETWEEN -2147483648 AND 2147483647)),
    LeadTime TEXT(255) CHECK (typeof(LeadTime) <> 'text' OR length(LeadTime) <= 255)
);

CREATE TABLE Suppliers (
    SupplierID INTEGER PRIMARY KEY AUTOINCREMENT,
    SupplierName TEXT(255) CHECK (SupplierName IS NULL OR (typeof(SupplierName) = 'text' AND length(SupplierName) <= 255)),
    ContactName TEXT(255) CHECK (ContactName IS NULL OR (typeof(ContactName) = 'text' AND length(ContactName) <= 255)),
    ContactTitle TEXT(255) CHECK (ContactTitle IS NULL OR (typeof(ContactTitle) = 'text' AND length(ContactTitle) <= 255)),
    Address TEXT(65535) CHECK (Address IS NULL OR (typeof(Address) = 'text' AND length(Address) <= 65535)),
    City TEXT(255) CHECK (City IS NULL OR (typeof(City) = 'text' AND length(City) <= 255)),
    StateOrProvince TEXT(255) CHECK (StateOrProvince IS NULL OR (typeof(StateOrProvince) = 'text' AND length(StateOrProvince) <= 255)),
    PostalCode TEXT(255) CHECK (PostalCode IS NULL OR (typeof(PostalCode) = 'text' AND length(PostalCode) <= 255)),
    Country TEXT(255) CHECK (Country IS NULL OR (typeof(Country) = 'text' AND length(Country) <= 255)),
    PhoneNumber TEXT(255) CHECK (PhoneNumber IS NULL OR (typeof(PhoneNumber) = 'text' AND length(PhoneNumber) <= 255)),
    FaxNumber TEXT(255) CHECK (FaxNumber IS NULL OR (typeof(FaxNumber) = 'text' AND length(FaxNumber) <= 255)),
    Notes TEXT(65535) CHECK (Notes IS NULL OR (typeof(Notes) = 'text' AND length(Notes) <= 65535))
);

CREATE TABLE Employees (
    EmployeeID INTEGER PRIMARY KEY AUTOINCREMENT,
    FirstName TEXT(255) CHECK (FirstName IS NULL OR (typeof(FirstName) = 'text' AND length(FirstName) <= 255)),
    LastName TEXT(255) CHECK (LastName IS NULL OR (typeof(LastName) = 'text' AND length(LastName) <= 255)),
    Title TEXT(255) CHECK (Title IS NULL OR (typeof(Title) = 'text' AND length(Title) <= 255)),
    WorkPhone TEXT(255) CHECK (WorkPhone IS NULL OR (typeof(WorkPhone) = 'text' AND length(WorkPhone) <= 255)),
    Extension TEXT(255) CHECK (Extension IS NULL OR (typeof(Extension) = 'text' AND length(Extension) <= 255)),
    EmailName TEXT(255) CHECK (EmailName IS NULL OR (typeof(EmailName) = 'text' AND length(EmailName) <= 255))
);

CREATE TABLE "Shipping Methods" (
    ShippingMethodID INTEGER PRIMARY KEY AUTOINCREMENT,
    ShippingMethod TEXT(255) CHECK (ShippingMethod IS NULL OR (typeof(ShippingMethod) = 'text' AND length(ShippingMethod) <= 255))
);

CREATE TABLE "Purchase Orders" (
    PurchaseOrderID INTEGER PRIMARY KEY AUTOINCREMENT,
    PurchaseOrderNumber NUMBER
        CHECK (PurchaseOrderNumber IS NULL OR (typeof(PurchaseOrderNumber) IN ('integer', 'real')
            AND PurchaseOrderNumber BETWEEN -2147483648 AND 2147483647)),
    SupplierID INTEGER REFERENCES Suppliers (SupplierID) ON DELETE RESTRICT
        CHECK (SupplierID IS NULL OR (typeof(SupplierID) = 'integer' AND SupplierID BETWEEN -2147483648 AND 2147483647)),
    EmployeeID INTEGER REFERENCES Employees (EmployeeID) ON DELETE RESTRICT
        CHECK (EmployeeID IS NULL OR (typeof(EmployeeID) = 'integer' AND EmployeeID BETWEEN -2147483648 AND 2147483647)),
    ShippingMethodID INTEGER REFERENCES "Shipping Methods" (ShippingMethodID) ON DELETE RESTRICT
        CHECK (ShippingMethodID IS NULL OR (typeof(ShippingMethodID) = 'integer' AND ShippingMethodID BETWEEN -2147483648 AND 2147483647)),
    OrderDate DATE CHECK (OrderDate IS NULL OR (typeof(OrderDate) = 'text' AND date(OrderDate, '+0 days') IS OrderDate)),
    ShipDate DATE CHECK (ShipDate IS NULL OR (typeof(ShipDate) = 'text' AND date(ShipDate, '+0 days') IS ShipDate)),
    DateRequired DATE CHECK (DateRequired IS NULL OR (typeof(DateRequired) = 'text' AND date(DateRequired, '+0 days') IS DateRequired)),
    DatePromised DATE CHECK (DatePromised IS NULL OR (typeof(DatePromised) = 'text' AND date(DatePromised, '+0 days') IS DatePromised)),
    PurchaseOrderDescription TEXT(65535) CHECK (PurchaseOrderDescription IS NULL OR (typeof(PurchaseOrderDescription) = 'text' AND length(PurchaseOrderDescription) <= 65535))
);

CREATE TABLE "Inventory Transactions" (
    TransactionID INTEGER PRIMARY KEY AUTOINCREMENT,
    ProductID INTEGER REFERENCES Products (ProductID) ON DELETE RESTRICT
        CHECK (ProductID IS NULL OR (typeof(ProductID) = 'integer' AND ProductID BETWEEN -2147483648 AND 2147483647)),
    PurchaseOrderID INTEGER REFERENCES "Purchase Orders" (PurchaseOrderID) ON DELETE RESTRICT
        CHECK (PurchaseOrderID IS NULL OR (typeof(PurchaseOrderID) = 'integer' AND PurchaseOrderID BETWEEN -2147483648 AND 2147483647)),
    TransactionDate DATE CHECK (TransactionDate IS NULL OR (typeof(TransactionDate) = 'text' AND date(TransactionDate, '+0 days') IS TransactionDate)),
    TransactionDescription TEXT(255) CHECK (TransactionDescription IS NULL OR (typeof(TransactionDescription) = 'text' AND length(TransactionDescription) <= 255)),
    UnitsOrdered NUMBER CHECK (UnitsOrdered IS NULL OR (typeof(UnitsOrdered) IN ('integer', 'real')
            AND UnitsOrdered BETWEEN -2147483648 AND 2147483647)),
    UnitsReceived NUMBER CHECK (UnitsReceived IS NULL OR (typeof(UnitsReceived) IN ('integer', 'real')
            AND UnitsReceived BETWEEN -2147483648 AND 2147483647)),
    UnitsSold NUMBER CHECK (UnitsSold IS NULL OR (typeof(UnitsSold) IN ('integer', 'real')
            AND UnitsSold BETWEEN -2147483648 AND 2147483647)),
    UnitsShrinkage NUMBER CHECK (UnitsShrinkage IS NULL OR (typeof(UnitsShrinkage) IN ('integer', 'real')
            AND UnitsShrinkage BETWEEN -2147483648 AND 2147483647)),
    UnitPrice CURRENCY CHECK (UnitPrice IS NULL OR (typeof(UnitPrice) IN ('integer', 'real') AND round(UnitPrice, 4) = UnitPrice))
);

CREATE TABLE "My Company Information" (
    CompanyName TEXT(255) CHECK (CompanyName IS NULL OR (typeof(CompanyName) = 'text' AND length(CompanyName) <= 255)),
    Address TEXT(65535) CHECK (Address IS NULL OR (typeof(Address) = 'text' AND length(Address) <= 65535)),
    City TEXT(255) CHECK (City IS NULL OR (typeof(City) = 'text' AND length(City) <= 255)),
    StateOrProvince TEXT(255) CHECK (StateOrProvince IS NULL OR (typeof(StateOrProvince) = 'text' AND length(StateOrProvince) <= 255)),
    PostalCode TEXT(255) CHECK (PostalCode IS NULL OR (typeof(PostalCode) = 'text' AND length(PostalCode) <= 255)),
    Country TEXT(255) CHECK (Country IS NULL OR (typeof(Country) = 'text' AND length(Country) <= 255)),
    PhoneNumber TEXT(255) CHECK (PhoneNumber IS NULL OR (typeof(PhoneNumber) = 'text' AND length(PhoneNumber) <= 255)),
    FaxNumber TEXT(255) CHECK (FaxNumber IS NULL OR (typeof(FaxNumber) = 'text' AND length(FaxNumber) <= 255)),
    BeginDate DATE CHECK (BeginDate IS NULL OR (typeof(BeginDate) = 'text' AND date(BeginDate, '+0 days') IS BeginDate)),
    EndDate DATE CHECK (EndDate IS NULL OR (typeof(EndDate) = 'text' AND date(EndDate, '+0 days') IS EndDate)),
    PurchaseOrderID INTEGER CHECK (PurchaseOrderID IS NULL OR (typeof(PurchaseOrderID) = 'integer' AND PurchaseOrderID BETWEEN -2147483648 AND 2147483647))
);

-- VIEWS AND INDEXES FOLLOW

-- Saved queries. Formulas, used throughout:
--   * A count left empty (NULL) counts as 0: coalesce(x, 0).
--   * Units on hand  = sum(UnitsReceived) - sum(UnitsSold) - sum(UnitsShrinkage)
--     over all the product's transactions.
--   * Units on order = sum(UnitsOrdered) - sum(UnitsReceived) over all the product's
--     transactions (goods ordered and not yet received).
--   * An order line is a transaction with a PurchaseOrderID; its supplier is the order's.
--   * Total Units    = sum(UnitsOrdered) over order lines (0 when there are none).
--   * Avg Unit Price = round(avg(UnitPrice), 4) over order lines with a price.
--   * Subtotal       = round(UnitsOrdered * UnitPrice, 4); an order total is round(sum, 4).
--   * The company row is the first row of My Company Information (lowest rowid).
-- Unit counts are not rounded: whole numbers stay whole numbers.

-- One row per product with its stock figures. The figures are correlated subqueries on
-- the product's transactions, so "WHERE ProductID = n" reads only that product's rows
-- (through ix_InventoryTransactions_Product).
CREATE VIEW qryProducts AS
SELECT p.ProductID AS ProductID,
       p.ProductName AS ProductName,
       p.ProductDescription AS ProductDescription,
       p.CategoryID AS CategoryID,
       p.ReorderLevel AS ReorderLevel,
       p.LeadTime AS LeadTime,
       (SELECT coalesce(sum(coalesce(t.UnitsReceived, 0) - coalesce(t.UnitsSold, 0)
                            - coalesce(t.UnitsShrinkage, 0)), 0)
          FROM "Inventory Transactions" t WHERE t.ProductID = p.ProductID) AS UnitsOnHand,
       (SELECT coalesce(sum(coalesce(t.UnitsOrdered, 0) - coalesce(t.UnitsReceived, 0)), 0)
          FROM "Inventory Transactions" t WHERE t.ProductID = p.ProductID) AS UnitsOnOrder
  FROM Products p;

-- Product Cost Comparisons, master: one row per product; Total Units = the product's
-- ordered units over all order lines, i.e. the sum of its qryRep1B rows.
CREATE VIEW qryRep1A AS
SELECT p.ProductID AS ProductID,
       p.ProductName AS ProductName,
       (SELECT coalesce(sum(t.UnitsOrdered), 0)
          FROM "Inventory Transactions" t
         WHERE t.ProductID = p.ProductID AND t.PurchaseOrderID IS NOT NULL) AS "Total Units"
  FROM Products p
 ORDER BY p.ProductName, p.ProductID;

-- Product Cost Comparisons, detail: per product and supplier of the order. An order
-- without a supplier gives a row with an empty SupplierName, so that every order line is
-- counted once and the rows add up to qryRep1A's Total Units.
CREATE VIEW qryRep1B AS
SELECT t.ProductID AS ProductID,
       po.SupplierID AS SupplierID,
       s.SupplierName AS SupplierName,
       round(avg(t.UnitPrice), 4) AS "Avg Unit Price",
       coalesce(sum(t.UnitsOrdered), 0) AS "Total Units"
  FROM "Inventory Transactions" t
  JOIN "Purchase Orders" po ON po.PurchaseOrderID = t.PurchaseOrderID
  LEFT JOIN Suppliers s ON s.SupplierID = po.SupplierID
 WHERE t.ProductID IS NOT NULL
 GROUP BY t.ProductID, po.SupplierID
 ORDER BY t.ProductID, s.SupplierName, po.SupplierID;

-- Product Purchases by Supplier, master: one row per supplier.
CREATE VIEW qryRep2A AS
SELECT s.SupplierID AS SupplierID,
       s.SupplierName AS SupplierName
  FROM Suppliers s
 ORDER BY s.SupplierName, s.SupplierID;

-- Product Purchases by Supplier, detail: per supplier and product, over the order lines
-- whose TransactionDate lies in BeginDate..EndDate of the company row, both ends
-- included. An empty BeginDate or EndDate selects nothing.
CREATE VIEW qryRep2B AS
SELECT po.SupplierID AS SupplierID,
       t.ProductID AS ProductID,
       p.ProductName AS ProductName,
       round(avg(t.UnitPrice), 4) AS "Avg Unit Price",
       coalesce(sum(t.UnitsOrdered), 0) AS "Total Units"
  FROM "Inventory Transactions" t
  JOIN "Purchase Orders" po ON po.PurchaseOrderID = t.PurchaseOrderID
  LEFT JOIN Products p ON p.ProductID = t.ProductID
 WHERE po.SupplierID IS NOT NULL
   AND t.TransactionDate >= (SELECT BeginDate FROM "My Company Information"
                              ORDER BY rowid LIMIT 1)
   AND t.TransactionDate <= (SELECT EndDate FROM "My Company Information"
                              ORDER BY rowid LIMIT 1)
 GROUP BY po.SupplierID, t.ProductID
 ORDER BY po.SupplierID, p.ProductName, t.ProductID;

-- Product Summary: one row per product, stock figures as in qryProducts.
CREATE VIEW qryRep3A AS
SELECT ProductID,
       ProductName,
       ReorderLevel,
       LeadTime,
       UnitsOnHand AS "Units in Stock",
       UnitsOnOrder AS "Units on Order"
  FROM qryProducts
 ORDER BY ProductName, ProductID;

-- Product Transaction Detail, master: one row per product.
CREATE VIEW qryRep4A AS
SELECT p.ProductID AS ProductID,
       p.ProductName AS ProductName
  FROM Products p
 ORDER BY p.ProductName, p.ProductID;

-- Product Transaction Detail, detail: one row per transaction, by date within product.
CREATE VIEW qryRep4B AS
SELECT t.ProductID AS ProductID,
       t.TransactionID AS TransactionID,
       t.TransactionDate AS TransactionDate,
       t.TransactionDescription AS TransactionDescription,
       t.UnitPrice AS UnitPrice,
       t.UnitsOrdered AS UnitsOrdered,
       t.UnitsReceived AS UnitsReceived,
       t.UnitsSold AS UnitsSold,
       t.UnitsShrinkage AS UnitsShrinkage
  FROM "Inventory Transactions" t
 ORDER BY t.ProductID, t.TransactionDate, t.TransactionID;

-- Printed purchase order, master: the order named by the company row's PurchaseOrderID,
-- with its supplier's address block and the company's own address. Employee is
-- "FirstName LastName" (either part may be empty); Adress2 is
-- "City, StateOrProvince PostalCode" leaving out empty parts and their separators.
-- OrderTotal = round(sum of the lines' Subtotal, 4).
CREATE VIEW qryRep5A AS
SELECT po.PurchaseOrderID AS PurchaseOrderID,
       po.PurchaseOrderNumber AS PurchaseOrderNumber,
       po.OrderDate AS OrderDate,
       po.ShipDate AS ShipDate,
       po.DateRequired AS DateRequired,
       po.DatePromised AS DatePromised,
       sm.ShippingMethod AS ShippingMethod,
       po.PurchaseOrderDescription AS PurchaseOrderDescription,
       nullif(trim(coalesce(e.FirstName, '') || ' ' || coalesce(e.LastName, '')), '')
           AS Employee,
       s.SupplierName AS SupplierName,
       s.ContactName AS ContactName,
       s.Address AS Address1,
       nullif(coalesce(nullif(s.City, ''), '')
              || CASE WHEN coalesce(s.City, '') <> ''
                       AND (coalesce(s.StateOrProvince, '') <> '' OR coalesce(s.PostalCode, '') <> '')
                      THEN ', ' ELSE '' END
              || trim(coalesce(s.StateOrProvince, '') || ' ' || coalesce(s.PostalCode, '')), '')
           AS Adress2,
       s.Country AS Country1,
       c.CompanyName AS CompanyName,
       c.Address AS Address,
       c.City AS City,
       c.Country AS Country,
       (SELECT round(coalesce(sum(round(l.UnitsOrdered * l.UnitPrice, 4)), 0), 4)
          FROM "Inventory Transactions" l
         WHERE l.PurchaseOrderID = po.PurchaseOrderID) AS OrderTotal
  FROM (SELECT * FROM "My Company Information" ORDER BY rowid LIMIT 1) c
  JOIN "Purchase Orders" po ON po.PurchaseOrderID = c.PurchaseOrderID
  LEFT JOIN Suppliers s ON s.SupplierID = po.SupplierID
  LEFT JOIN Employees e ON e.EmployeeID = po.EmployeeID
  LEFT JOIN "Shipping Methods" sm ON sm.ShippingMethodID = po.ShippingMethodID;

-- Printed purchase order, detail: the lines of the same order, also a line whose product
-- is missing (empty ProductName). Subtotal = round(UnitsOrdered * UnitPrice, 4).
CREATE VIEW qryRep5B AS
SELECT t.PurchaseOrderID AS "qryRep5B.PurchaseOrderID",
       t.TransactionID AS TransactionID,
       t.ProductID AS "Inventory Transactions.ProductID",
       p.ProductName AS ProductName,
       t.UnitsOrdered AS UnitsOrdered,
       t.UnitPrice AS "Inventory Transactions.UnitPrice",
       round(t.UnitsOrdered * t.UnitPrice, 4) AS Subtotal
  FROM "Inventory Transactions" t
  LEFT JOIN Products p ON p.ProductID = t.ProductID
 WHERE t.PurchaseOrderID = (SELECT PurchaseOrderID FROM "My Company Information"
                             ORDER BY rowid LIMIT 1)
 ORDER BY t.TransactionID;

-- Indexes. A product's transactions (grid, stock figures, qryProducts for one product)
-- and an order's lines are read through these, in proportion to their own rows. The
-- product index also holds the counts, so the stock figures and Total Units are read from
-- the index alone (qryProducts, qryRep1A, qryRep3A over all products stay fast).
-- TransactionID comes second, so a product's transactions are listed in the order entered.
CREATE INDEX ix_InventoryTransactions_Product
    ON "Inventory Transactions" (ProductID, TransactionID, PurchaseOrderID, UnitsOrdered,
                                 UnitsReceived, UnitsSold, UnitsShrinkage);
CREATE INDEX ix_InventoryTransactions_PurchaseOrder
    ON "Inventory Transactions" (PurchaseOrderID);

-- Foreign keys, so that the RESTRICT check of a deleted parent row is a lookup, not a scan.
CREATE INDEX ix_Products_Category ON Products (CategoryID);
CREATE INDEX ix_PurchaseOrders_Supplier ON "Purchase Orders" (SupplierID);
CREATE INDEX ix_PurchaseOrders_Employee ON "Purchase Orders" (EmployeeID);
CREATE INDEX ix_PurchaseOrders_ShippingMethod ON "Purchase Orders" (ShippingMethodID);

-- Lists sorted by name (the order-line product list, the product name lists of reports).
CREATE INDEX ix_Products_Name ON Products (ProductName);
