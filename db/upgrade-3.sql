-- Schema version 3 (quarvel-db upgrade adds it to a version 2 database; a new database has it):
-- the history of every change to the eight tables. Each insert, update and delete leaves one
-- row: when (UTC), who, the table, the row's key (none for the company row), what was done, and
-- for each field it changed its old and new value, as a JSON object {"Field": [old, new]}. The
-- triggers record it whoever writes, the program or any other client. Who is the user name the
-- program gives its connection (char() without arguments, which the program defines to return
-- it); any other client leaves "unknown".

CREATE TABLE History (
    HistoryID INTEGER PRIMARY KEY AUTOINCREMENT,
    ChangedAt TEXT NOT NULL,
    ChangedBy TEXT NOT NULL,
    TableName TEXT NOT NULL,
    RowKey INTEGER,
    Action TEXT NOT NULL CHECK (Action IN ('insert', 'update', 'delete')),
    Changes TEXT NOT NULL
);
CREATE INDEX ix_History_Row ON History (TableName, RowKey, HistoryID);
CREATE INDEX ix_History_ChangedAt ON History (ChangedAt);

UPDATE "Schema Version" SET Version = 3;

CREATE TRIGGER tr_History_Categories_Insert AFTER INSERT ON Categories
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Categories', NEW.CategoryID, 'insert',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'CategoryID' AS f, NULL AS o, NEW.CategoryID AS n
            UNION ALL SELECT 'CategoryName' AS f, NULL AS o, NEW.CategoryName AS n) WHERE n IS NOT NULL);
END;

CREATE TRIGGER tr_History_Categories_Update AFTER UPDATE ON Categories
WHEN OLD.CategoryID IS NOT NEW.CategoryID OR OLD.CategoryName IS NOT NEW.CategoryName
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Categories', NEW.CategoryID, 'update',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'CategoryID' AS f, OLD.CategoryID AS o, NEW.CategoryID AS n
            UNION ALL SELECT 'CategoryName' AS f, OLD.CategoryName AS o, NEW.CategoryName AS n) WHERE o IS NOT n);
END;

CREATE TRIGGER tr_History_Categories_Delete AFTER DELETE ON Categories
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Categories', OLD.CategoryID, 'delete',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'CategoryID' AS f, OLD.CategoryID AS o, NULL AS n
            UNION ALL SELECT 'CategoryName' AS f, OLD.CategoryName AS o, NULL AS n) WHERE o IS NOT NULL);
END;

CREATE TRIGGER tr_History_Products_Insert AFTER INSERT ON Products
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Products', NEW.ProductID, 'insert',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'ProductID' AS f, NULL AS o, NEW.ProductID AS n
            UNION ALL SELECT 'ProductName' AS f, NULL AS o, NEW.ProductName AS n
            UNION ALL SELECT 'ProductDescription' AS f, NULL AS o, NEW.ProductDescription AS n
            UNION ALL SELECT 'CategoryID' AS f, NULL AS o, NEW.CategoryID AS n
            UNION ALL SELECT 'ReorderLevel' AS f, NULL AS o, NEW.ReorderLevel AS n
            UNION ALL SELECT 'LeadTime' AS f, NULL AS o, NEW.LeadTime AS n) WHERE n IS NOT NULL);
END;

CREATE TRIGGER tr_History_Products_Update AFTER UPDATE ON Products
WHEN OLD.ProductID IS NOT NEW.ProductID OR OLD.ProductName IS NOT NEW.ProductName OR OLD.ProductDescription IS NOT NEW.ProductDescription OR OLD.CategoryID IS NOT NEW.CategoryID OR OLD.ReorderLevel IS NOT NEW.ReorderLevel OR OLD.LeadTime IS NOT NEW.LeadTime
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Products', NEW.ProductID, 'update',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'ProductID' AS f, OLD.ProductID AS o, NEW.ProductID AS n
            UNION ALL SELECT 'ProductName' AS f, OLD.ProductName AS o, NEW.ProductName AS n
            UNION ALL SELECT 'ProductDescription' AS f, OLD.ProductDescription AS o, NEW.ProductDescription AS n
            UNION ALL SELECT 'CategoryID' AS f, OLD.CategoryID AS o, NEW.CategoryID AS n
            UNION ALL SELECT 'ReorderLevel' AS f, OLD.ReorderLevel AS o, NEW.ReorderLevel AS n
            UNION ALL SELECT 'LeadTime' AS f, OLD.LeadTime AS o, NEW.LeadTime AS n) WHERE o IS NOT n);
