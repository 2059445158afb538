-- Schema version 2 (quarvel-db upgrade adds it to a version 1 database; a new database has it):
--   * the schema version itself, one row; a database without the table is version 1;
--   * a stock count in progress: the count (when it began, the category counted or all,
--     whether the expected figures are hidden) and, for each product counted, the units
--     expected when the count began (frozen) and the units counted (Null until typed);
--   * an index of the transactions by date, so that the units sold over a recent period
--     are read for every product from that period's transactions alone;
--   * each product's stock figures, kept by triggers (see "Product Stock" below).

CREATE TABLE "Schema Version" (
    Version INTEGER NOT NULL CHECK (typeof(Version) = 'integer' AND Version >= 2)
);
INSERT INTO "Schema Version" (Version) VALUES (2);

CREATE TABLE "Stock Counts" (
    StockCountID INTEGER PRIMARY KEY AUTOINCREMENT,
    StartedOn DATE NOT NULL CHECK (typeof(StartedOn) = 'text' AND date(StartedOn, '+0 days') IS StartedOn),
    CategoryID INTEGER REFERENCES Categories (CategoryID) ON DELETE RESTRICT
        CHECK (CategoryID IS NULL OR (typeof(CategoryID) = 'integer' AND CategoryID BETWEEN -2147483648 AND 2147483647)),
    Blind INTEGER NOT NULL DEFAULT 0 CHECK (Blind IN (0, 1))
);

CREATE TABLE "Stock Count Lines" (
    StockCountLineID INTEGER PRIMARY KEY AUTOINCREMENT,
    StockCountID INTEGER NOT NULL REFERENCES "Stock Counts" (StockCountID) ON DELETE RESTRICT,
    ProductID INTEGER NOT NULL REFERENCES Products (ProductID) ON DELETE RESTRICT,
    Expected NUMBER NOT NULL CHECK (typeof(Expected) IN ('integer', 'real')
            AND Expected BETWEEN -2147483648 AND 2147483647),
    Counted NUMBER CHECK (Counted IS NULL OR (typeof(Counted) IN ('integer', 'real')
            AND Counted BETWEEN -2147483648 AND 2147483647)),
    UNIQUE (StockCountID, ProductID)
);
CREATE INDEX ix_StockCountLines_Product ON "Stock Count Lines" (ProductID);

CREATE INDEX ix_InventoryTransactions_Date
    ON "Inventory Transactions" (TransactionDate, ProductID, UnitsSold);

-- Each product's stock figures as qryProducts works them out, and its last order line (its
-- order and unit price), kept by triggers whenever a transaction is written, so that they are
-- read for every product at once instead of summed over every transaction. A trigger works
-- the product's row out again from the product's own transactions, so the figures never drift
-- from what qryProducts says.
CREATE TABLE "Product Stock" (
    ProductID INTEGER PRIMARY KEY,
    UnitsOnHand NUMBER NOT NULL DEFAULT 0,
    UnitsOnOrder NUMBER NOT NULL DEFAULT 0,
    LastOrderLineID INTEGER,
    LastOrderID INTEGER,
    LastUnitPrice CURRENCY
);

INSERT INTO "Product Stock" (ProductID, UnitsOnHand, UnitsOnOrder, LastOrderLineID)
SELECT ProductID,
       coalesce(sum(coalesce(UnitsReceived, 0) - coalesce(UnitsSold, 0) - coalesce(UnitsShrinkage, 0)), 0),
       coalesce(sum(coalesce(UnitsOrdered, 0) - coalesce(UnitsReceived, 0)), 0),
       max(CASE WHEN PurchaseOrderID IS NOT NULL THEN TransactionID END)
  FROM "Inventory Transactions" WHERE ProductID IS NOT NULL GROUP BY ProductID;
UPDATE "Product Stock" SET
    LastOrderID = (SELECT PurchaseOrderID FROM "Inventory Transactions" t
                    WHERE t.TransactionID = "Product Stock".LastOrderLineID),
    LastUnitPrice = (SELECT UnitPrice FROM "Inventory Transactions" t
                      WHERE t.TransactionID = "Product Stock".LastOrderLineID)
 WHERE LastOrderLineID IS NOT NULL;

CREATE TRIGGER tr_ProductStock_Insert AFTER INSERT ON "Inventory Transactions"
WHEN NEW.ProductID IS NOT NULL
BEGIN
    INSERT INTO "Product Stock" (ProductID, UnitsOnHand, UnitsOnOrder, LastOrderLineID,
                                 LastOrderID, LastUnitPrice)
    SELECT NEW.ProductID,
           coalesce(sum(coalesce(UnitsReceived, 0) - coalesce(UnitsSold, 0) - coalesce(UnitsShrinkage, 0)), 0),
           coalesce(sum(coalesce(UnitsOrdered, 0) - coalesce(UnitsReceived, 0)), 0),
           max(CASE WHEN PurchaseOrderID IS NOT NULL THEN TransactionID END),
           (SELECT PurchaseOrderID FROM "Inventory Transactions" WHERE ProductID = NEW.ProductID
               AND PurchaseOrderID IS NOT NULL ORDER BY TransactionID DESC LIMIT 1),
           (SELECT UnitPrice FROM "Inventory Transactions" WHERE ProductID = NEW.ProductID
               AND PurchaseOrderID IS NOT NULL ORDER BY TransactionID DESC LIMIT 1)
      FROM "Inventory Transactions" WHERE ProductID = NEW.ProductID
    ON CONFLICT (ProductID) DO UPDATE SET UnitsOnHand = excluded.UnitsOnHand,
        UnitsOnOrder = excluded.UnitsOnOrder, LastOrderLineID = excluded.LastOrderLineID,
        LastOrderID = excluded.LastOrderID, LastUnitPrice = excluded.LastUnitPrice;
