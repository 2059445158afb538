-- Schema version 2 (quarvel-db upgrade adds it to a version 1 database; a new database has it):
--   * the schema version itself, one row; a database without the table is version 1;
--   * a stock count in progress: the count (when it began, the category counted or all,
--     whether the expected figures are hidden) and, for each product counted, the units
--     expected when the count began (frozen) and the units counted (Null until typed);
--   * an index of the transactions by date, so that the units sold over a recent period
--     are read for every product from that period's transactions alone.

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