END;

CREATE TRIGGER tr_History_Products_Delete AFTER DELETE ON Products
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Products', OLD.ProductID, 'delete',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'ProductID' AS f, OLD.ProductID AS o, NULL AS n
            UNION ALL SELECT 'ProductName' AS f, OLD.ProductName AS o, NULL AS n
            UNION ALL SELECT 'ProductDescription' AS f, OLD.ProductDescription AS o, NULL AS n
            UNION ALL SELECT 'CategoryID' AS f, OLD.CategoryID AS o, NULL AS n
            UNION ALL SELECT 'ReorderLevel' AS f, OLD.ReorderLevel AS o, NULL AS n
            UNION ALL SELECT 'LeadTime' AS f, OLD.LeadTime AS o, NULL AS n) WHERE o IS NOT NULL);
END;

CREATE TRIGGER tr_History_Suppliers_Insert AFTER INSERT ON Suppliers
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Suppliers', NEW.SupplierID, 'insert',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'SupplierID' AS f, NULL AS o, NEW.SupplierID AS n
            UNION ALL SELECT 'SupplierName' AS f, NULL AS o, NEW.SupplierName AS n
            UNION ALL SELECT 'ContactName' AS f, NULL AS o, NEW.ContactName AS n
            UNION ALL SELECT 'ContactTitle' AS f, NULL AS o, NEW.ContactTitle AS n
            UNION ALL SELECT 'Address' AS f, NULL AS o, NEW.Address AS n
            UNION ALL SELECT 'City' AS f, NULL AS o, NEW.City AS n
            UNION ALL SELECT 'StateOrProvince' AS f, NULL AS o, NEW.StateOrProvince AS n
            UNION ALL SELECT 'PostalCode' AS f, NULL AS o, NEW.PostalCode AS n
            UNION ALL SELECT 'Country' AS f, NULL AS o, NEW.Country AS n
            UNION ALL SELECT 'PhoneNumber' AS f, NULL AS o, NEW.PhoneNumber AS n
            UNION ALL SELECT 'FaxNumber' AS f, NULL AS o, NEW.FaxNumber AS n
            UNION ALL SELECT 'Notes' AS f, NULL AS o, NEW.Notes AS n) WHERE n IS NOT NULL);
END;

CREATE TRIGGER tr_History_Suppliers_Update AFTER UPDATE ON Suppliers
WHEN OLD.SupplierID IS NOT NEW.SupplierID OR OLD.SupplierName IS NOT NEW.SupplierName OR OLD.ContactName IS NOT NEW.ContactName OR OLD.ContactTitle IS NOT NEW.ContactTitle OR OLD.Address IS NOT NEW.Address OR OLD.City IS NOT NEW.City OR OLD.StateOrProvince IS NOT NEW.StateOrProvince OR OLD.PostalCode IS NOT NEW.PostalCode OR OLD.Country IS NOT NEW.Country OR OLD.PhoneNumber IS NOT NEW.PhoneNumber OR OLD.FaxNumber IS NOT NEW.FaxNumber OR OLD.Notes IS NOT NEW.Notes
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Suppliers', NEW.SupplierID, 'update',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'SupplierID' AS f, OLD.SupplierID AS o, NEW.SupplierID AS n
            UNION ALL SELECT 'SupplierName' AS f, OLD.SupplierName AS o, NEW.SupplierName AS n
            UNION ALL SELECT 'ContactName' AS f, OLD.ContactName AS o, NEW.ContactName AS n
            UNION ALL SELECT 'ContactTitle' AS f, OLD.ContactTitle AS o, NEW.ContactTitle AS n
            UNION ALL SELECT 'Address' AS f, OLD.Address AS o, NEW.Address AS n
            UNION ALL SELECT 'City' AS f, OLD.City AS o, NEW.City AS n
            UNION ALL SELECT 'StateOrProvince' AS f, OLD.StateOrProvince AS o, NEW.StateOrProvince AS n
            UNION ALL SELECT 'PostalCode' AS f, OLD.PostalCode AS o, NEW.PostalCode AS n
            UNION ALL SELECT 'Country' AS f, OLD.Country AS o, NEW.Country AS n
            UNION ALL SELECT 'PhoneNumber' AS f, OLD.PhoneNumber AS o, NEW.PhoneNumber AS n
            UNION ALL SELECT 'FaxNumber' AS f, OLD.FaxNumber AS o, NEW.FaxNumber AS n
            UNION ALL SELECT 'Notes' AS f, OLD.Notes AS o, NEW.Notes AS n) WHERE o IS NOT n);