END;

CREATE TRIGGER tr_ProductStock_Delete AFTER DELETE ON "Inventory Transactions"
WHEN OLD.ProductID IS NOT NULL
BEGIN
    INSERT INTO "Product Stock" (ProductID, UnitsOnHand, UnitsOnOrder, LastOrderLineID,
                                 LastOrderID, LastUnitPrice)
    SELECT OLD.ProductID,
           coalesce(sum(coalesce(UnitsReceived, 0) - coalesce(UnitsSold, 0) - coalesce(UnitsShrinkage, 0)), 0),
           coalesce(sum(coalesce(UnitsOrdered, 0) - coalesce(UnitsReceived, 0)), 0),
           max(CASE WHEN PurchaseOrderID IS NOT NULL THEN TransactionID END),
           (SELECT PurchaseOrderID FROM "Inventory Transactions" WHERE ProductID = OLD.ProductID
               AND PurchaseOrderID IS NOT NULL ORDER BY TransactionID DESC LIMIT 1),
           (SELECT UnitPrice FROM "Inventory Transactions" WHERE ProductID = OLD.ProductID
               AND PurchaseOrderID IS NOT NULL ORDER BY TransactionID DESC LIMIT 1)
      FROM "Inventory Transactions" WHERE ProductID = OLD.ProductID
    ON CONFLICT (ProductID) DO UPDATE SET UnitsOnHand = excluded.UnitsOnHand,
        UnitsOnOrder = excluded.UnitsOnOrder, LastOrderLineID = excluded.LastOrderLineID,
        LastOrderID = excluded.LastOrderID, LastUnitPrice = excluded.LastUnitPrice;
END;

CREATE TRIGGER tr_ProductStock_Update AFTER UPDATE OF ProductID, PurchaseOrderID, UnitsOrdered,
    UnitsReceived, UnitsSold, UnitsShrinkage, UnitPrice ON "Inventory Transactions"
BEGIN
    INSERT INTO "Product Stock" (ProductID, UnitsOnHand, UnitsOnOrder, LastOrderLineID,
                                 LastOrderID, LastUnitPrice)
    SELECT OLD.ProductID,
           coalesce(sum(coalesce(UnitsReceived, 0) - coalesce(UnitsSold, 0) - coalesce(UnitsShrinkage, 0)), 0),
           coalesce(sum(coalesce(UnitsOrdered, 0) - coalesce(UnitsReceived, 0)), 0),
           max(CASE WHEN PurchaseOrderID IS NOT NULL THEN TransactionID END),
           (SELECT PurchaseOrderID FROM "Inventory Transactions" WHERE ProductID = OLD.ProductID
               AND PurchaseOrderID IS NOT NULL ORDER BY TransactionID DESC LIMIT 1),
           (SELECT UnitPrice FROM "Inventory Transactions" WHERE ProductID = OLD.ProductID
               AND PurchaseOrderID IS NOT NULL ORDER BY TransactionID DESC LIMIT 1)
      FROM "Inventory Transactions" WHERE ProductID = OLD.ProductID
      HAVING OLD.ProductID IS NOT NULL
    ON CONFLICT (ProductID) DO UPDATE SET UnitsOnHand = excluded.UnitsOnHand,
        UnitsOnOrder = excluded.UnitsOnOrder, LastOrderLineID = excluded.LastOrderLineID,
        LastOrderID = excluded.LastOrderID, LastUnitPrice = excluded.LastUnitPrice;
    INSERT INTO "Product Stock" (ProductID, UnitsOnHand, UnitsOnOrder, LastOrderLineID,
                                 LastOrderID, LastUnitPrice)
    SELECT NEW.ProductID,
           coalesce(sum(coalesce(UnitsReceived, 0) - coalesce(UnitsSold, 0) - coalesce(UnitsShrinkage, 0)), 0),
           coalesce(sum(coalesce(UnitsOrdered, 0) - coalesce(UnitsReceived, 0)), 0),
           max(CASE WHEN PurchaseOrderID IS NOT NULL THEN TransactionID END),
           (SELECT PurchaseOrderID FROM "Inventory Transactions" WHERE ProductID = NEW.ProductID
               AND PurchaseOrderID IS NOT NULL ORDER BY TransactionID DESC LIMIT 1),
           (SELECT UnitPrice FROM "Inventory Transactions" WHERE ProductID = NEW.ProductID
               AND PurchaseOrderID IS NOT NULL ORDER BY TransactionID DESC LIMIT 1)
      FROM "Inventory Transactions" WHERE ProductID = NEW.ProductID
      HAVING NEW.ProductID IS NOT NULL
    ON CONFLICT (ProductID) DO UPDATE SET UnitsOnHand = excluded.UnitsOnHand,
        UnitsOnOrder = excluded.UnitsOnOrder, LastOrderLineID = excluded.LastOrderLineID,
        LastOrderID = excluded.LastOrderID, LastUnitPrice = excluded.LastUnitPrice;
END;

CREATE TRIGGER tr_ProductStock_ProductDelete AFTER DELETE ON Products
BEGIN
    DELETE FROM "Product Stock" WHERE ProductID = OLD.ProductID;
END;
