<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoundTextBox</name>
    <message>
        <location filename="../src/controls/BoundTextBox.cpp" line="+66"/>
        <source>The field &apos;%1&apos; takes at most %2 characters; the text was not put in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Globals</name>
    <message>
        <location filename="../src/shell/Globals.cpp" line="+35"/>
        <source>Object variable or With block variable not set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <location filename="../src/reports/DataReports.cpp" line="+200"/>
        <source>Product Cost Comparisons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Product Purchases by Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Product Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Product Transaction Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Purchase Order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::Controls</name>
    <message>
        <location filename="../src/controls/ErrorReport.cpp" line="+16"/>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1<byte value="xd"/>
in Quarvel2021/08/31.%2.%3 at line %4<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/SaveConflict.cpp" line="+38"/>
        <source>%1: stored %2, yours %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another user changed this record after you read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Mine writes your values over the stored ones. Take Theirs shows the stored values instead of yours. Keep Editing leaves your values in the window, unsaved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Save Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Take Theirs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep Editing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::Data</name>
    <message>
        <location filename="../src/data/Connection.cpp" line="+22"/>
        <source>No database file is named in the connection string.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>A transaction is already open on this connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+6"/>
        <source>No transaction is open on this connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/FieldValue.cpp" line="+237"/>
        <source>The value &apos;%1&apos; of the field &apos;%2&apos; is not a valid date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The value &apos;%1&apos; of the field &apos;%2&apos; is not a currency amount from -922,337,203,685,477.5807 to 922,337,203,685,477.5807.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The value &apos;%1&apos; of the field &apos;%2&apos; is not a whole number from -2,147,483,648 to 2,147,483,647.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The value &apos;%1&apos; of the field &apos;%2&apos; is not a number from -2,147,483,648 to 2,147,483,647.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The text of the field &apos;%1&apos; contains a NUL character (\0), which cannot be stored: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/postgres/PostgresLink.cpp" line="+159"/>
        <source>Could not connect to the database &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Could not connect to the database &apos;%1&apos; on the server %2 (port %3): %4