END;

CREATE TRIGGER tr_History_Suppliers_Delete AFTER DELETE ON Suppliers
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Suppliers', OLD.SupplierID, 'delete',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'SupplierID' AS f, OLD.SupplierID AS o, NULL AS n
            UNION ALL SELECT 'SupplierName' AS f, OLD.SupplierName AS o, NULL AS n
            UNION ALL SELECT 'ContactName' AS f, OLD.ContactName AS o, NULL AS n
            UNION ALL SELECT 'ContactTitle' AS f, OLD.ContactTitle AS o, NULL AS n
            UNION ALL SELECT 'Address' AS f, OLD.Address AS o, NULL AS n
            UNION ALL SELECT 'City' AS f, OLD.City AS o, NULL AS n
            UNION ALL SELECT 'StateOrProvince' AS f, OLD.StateOrProvince AS o, NULL AS n
            UNION ALL SELECT 'PostalCode' AS f, OLD.PostalCode AS o, NULL AS n
            UNION ALL SELECT 'Country' AS f, OLD.Country AS o, NULL AS n
            UNION ALL SELECT 'PhoneNumber' AS f, OLD.PhoneNumber AS o, NULL AS n
            UNION ALL SELECT 'FaxNumber' AS f, OLD.FaxNumber AS o, NULL AS n
            UNION ALL SELECT 'Notes' AS f, OLD.Notes AS o, NULL AS n) WHERE o IS NOT NULL);
END;

CREATE TRIGGER tr_History_Employees_Insert AFTER INSERT ON Employees
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Employees', NEW.EmployeeID, 'insert',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'EmployeeID' AS f, NULL AS o, NEW.EmployeeID AS n
            UNION ALL SELECT 'FirstName' AS f, NULL AS o, NEW.FirstName AS n
            UNION ALL SELECT 'LastName' AS f, NULL AS o, NEW.LastName AS n
            UNION ALL SELECT 'Title' AS f, NULL AS o, NEW.Title AS n
            UNION ALL SELECT 'WorkPhone' AS f, NULL AS o, NEW.WorkPhone AS n
            UNION ALL SELECT 'Extension' AS f, NULL AS o, NEW.Extension AS n
            UNION ALL SELECT 'EmailName' AS f, NULL AS o, NEW.EmailName AS n) WHERE n IS NOT NULL);
END;

CREATE TRIGGER tr_History_Employees_Update AFTER UPDATE ON Employees
WHEN OLD.EmployeeID IS NOT NEW.EmployeeID OR OLD.FirstName IS NOT NEW.FirstName OR OLD.LastName IS NOT NEW.LastName OR OLD.Title IS NOT NEW.Title OR OLD.WorkPhone IS NOT NEW.WorkPhone OR OLD.Extension IS NOT NEW.Extension OR OLD.EmailName IS NOT NEW.EmailName
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Employees', NEW.EmployeeID, 'update',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'EmployeeID' AS f, OLD.EmployeeID AS o, NEW.EmployeeID AS n
            UNION ALL SELECT 'FirstName' AS f, OLD.FirstName AS o, NEW.FirstName AS n
            UNION ALL SELECT 'LastName' AS f, OLD.LastName AS o, NEW.LastName AS n
            UNION ALL SELECT 'Title' AS f, OLD.Title AS o, NEW.Title AS n
            UNION ALL SELECT 'WorkPhone' AS f, OLD.WorkPhone AS o, NEW.WorkPhone AS n
            UNION ALL SELECT 'Extension' AS f, OLD.Extension AS o, NEW.Extension AS n
            UNION ALL SELECT 'EmailName' AS f, OLD.EmailName AS o, NEW.EmailName AS n) WHERE o IS NOT n);
END;

CREATE TRIGGER tr_History_Employees_Delete AFTER DELETE ON Employees
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Employees', OLD.EmployeeID, 'delete',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'EmployeeID' AS f, OLD.EmployeeID AS o, NULL AS n
            UNION ALL SELECT 'FirstName' AS f, OLD.FirstName AS o, NULL AS n
            UNION ALL SELECT 'LastName' AS f, OLD.LastName AS o, NULL AS n
            UNION ALL SELECT 'Title' AS f, OLD.Title AS o, NULL AS n
            UNION ALL SELECT 'WorkPhone' AS f, OLD.WorkPhone AS o, NULL AS n
            UNION ALL SELECT 'Extension' AS f, OLD.Extension AS o, NULL AS n
            UNION ALL SELECT 'EmailName' AS f, OLD.EmailName AS o, NULL AS n) WHERE o IS NOT NULL);
END;

CREATE TRIGGER tr_History_ShippingMethods_Insert AFTER INSERT ON "Shipping Methods"
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Shipping Methods', NEW.ShippingMethodID, 'insert',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'ShippingMethodID' AS f, NULL AS o, NEW.ShippingMethodID AS n
            UNION ALL SELECT 'ShippingMethod' AS f, NULL AS o, NEW.ShippingMethod AS n) WHERE n IS NOT NULL);
END;

CREATE TRIGGER tr_History_ShippingMethods_Update AFTER UPDATE ON "Shipping Methods"
WHEN OLD.ShippingMethodID IS NOT NEW.ShippingMethodID OR OLD.ShippingMethod IS NOT NEW.ShippingMethod
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Shipping Methods', NEW.ShippingMethodID, 'update',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'ShippingMethodID' AS f, OLD.ShippingMethodID AS o, NEW.ShippingMethodID AS n
            UNION ALL SELECT 'ShippingMethod' AS f, OLD.ShippingMethod AS o, NEW.ShippingMethod AS n) WHERE o IS NOT n);
END;

CREATE TRIGGER tr_History_ShippingMethods_Delete AFTER DELETE ON "Shipping Methods"
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Shipping Methods', OLD.ShippingMethodID, 'delete',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'ShippingMethodID' AS f, OLD.ShippingMethodID AS o, NULL AS n
            UNION ALL SELECT 'ShippingMethod' AS f, OLD.ShippingMethod AS o, NULL AS n) WHERE o IS NOT NULL);
END;

CREATE TRIGGER tr_History_PurchaseOrders_Insert AFTER INSERT ON "Purchase Orders"
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Purchase Orders', NEW.PurchaseOrderID, 'insert',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'PurchaseOrderID' AS f, NULL AS o, NEW.PurchaseOrderID AS n
            UNION ALL SELECT 'PurchaseOrderNumber' AS f, NULL AS o, NEW.PurchaseOrderNumber AS n
            UNION ALL SELECT 'SupplierID' AS f, NULL AS o, NEW.SupplierID AS n
            UNION ALL SELECT 'EmployeeID' AS f, NULL AS o, NEW.EmployeeID AS n
            UNION ALL SELECT 'ShippingMethodID' AS f, NULL AS o, NEW.ShippingMethodID AS n
            UNION ALL SELECT 'OrderDate' AS f, NULL AS o, NEW.OrderDate AS n
            UNION ALL SELECT 'ShipDate' AS f, NULL AS o, NEW.ShipDate AS n
            UNION ALL SELECT 'DateRequired' AS f, NULL AS o, NEW.DateRequired AS n
            UNION ALL SELECT 'DatePromised' AS f, NULL AS o, NEW.DatePromised AS n
            UNION ALL SELECT 'PurchaseOrderDescription' AS f, NULL AS o, NEW.PurchaseOrderDescription AS n) WHERE n IS NOT NULL);
END;