Check that the server is running and reachable from this computer, and that the URL names the right host, port, database and user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The database &apos;%1&apos; is read-only: changes cannot be saved in it (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The server of the database &apos;%1&apos; did not answer for %2 seconds, and the statement was given up. Check that the server is running and reachable from this computer; what was being saved may not have been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/postgres/PostgresSession.cpp" line="+153"/>
        <source>The database &apos;%1&apos; has no Quarvel tables in it: it is not a Quarvel database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+200"/>
        <source>The transaction failed and was rolled back: nothing of it was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/Recordset.cpp" line="+21"/>
        <source>Operation is not allowed when the object is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The connection cannot be used to perform this operation. It is either closed or invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+232"/>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The new row could not be added, so %1 is not written into the row shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The field &apos;%1&apos; cannot be updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The field &apos;%1&apos; takes at most %2 characters; the text given has %3. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Rows cannot be added to this result: they belong to no single table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/RecordWriter.cpp" line="+68"/>
        <source>This result cannot be changed: its rows belong to no single table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+101"/>
        <source>The row of &apos;%1&apos; cannot be read again: the result holds no key of its table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The row of &apos;%1&apos; was deleted by another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The row of &apos;%1&apos; was changed by another user since it was read. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The row of &apos;%1&apos; was changed or deleted by another user since it was read. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The value %1 of the field &apos;%2&apos; refers to no row of &apos;%3&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>1 row of &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows of &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This row of &apos;%1&apos; cannot be deleted: %2 still refers to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This row of &apos;%1&apos; cannot be deleted: %2 still refer to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/sqlite/FileHealth.cpp" line="+109"/>
        <source>The database file &apos;%1&apos; is damaged (%2). Run quarvel-db check on it to see what is damaged, and restore it from a backup. Changes are not saved in a damaged file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/sqlite/SqliteSession.cpp" line="+43"/>
        <source>The file &apos;%1&apos; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file &apos;%1&apos; is empty: it is not a Quarvel database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file &apos;%1&apos; is not an SQLite database file: it is not a Quarvel database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The database file &apos;%1&apos; is busy: another program is writing to it. Nothing was changed; try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database file &apos;%1&apos; is damaged (%2). Run quarvel-db check on it to see what is damaged, and restore it from a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The disk that holds the database file &apos;%1&apos; is full: nothing was changed. Make room on it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database file &apos;%1&apos; could not be read or written (%2). Check the disk or the share it lies on, then run quarvel-db check on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The database file &apos;%1&apos; cannot be opened (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The database file &apos;%1&apos; is read-only: changes cannot be saved in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The file &apos;%1&apos; is an SQLite database with no Quarvel tables in it: it is not a Quarvel database.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::ProductEditor</name>
    <message>
        <location filename="../src/products/ProductEditor.cpp" line="+63"/>
        <source>Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Product ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Product Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Lead Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reorder Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Units on Hand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Units on Order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Inventory Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>Product Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add New Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Current Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quarvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>New Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Do you really want to delete this Product ?<byte value="xd"/>
For: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source><byte value="xd"/>
   saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::ProductTransactions</name>
    <message>
        <location filename="../src/products/ProductTransactions.cpp" line="+53"/>
        <location line="+3"/>
        <source>Inventory Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Current Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PO ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ordered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shrinkage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+74"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-26"/>
        <source><byte value="xd"/>
  saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Do you really want to delete this transaction record ?<byte value="xd"/>
For: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::ProductsWindow</name>
    <message>
        <location filename="../src/app/ProductsWindow.cpp" line="+150"/>
        <source>Quarvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::ReportEngine</name>
    <message>
        <location filename="../src/reports/engine/ReportData.cpp" line="+51"/>
        <source>The relation %1 = %2 names a field the data lacks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>This report has no child rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/engine/ReportDefinition.cpp" line="+25"/>
        <source>Report &apos;%1&apos; has no control named &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/engine/ReportLayout.cpp" line="+37"/>
        <location filename="../src/reports/engine/ReportTable.cpp" line="+48"/>
        <source>The report data has no field named &apos;%1&apos;. Its fields are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/engine/ReportPainter.cpp" line="+61"/>
        <source>The report &quot;%1&quot; cannot be printed on this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/engine/ReportPdf.cpp" line="+20"/>
        <location line="+18"/>
        <source>The report cannot be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/engine/ReportPreview.cpp" line="+28"/>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/engine/ReportTable.cpp" line="-36"/>
        <source>A report row has %1 values for %2 columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/engine/ShapeCommand.cpp" line="+16"/>
        <source>Malformed report command (%1 at position %2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Unclosed %1 in query: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unclosed ` in query: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Empty name in query: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::TaskMenu</name>
    <message>
        <location filename="../src/app/TaskMenu.cpp" line="+73"/>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add or Delete Product Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse Purchase Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Create New Purchase Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add or Delete Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add or Delete Suppliers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add or Delete Shipping Methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change Our Company Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::orders::OrderLines</name>
    <message>
        <location filename="../src/orders/OrderLines.cpp" line="+59"/>
        <location line="+2"/>
        <source>Products Ordered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Current Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Units Ordered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unit Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Subtotal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>The order has no Order Date: the line is added without a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source><byte value="xd"/>
  saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Do you really want to delete this transaction record ?<byte value="xd"/>
For: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::orders::PurchaseOrdersWindow</name>
    <message>
        <location filename="../src/orders/PurchaseOrdersWindow.cpp" line="+53"/>
        <location line="+15"/>
        <source>Purchase Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>PO ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PO Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Supplier:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Suppliers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Employee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Order Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shipping Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ship Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date Required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date Promised:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add New Purchase Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Current Purchase Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Purchase Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Purchase Order Number: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+128"/>
        <source>Do you really want to delete this Purchase Order ?<byte value="xd"/>
For: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source><byte value="xd"/>
   saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Purchase Order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reference::CategoriesWindow</name>
    <message>
        <location filename="../src/reference/CategoriesWindow.cpp" line="+21"/>
        <source>Product Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Current Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you really want to delete this Product Category ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Product Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Category ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Category</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reference::CompanyInformationWindow</name>
    <message>
        <location filename="../src/reference/CompanyInformationWindow.cpp" line="+16"/>
        <source>My Company Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Company Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Company Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Company Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Company Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Company Information saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reference::EmployeesWindow</name>
    <message>
        <location filename="../src/reference/EmployeesWindow.cpp" line="+35"/>
        <source>Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Current Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you really want to delete this Employee ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Work Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Email Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New Employee</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reference::LookupGridWindow</name>
    <message>
        <location filename="../src/reference/LookupGridWindow.cpp" line="+81"/>
        <source><byte value="xd"/>
For: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reference::ShippingMethodsWindow</name>
    <message>
        <location filename="../src/reference/ShippingMethodsWindow.cpp" line="+11"/>
        <location line="+3"/>
        <source>Shipping Methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shipping Method ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shipping Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Shipping Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shipping Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you really want to delete this Shipping Method ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reference::SingleRecordWindow</name>
    <message>
        <location filename="../src/reference/SingleRecordWindow.cpp" line="+106"/>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>State/Province:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postal Code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phone Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fax Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+204"/>
        <source><byte value="xd"/>
   saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source><byte value="xd"/>
For: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reference::SuppliersWindow</name>
    <message>
        <location filename="../src/reference/SuppliersWindow.cpp" line="+11"/>
        <location line="+3"/>
        <source>Suppliers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Supplier ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Suppliers Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add New Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Current Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you really want to delete this Supplier ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reports::ReportDateRangeWindow</name>
    <message>
        <location filename="../src/reports/ReportDateRangeWindow.cpp" line="+44"/>
        <source>Report Date Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beginning Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ending Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Preview...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reports::ReportLayout</name>
    <message>
        <location filename="../src/reports/engine/ReportLayout.h" line="+25"/>
        <source>(continued)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::reports::ReportsWindow</name>
    <message>
        <location filename="../src/reports/ReportsWindow.cpp" line="+19"/>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarvel::shell::FormWindow</name>
    <message>
        <location filename="../src/shell/FormWindow.cpp" line="+78"/>
        <source> is changed.<byte value="xd"/>
Do you want to save your changes for <byte value="xd"/>
%1<byte value="xd"/>
 (choose Yes or No).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