CREATE TRIGGER tr_History_PurchaseOrders_Update AFTER UPDATE ON "Purchase Orders"
WHEN OLD.PurchaseOrderID IS NOT NEW.PurchaseOrderID OR OLD.PurchaseOrderNumber IS NOT NEW.PurchaseOrderNumber OR OLD.SupplierID IS NOT NEW.SupplierID OR OLD.EmployeeID IS NOT NEW.EmployeeID OR OLD.ShippingMethodID IS NOT NEW.ShippingMethodID OR OLD.OrderDate IS NOT NEW.OrderDate OR OLD.ShipDate IS NOT NEW.ShipDate OR OLD.DateRequired IS NOT NEW.DateRequired OR OLD.DatePromised IS NOT NEW.DatePromised OR OLD.PurchaseOrderDescription IS NOT NEW.PurchaseOrderDescription
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Purchase Orders', NEW.PurchaseOrderID, 'update',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'PurchaseOrderID' AS f, OLD.PurchaseOrderID AS o, NEW.PurchaseOrderID AS n
            UNION ALL SELECT 'PurchaseOrderNumber' AS f, OLD.PurchaseOrderNumber AS o, NEW.PurchaseOrderNumber AS n
            UNION ALL SELECT 'SupplierID' AS f, OLD.SupplierID AS o, NEW.SupplierID AS n
            UNION ALL SELECT 'EmployeeID' AS f, OLD.EmployeeID AS o, NEW.EmployeeID AS n
            UNION ALL SELECT 'ShippingMethodID' AS f, OLD.ShippingMethodID AS o, NEW.ShippingMethodID AS n
            UNION ALL SELECT 'OrderDate' AS f, OLD.OrderDate AS o, NEW.OrderDate AS n
            UNION ALL SELECT 'ShipDate' AS f, OLD.ShipDate AS o, NEW.ShipDate AS n
            UNION ALL SELECT 'DateRequired' AS f, OLD.DateRequired AS o, NEW.DateRequired AS n
            UNION ALL SELECT 'DatePromised' AS f, OLD.DatePromised AS o, NEW.DatePromised AS n
            UNION ALL SELECT 'PurchaseOrderDescription' AS f, OLD.PurchaseOrderDescription AS o, NEW.PurchaseOrderDescription AS n) WHERE o IS NOT n);
END;

CREATE TRIGGER tr_History_PurchaseOrders_Delete AFTER DELETE ON "Purchase Orders"
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Purchase Orders', OLD.PurchaseOrderID, 'delete',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'PurchaseOrderID' AS f, OLD.PurchaseOrderID AS o, NULL AS n
            UNION ALL SELECT 'PurchaseOrderNumber' AS f, OLD.PurchaseOrderNumber AS o, NULL AS n
            UNION ALL SELECT 'SupplierID' AS f, OLD.SupplierID AS o, NULL AS n
            UNION ALL SELECT 'EmployeeID' AS f, OLD.EmployeeID AS o, NULL AS n
            UNION ALL SELECT 'ShippingMethodID' AS f, OLD.ShippingMethodID AS o, NULL AS n
            UNION ALL SELECT 'OrderDate' AS f, OLD.OrderDate AS o, NULL AS n
            UNION ALL SELECT 'ShipDate' AS f, OLD.ShipDate AS o, NULL AS n
            UNION ALL SELECT 'DateRequired' AS f, OLD.DateRequired AS o, NULL AS n
            UNION ALL SELECT 'DatePromised' AS f, OLD.DatePromised AS o, NULL AS n
            UNION ALL SELECT 'PurchaseOrderDescription' AS f, OLD.PurchaseOrderDescription AS o, NULL AS n) WHERE o IS NOT NULL);
END;

CREATE TRIGGER tr_History_InventoryTransactions_Insert AFTER INSERT ON "Inventory Transactions"
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Inventory Transactions', NEW.TransactionID, 'insert',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'TransactionID' AS f, NULL AS o, NEW.TransactionID AS n
            UNION ALL SELECT 'ProductID' AS f, NULL AS o, NEW.ProductID AS n
            UNION ALL SELECT 'PurchaseOrderID' AS f, NULL AS o, NEW.PurchaseOrderID AS n
            UNION ALL SELECT 'TransactionDate' AS f, NULL AS o, NEW.TransactionDate AS n
            UNION ALL SELECT 'TransactionDescription' AS f, NULL AS o, NEW.TransactionDescription AS n
            UNION ALL SELECT 'UnitsOrdered' AS f, NULL AS o, NEW.UnitsOrdered AS n
            UNION ALL SELECT 'UnitsReceived' AS f, NULL AS o, NEW.UnitsReceived AS n
            UNION ALL SELECT 'UnitsSold' AS f, NULL AS o, NEW.UnitsSold AS n
            UNION ALL SELECT 'UnitsShrinkage' AS f, NULL AS o, NEW.UnitsShrinkage AS n
            UNION ALL SELECT 'UnitPrice' AS f, NULL AS o, NEW.UnitPrice AS n) WHERE n IS NOT NULL);
END;

CREATE TRIGGER tr_History_InventoryTransactions_Update AFTER UPDATE ON "Inventory Transactions"
WHEN OLD.TransactionID IS NOT NEW.TransactionID OR OLD.ProductID IS NOT NEW.ProductID OR OLD.PurchaseOrderID IS NOT NEW.PurchaseOrderID OR OLD.TransactionDate IS NOT NEW.TransactionDate OR OLD.TransactionDescription IS NOT NEW.TransactionDescription OR OLD.UnitsOrdered IS NOT NEW.UnitsOrdered OR OLD.UnitsReceived IS NOT NEW.UnitsReceived OR OLD.UnitsSold IS NOT NEW.UnitsSold OR OLD.UnitsShrinkage IS NOT NEW.UnitsShrinkage OR OLD.UnitPrice IS NOT NEW.UnitPrice
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Inventory Transactions', NEW.TransactionID, 'update',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'TransactionID' AS f, OLD.TransactionID AS o, NEW.TransactionID AS n
            UNION ALL SELECT 'ProductID' AS f, OLD.ProductID AS o, NEW.ProductID AS n
            UNION ALL SELECT 'PurchaseOrderID' AS f, OLD.PurchaseOrderID AS o, NEW.PurchaseOrderID AS n
            UNION ALL SELECT 'TransactionDate' AS f, OLD.TransactionDate AS o, NEW.TransactionDate AS n
            UNION ALL SELECT 'TransactionDescription' AS f, OLD.TransactionDescription AS o, NEW.TransactionDescription AS n
            UNION ALL SELECT 'UnitsOrdered' AS f, OLD.UnitsOrdered AS o, NEW.UnitsOrdered AS n
            UNION ALL SELECT 'UnitsReceived' AS f, OLD.UnitsReceived AS o, NEW.UnitsReceived AS n
            UNION ALL SELECT 'UnitsSold' AS f, OLD.UnitsSold AS o, NEW.UnitsSold AS n
            UNION ALL SELECT 'UnitsShrinkage' AS f, OLD.UnitsShrinkage AS o, NEW.UnitsShrinkage AS n
            UNION ALL SELECT 'UnitPrice' AS f, OLD.UnitPrice AS o, NEW.UnitPrice AS n) WHERE o IS NOT n);
END;

CREATE TRIGGER tr_History_InventoryTransactions_Delete AFTER DELETE ON "Inventory Transactions"
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'Inventory Transactions', OLD.TransactionID, 'delete',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'TransactionID' AS f, OLD.TransactionID AS o, NULL AS n
            UNION ALL SELECT 'ProductID' AS f, OLD.ProductID AS o, NULL AS n
            UNION ALL SELECT 'PurchaseOrderID' AS f, OLD.PurchaseOrderID AS o, NULL AS n
            UNION ALL SELECT 'TransactionDate' AS f, OLD.TransactionDate AS o, NULL AS n
            UNION ALL SELECT 'TransactionDescription' AS f, OLD.TransactionDescription AS o, NULL AS n
            UNION ALL SELECT 'UnitsOrdered' AS f, OLD.UnitsOrdered AS o, NULL AS n
            UNION ALL SELECT 'UnitsReceived' AS f, OLD.UnitsReceived AS o, NULL AS n
            UNION ALL SELECT 'UnitsSold' AS f, OLD.UnitsSold AS o, NULL AS n
            UNION ALL SELECT 'UnitsShrinkage' AS f, OLD.UnitsShrinkage AS o, NULL AS n
            UNION ALL SELECT 'UnitPrice' AS f, OLD.UnitPrice AS o, NULL AS n) WHERE o IS NOT NULL);
END;

CREATE TRIGGER tr_History_MyCompanyInformation_Insert AFTER INSERT ON "My Company Information"
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'My Company Information', NULL, 'insert',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'CompanyName' AS f, NULL AS o, NEW.CompanyName AS n
            UNION ALL SELECT 'Address' AS f, NULL AS o, NEW.Address AS n
            UNION ALL SELECT 'City' AS f, NULL AS o, NEW.City AS n
            UNION ALL SELECT 'StateOrProvince' AS f, NULL AS o, NEW.StateOrProvince AS n
            UNION ALL SELECT 'PostalCode' AS f, NULL AS o, NEW.PostalCode AS n
            UNION ALL SELECT 'Country' AS f, NULL AS o, NEW.Country AS n
            UNION ALL SELECT 'PhoneNumber' AS f, NULL AS o, NEW.PhoneNumber AS n
            UNION ALL SELECT 'FaxNumber' AS f, NULL AS o, NEW.FaxNumber AS n
            UNION ALL SELECT 'BeginDate' AS f, NULL AS o, NEW.BeginDate AS n
            UNION ALL SELECT 'EndDate' AS f, NULL AS o, NEW.EndDate AS n
            UNION ALL SELECT 'PurchaseOrderID' AS f, NULL AS o, NEW.PurchaseOrderID AS n) WHERE n IS NOT NULL);
END;

CREATE TRIGGER tr_History_MyCompanyInformation_Update AFTER UPDATE ON "My Company Information"
WHEN OLD.CompanyName IS NOT NEW.CompanyName OR OLD.Address IS NOT NEW.Address OR OLD.City IS NOT NEW.City OR OLD.StateOrProvince IS NOT NEW.StateOrProvince OR OLD.PostalCode IS NOT NEW.PostalCode OR OLD.Country IS NOT NEW.Country OR OLD.PhoneNumber IS NOT NEW.PhoneNumber OR OLD.FaxNumber IS NOT NEW.FaxNumber OR OLD.BeginDate IS NOT NEW.BeginDate OR OLD.EndDate IS NOT NEW.EndDate OR OLD.PurchaseOrderID IS NOT NEW.PurchaseOrderID
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'My Company Information', NULL, 'update',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'CompanyName' AS f, OLD.CompanyName AS o, NEW.CompanyName AS n
            UNION ALL SELECT 'Address' AS f, OLD.Address AS o, NEW.Address AS n
            UNION ALL SELECT 'City' AS f, OLD.City AS o, NEW.City AS n
            UNION ALL SELECT 'StateOrProvince' AS f, OLD.StateOrProvince AS o, NEW.StateOrProvince AS n
            UNION ALL SELECT 'PostalCode' AS f, OLD.PostalCode AS o, NEW.PostalCode AS n
            UNION ALL SELECT 'Country' AS f, OLD.Country AS o, NEW.Country AS n
            UNION ALL SELECT 'PhoneNumber' AS f, OLD.PhoneNumber AS o, NEW.PhoneNumber AS n
            UNION ALL SELECT 'FaxNumber' AS f, OLD.FaxNumber AS o, NEW.FaxNumber AS n
            UNION ALL SELECT 'BeginDate' AS f, OLD.BeginDate AS o, NEW.BeginDate AS n
            UNION ALL SELECT 'EndDate' AS f, OLD.EndDate AS o, NEW.EndDate AS n
            UNION ALL SELECT 'PurchaseOrderID' AS f, OLD.PurchaseOrderID AS o, NEW.PurchaseOrderID AS n) WHERE o IS NOT n);
END;

CREATE TRIGGER tr_History_MyCompanyInformation_Delete AFTER DELETE ON "My Company Information"
BEGIN
    INSERT INTO History (ChangedAt, ChangedBy, TableName, RowKey, Action, Changes)
    SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), coalesce(nullif(char(), ''), 'unknown'), 'My Company Information', NULL, 'delete',
           (SELECT json_group_object(f, json_array(o, n)) FROM (
            SELECT 'CompanyName' AS f, OLD.CompanyName AS o, NULL AS n
            UNION ALL SELECT 'Address' AS f, OLD.Address AS o, NULL AS n
            UNION ALL SELECT 'City' AS f, OLD.City AS o, NULL AS n
            UNION ALL SELECT 'StateOrProvince' AS f, OLD.StateOrProvince AS o, NULL AS n
            UNION ALL SELECT 'PostalCode' AS f, OLD.PostalCode AS o, NULL AS n
            UNION ALL SELECT 'Country' AS f, OLD.Country AS o, NULL AS n
            UNION ALL SELECT 'PhoneNumber' AS f, OLD.PhoneNumber AS o, NULL AS n
            UNION ALL SELECT 'FaxNumber' AS f, OLD.FaxNumber AS o, NULL AS n
            UNION ALL SELECT 'BeginDate' AS f, OLD.BeginDate AS o, NULL AS n
            UNION ALL SELECT 'EndDate' AS f, OLD.EndDate AS o, NULL AS n
            UNION ALL SELECT 'PurchaseOrderID' AS f, OLD.PurchaseOrderID AS o, NULL AS n) WHERE o IS NOT NULL);
END;
