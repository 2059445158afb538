<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoundTextBox</name>
    <message>
        <location filename="../work/main/src/controls/BoundTextBox.cpp" line="+66" />
        <source>The field '%1' takes at most %2 characters; the text was not put in.</source>
        <translation>Das Feld „%1“ nimmt höchstens %2 Zeichen auf; der Text wurde nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>Globals</name>
    <message>
        <location filename="../work/main/src/shell/Globals.cpp" line="+24" />
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <location filename="../work/main/src/reports/DataReports.cpp" line="+41" />
        <location filename="../work/main/src/reports/PurchaseOrderReport.cpp" line="+111" />
        <source>Page %p of %P</source>
        <translation>Seite %p von %P</translation>
    </message>
    <message>
        <location line="+46" />
        <location line="+41" />
        <location line="+25" />
        <location line="+24" />
        <location filename="../work/main/src/reports/PurchaseOrderReport.cpp" line="-27" />
        <source>Product Name</source>
        <translation>Artikelname</translation>
    </message>
    <message>
        <location line="-89" />
        <location line="+39" />
        <source>Supplier Name</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <location line="-38" />
        <location line="+40" />
        <source>Avg Unit Price</source>
        <translation>Ø Stückpreis</translation>
    </message>
    <message>
        <location line="-39" />
        <location line="+40" />
        <source>Total Units</source>
        <translation>Menge ges.</translation>
    </message>
    <message>
        <location line="-27" />
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Grand Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location line="+12" />
        <source>For Transactions Between: %strBeginDate  and %strEndDate</source>
        <translation>Für Bewegungen zwischen %strBeginDate  und %strEndDate</translation>
    </message>
    <message>
        <location line="+32" />
        <source>Reorder Level</source>
        <translation>Meldebestand</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lead Time</source>
        <translation>Lieferzeit</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Number  in Stock</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Number on Order</source>
        <translation>Bestellt</translation>
    </message>
    <message>
        <location line="+21" />
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transaction Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../work/main/src/reports/PurchaseOrderReport.cpp" line="+2" />
        <source>Unit Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <location line="+1" />
        <source># Ordered</source>
        <translation>Bestellt</translation>
    </message>
    <message>
        <location line="+1" />
        <source># Received</source>
        <translation>Erhalten</translation>
    </message>
    <message>
        <location line="+1" />
        <source># Sold</source>
        <translation>Verk.</translation>
    </message>
    <message>
        <location line="+1" />
        <source># Shrinkage</source>
        <translation>Schwund</translation>
    </message>
    <message>
        <location line="+31" />
        <source>Product Cost Comparisons</source>
        <translation>Einkaufspreisvergleich</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Product Purchases by Supplier</source>
        <translation>Einkäufe nach Lieferant</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Product Summary</source>
        <translation>Artikelübersicht</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Product Transaction Detail</source>
        <translation>Lagerbewegungen je Artikel</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Purchase Order</source>
        <translation>Bestellung</translation>
    </message>
    <message>
        <location filename="../work/main/src/reports/PurchaseOrderReport.cpp" line="-25" />
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Order Date</source>
        <translation>Bestelldatum</translation>
    </message>
    <message>
        <location line="+2" />
        <source>PO ID</source>
        <translation>Best.-Nr.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Date Required</source>
        <translation>Benötigt am</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Date Promised</source>
        <translation>Zugesagt für</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Ship Via</source>
        <translation>Versand</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Ordered From:</source>
        <translation>Bestellt bei:</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Product ID</source>
        <translation>Artikel-Nr.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Units</source>
        <translation>Stk.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Subtotal</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+15" />
        <source>Order Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>Tr</name>
    <message>
        <location filename="../work/main/src/count/CountSheet.cpp" line="+25" />
        <source>Count Sheet</source>
        <translation>Zählliste</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <location line="+15" />
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <location filename="../work/main/src/reorder/ReorderReport.cpp" line="+45" />
        <source>Reorder Stock</source>
        <translation>Nachbestellen</translation>
    </message>
    <message>
        <location line="+47" />
        <source>No supplier yet</source>
        <translation>Noch kein Lieferant</translation>
    </message>
</context>
<context>
    <name>quarvel::CommandLine</name>
    <message>
        <location filename="../work/main/src/app/CommandLine.cpp" line="+12" />
        <source>Quarvel keeps a small business's stock records.</source>
        <translation>Quarvel führt die Lagerbuchhaltung eines kleinen Betriebs.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>The database to work on: a file, or a PostgreSQL URL (postgresql://user@host/name). It takes precedence over QUARVEL_DATABASE.</source>
        <translation>Die Datenbank, mit der gearbeitet wird: eine Datei oder eine PostgreSQL-URL (postgresql://benutzer@host/name). Sie hat Vorrang vor QUARVEL_DATABASE.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>PATH-OR-URL</source>
        <translation>PFAD-ODER-URL</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Unknown argument: %1</source>
        <translation>Unbekanntes Argument: %1</translation>
    </message>
</context>
<context>
    <name>quarvel::Controls</name>
    <message>
        <location filename="../work/main/src/controls/ErrorReport.cpp" line="+16" />
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <location line="+5" />
        <source>%1<byte value="xd" />
in Quarvel2021/08/31.%2.%3 at line %4<byte value="xd" /><byte value="xd" />Please email screenshot of this message to %5</source>
        <translation>%1<byte value="xd" />
in Quarvel2021/08/31.%2.%3 in Zeile %4<byte value="xd" /><byte value="xd" />Bitte senden Sie ein Bildschirmfoto dieser Meldung an %5</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <location filename="../work/main/src/controls/GridExport.cpp" line="+32" />
        <source>Export to CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Export to CSV as Shown...</source>
        <translation>Als CSV wie angezeigt exportieren...</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location filename="../work/main/src/controls/SaveConflict.cpp" line="+38" />
        <source>%1: stored %2, yours %3</source>
        <translation>%1: gespeichert %2, Ihre Eingabe %3</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Another user changed this record after you read it.</source>
        <translation>Ein anderer Benutzer hat diesen Datensatz geändert, nachdem Sie ihn gelesen haben.</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Save Mine writes your values over the stored ones. Take Theirs shows the stored values instead of yours. Keep Editing leaves your values in the window, unsaved.</source>
        <translation>„Meine speichern“ schreibt Ihre Werte über die gespeicherten. „Ihre übernehmen“ zeigt die gespeicherten Werte statt Ihrer. „Weiter bearbeiten“ lässt Ihre Werte ungespeichert im Fenster.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>&amp;Save Mine</source>
        <translation>&amp;Meine speichern</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Take Theirs</source>
        <translation>&amp;Ihre übernehmen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Keep Editing</source>
        <translation>&amp;Weiter bearbeiten</translation>
    </message>
</context>
<context>
    <name>quarvel::Csv</name>
    <message>
        <location filename="../work/main/src/csv/CsvWriter.cpp" line="+44" />
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>quarvel::Data</name>
    <message>
        <location filename="../work/main/src/data/Connection.cpp" line="+22" />
        <source>No database file is named in the connection string.</source>
        <translation>Die Verbindungszeichenfolge nennt keine Datenbankdatei.</translation>
    </message>
    <message>
        <location line="+25" />
        <source>A transaction is already open on this connection.</source>
        <translation>Auf dieser Verbindung ist bereits eine Transaktion offen.</translation>
    </message>
    <message>
        <location line="+6" />
        <location line="+6" />
        <source>No transaction is open on this connection.</source>
        <translation>Auf dieser Verbindung ist keine Transaktion offen.</translation>
    </message>
    <message>
        <location filename="../work/main/src/data/DatabaseFacts.cpp" line="+19" />
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Database: %1 on the server %2, port %3</source>
        <translation>Datenbank: %1 auf dem Server %2, Port %3</translation>
    </message>
    <message>
        <location line="+21" />
        <source>Schema version: %1 (other users' changes show as they happen)</source>
        <translation>Schemaversion: %1 (Änderungen anderer Benutzer erscheinen sofort)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Schema version: %1 (other users' changes show after moving to another record; quarvel-db upgrade shows them as they happen)</source>
        <translation>Schemaversion: %1 (Änderungen anderer Benutzer erscheinen nach dem Wechsel zu einem anderen Datensatz; mit quarvel-db upgrade erscheinen sie sofort)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>User: %1</source>
        <translation>Benutzer: %1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Quarvel %1, Qt %2, SQLite %3, libpq %4</source>
        <translation>Quarvel %1, Qt %2, SQLite %3, libpq %4</translation>
    </message>
    <message>
        <location filename="../work/main/src/data/FieldValue.cpp" line="+237" />
        <source>The value '%1' of the field '%2' is not a valid date.</source>
        <translation>Der Wert „%1“ des Feldes „%2“ ist kein gültiges Datum.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The value '%1' of the field '%2' is not a currency amount from -922,337,203,685,477.5807 to 922,337,203,685,477.5807.</source>
        <translation>Der Wert „%1“ des Feldes „%2“ ist kein Betrag von -922.337.203.685.477,5807 bis 922.337.203.685.477,5807.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The value '%1' of the field '%2' is not a whole number from -2,147,483,648 to 2,147,483,647.</source>
        <translation>Der Wert „%1“ des Feldes „%2“ ist keine ganze Zahl von -2.147.483.648 bis 2.147.483.647.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The value '%1' of the field '%2' is not a number from -2,147,483,648 to 2,147,483,647.</source>
        <translation>Der Wert „%1“ des Feldes „%2“ ist keine Zahl von -2.147.483.648 bis 2.147.483.647.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The text of the field '%1' contains a NUL character (\0), which cannot be stored: nothing was written.</source>
        <translation>Der Text des Feldes „%1“ enthält ein NUL-Zeichen (\0), das nicht gespeichert werden kann: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location filename="../work/main/src/data/postgres/PostgresLink.cpp" line="+169" />
        <source>Could not connect to the database '%1'.</source>
        <translation>Keine Verbindung zur Datenbank „%1“.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Could not connect to the database '%1' on the server %2 (port %3): %4
Check that the server is running and reachable from this computer, and that the URL names the right host, port, database and user.</source>
        <translation>Keine Verbindung zur Datenbank „%1“ auf dem Server %2 (Port %3): %4
Prüfen Sie, ob der Server läuft und von diesem Rechner erreichbar ist und ob die URL den richtigen Host, Port, die Datenbank und den Benutzer nennt.</translation>
    </message>
    <message>
        <location line="+23" />
        <source>The database '%1' is read-only: changes cannot be saved in it (%2).</source>
        <translation>Die Datenbank „%1“ ist schreibgeschützt: Änderungen können nicht gespeichert werden (%2).</translation>
    </message>
    <message>
        <location line="+54" />
        <source>The server of the database '%1' did not answer for %2 seconds, and the statement was given up. Check that the server is running and reachable from this computer; what was being saved may not have been saved.</source>
        <translation>Der Server der Datenbank „%1“ hat %2 Sekunden lang nicht geantwortet; die Anweisung wurde abgebrochen. Prüfen Sie, ob der Server läuft und von diesem Rechner erreichbar ist; was gerade gespeichert wurde, ist möglicherweise nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../work/main/src/data/postgres/PostgresSession.cpp" line="+153" />
        <source>The database '%1' has no Quarvel tables in it: it is not a Quarvel database.</source>
        <translation>Die Datenbank „%1“ enthält keine Quarvel-Tabellen: Sie ist keine Quarvel-Datenbank.</translation>
    </message>
    <message>
        <location line="+200" />
        <source>The transaction failed and was rolled back: nothing of it was saved.</source>
        <translation>Die Transaktion ist fehlgeschlagen und wurde zurückgesetzt: Nichts davon wurde gespeichert.</translation>
    </message>
    <message>
        <location filename="../work/main/src/data/Recordset.cpp" line="+22" />
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist nicht zulässig, wenn das Objekt geschlossen ist.</translation>
    </message>
    <message>
        <location line="+11" />
        <source>The connection cannot be used to perform this operation. It is either closed or invalid.</source>
        <translation>Die Verbindung kann für diesen Vorgang nicht verwendet werden. Sie ist entweder geschlossen oder ungültig.</translation>
    </message>
    <message>
        <location line="+232" />
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: %1.</source>
        <translation>Zum angeforderten Namen oder zur Ordnungszahl gibt es kein Element in der Auflistung: %1.</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: '%1'.</source>
        <translation>Zum angeforderten Namen oder zur Ordnungszahl gibt es kein Element in der Auflistung: „%1“.</translation>
    </message>
    <message>
        <location line="+26" />
        <source>The new row could not be added, so %1 is not written into the row shown.</source>
        <translation>Die neue Zeile konnte nicht hinzugefügt werden; daher wird %1 nicht in die angezeigte Zeile geschrieben.</translation>
    </message>
    <message>
        <location line="+23" />
        <source>The field '%1' cannot be updated.</source>
        <translation>Das Feld „%1“ kann nicht geändert werden.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>The field '%1' takes at most %2 characters; the text given has %3. Nothing was changed.</source>
        <translation>Das Feld „%1“ nimmt höchstens %2 Zeichen auf; der Text hat %3. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+44" />
        <source>Rows cannot be added to this result: they belong to no single table.</source>
        <translation>Diesem Ergebnis können keine Zeilen hinzugefügt werden: Sie gehören zu keiner einzelnen Tabelle.</translation>
    </message>
    <message>
        <location filename="../work/main/src/data/RecordWriter.cpp" line="+68" />
        <source>This result cannot be changed: its rows belong to no single table.</source>
        <translation>Dieses Ergebnis kann nicht geändert werden: Seine Zeilen gehören zu keiner einzelnen Tabelle.</translation>
    </message>
    <message>
        <location line="+101" />
        <source>The row of '%1' cannot be read again: the result holds no key of its table.</source>
        <translation>Die Zeile von „%1“ kann nicht neu gelesen werden: Das Ergebnis enthält keinen Schlüssel ihrer Tabelle.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>The row of '%1' was deleted by another user.</source>
        <translation>Die Zeile von „%1“ wurde von einem anderen Benutzer gelöscht.</translation>
    </message>
    <message>
        <location line="+8" />
        <source>The row of '%1' was changed by another user since it was read. Nothing was written.</source>
        <translation>Die Zeile von „%1“ wurde seit dem Lesen von einem anderen Benutzer geändert. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The row of '%1' was changed or deleted by another user since it was read. Nothing was written.</source>
        <translation>Die Zeile von „%1“ wurde seit dem Lesen von einem anderen Benutzer geändert oder gelöscht. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+18" />
        <source>The value %1 of the field '%2' refers to no row of '%3'.</source>
        <translation>Der Wert %1 des Feldes „%2“ verweist auf keine Zeile von „%3“.</translation>
    </message>
    <message>
        <location line="+23" />
        <source>1 row of '%1'</source>
        <translation>1 Zeile von „%1“</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1 rows of '%2'</source>
        <translation>%1 Zeilen von „%2“</translation>
    </message>
    <message>
        <location line="+7" />
        <source>This row of '%1' cannot be deleted: %2 still refers to it.</source>
        <translation>Diese Zeile von „%1“ kann nicht gelöscht werden: %2 verweist noch darauf.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>This row of '%1' cannot be deleted: %2 still refer to it.</source>
        <translation>Diese Zeile von „%1“ kann nicht gelöscht werden: %2 verweisen noch darauf.</translation>
    </message>
    <message>
        <location line="+1" />
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <location filename="../work/main/src/data/sqlite/FileHealth.cpp" line="+108" />
        <source>The database file '%1' is damaged (%2). Run quarvel-db check on it to see what is damaged, and restore it from a backup. Changes are not saved in a damaged file.</source>
        <translation>Die Datenbankdatei „%1“ ist beschädigt (%2). Prüfen Sie mit quarvel-db check, was beschädigt ist, und stellen Sie sie aus einer Sicherung wieder her. In einer beschädigten Datei werden keine Änderungen gespeichert.</translation>
    </message>
    <message>
        <location filename="../work/main/src/data/sqlite/SqliteSession.cpp" line="+46" />
        <source>The file '%1' cannot be read: %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The file '%1' is empty: it is not a Quarvel database.</source>
        <translation>Die Datei „%1“ ist leer: Sie ist keine Quarvel-Datenbank.</translation>
    </message>
    <message>
        <location line="+9" />
        <source>The file '%1' is not an SQLite database file: it is not a Quarvel database.</source>
        <translation>Die Datei „%1“ ist keine SQLite-Datenbankdatei: Sie ist keine Quarvel-Datenbank.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The database file '%1' is busy: another program is writing to it. Nothing was changed; try again in a moment.</source>
        <translation>Die Datenbankdatei „%1“ ist belegt: Ein anderes Programm schreibt gerade hinein. Es wurde nichts geändert; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The database file '%1' is damaged (%2). Run quarvel-db check on it to see what is damaged, and restore it from a backup.</source>
        <translation>Die Datenbankdatei „%1“ ist beschädigt (%2). Prüfen Sie mit quarvel-db check, was beschädigt ist, und stellen Sie sie aus einer Sicherung wieder her.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The disk that holds the database file '%1' is full: nothing was changed. Make room on it and try again.</source>
        <translation>Der Datenträger der Datenbankdatei „%1“ ist voll: Es wurde nichts geändert. Schaffen Sie Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The database file '%1' could not be read or written (%2). Check the disk or the share it lies on, then run quarvel-db check on it.</source>
        <translation>Die Datenbankdatei „%1“ konnte nicht gelesen oder geschrieben werden (%2). Prüfen Sie den Datenträger oder die Freigabe, auf der sie liegt, und danach die Datei mit quarvel-db check.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The database file '%1' cannot be opened (%2).</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <location line="+35" />
        <source>The database file '%1' is read-only: changes cannot be saved in it.</source>
        <translation>Die Datenbankdatei „%1“ ist schreibgeschützt: Änderungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+75" />
        <source>Could not find file '%1'.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+51" />
        <source>The file '%1' is an SQLite database with no Quarvel tables in it: it is not a Quarvel database.</source>
        <translation>Die Datei „%1“ ist eine SQLite-Datenbank ohne Quarvel-Tabellen: Sie ist keine Quarvel-Datenbank.</translation>
    </message>
</context>
<context>
    <name>quarvel::FindModel</name>
    <message>
        <location filename="../work/main/src/find/FindModel.cpp" line="+109" />
        <source>Product Name</source>
        <translation>Artikelname</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Units on Hand</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Units on Order</source>
        <translation>Bestellt</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Reorder Level</source>
        <translation>Meldebestand</translation>
    </message>
</context>
<context>
    <name>quarvel::FindProductWindow</name>
    <message>
        <location filename="../work/main/src/find/FindProductWindow.cpp" line="+34" />
        <source>Find a Product</source>
        <translation>Artikel suchen</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Part of a product's or a category's name</source>
        <translation>Teil eines Artikel- oder Kategorienamens</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Matching Products</source>
        <translation>Passende Artikel</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Show Product</source>
        <translation>Artikel zeigen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>quarvel::FirstStart</name>
    <message>
        <location filename="../work/main/src/app/FirstStart.cpp" line="+23" />
        <location line="+34" />
        <source>Quarvel</source>
        <translation>Quarvel</translation>
    </message>
    <message>
        <location line="-33" />
        <source>There is no database at %1 yet.

Create it now, with sample products to try Quarvel out, or empty to start on your own records?</source>
        <translation>Unter %1 gibt es noch keine Datenbank.

Jetzt anlegen – mit Beispielartikeln zum Ausprobieren oder leer für Ihre eigenen Daten?</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Create with Sample Data</source>
        <translation>Mit Beispieldaten anlegen</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Create Empty</source>
        <translation>Leer anlegen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+11" />
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+9" />
        <source>The database could not be created.</source>
        <translation>Die Datenbank konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>quarvel::Import</name>
    <message>
        <location filename="../work/main/src/import/ImportCheck.cpp" line="+75" />
        <source>Row %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Row %1, %2: %3.</source>
        <translation>Zeile %1, %2: %3.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Row %1, %2 '%3': %4.</source>
        <translation>Zeile %1, %2 „%3“: %4.</translation>
    </message>
    <message>
        <location line="+30" />
        <source>%1 has no field %2.</source>
        <translation>%1 hat kein Feld %2.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Two columns of the file go to %1; choose one.</source>
        <translation>Zwei Spalten der Datei gehen in %1; wählen Sie eine.</translation>
    </message>
    <message>
        <location line="+7" />
        <source>No column of the file goes to a field of %1: name the field of each column to import.</source>
        <translation>Keine Spalte der Datei geht in ein Feld von %1: Geben Sie für jede zu importierende Spalte das Feld an.</translation>
    </message>
    <message>
        <location line="+30" />
        <source>it has %1 fields, the header %2</source>
        <translation>sie hat %1 Felder, die Kopfzeile %2</translation>
    </message>
    <message>
        <location line="+13" />
        <source>a %1 needs one</source>
        <translation>ein(e) %1 braucht einen Wert</translation>
    </message>
    <message>
        <location line="+7" />
        <source>a key is a whole number from 1 to 2,147,483,647</source>
        <translation>ein Schlüssel ist eine ganze Zahl von 1 bis 2.147.483.647</translation>
    </message>
    <message>
        <location line="+3" />
        <source>row %1 has the same key</source>
        <translation>Zeile %1 hat denselben Schlüssel</translation>
    </message>
    <message>
        <location line="+20" />
        <source>several rows of %1 have that name</source>
        <translation>mehrere Zeilen von %1 haben diesen Namen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1 has no row of that name or key</source>
        <translation>%1 hat keine Zeile mit diesem Namen oder Schlüssel</translation>
    </message>
    <message>
        <location line="+10" />
        <source>not a real date in the file's date order</source>
        <translation>kein gültiges Datum in der Datumsreihenfolge der Datei</translation>
    </message>
    <message>
        <location line="+11" />
        <source>not a whole number from %1</source>
        <translation>keine ganze Zahl von %1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>not a number from %1</source>
        <translation>keine Zahl von %1</translation>
    </message>
    <message>
        <location line="+10" />
        <source>longer than the %1 characters the field takes</source>
        <translation>länger als die %1 Zeichen, die das Feld aufnimmt</translation>
    </message>
    <message>
        <location line="+2" />
        <source>a NUL character cannot be stored</source>
        <translation>ein NUL-Zeichen kann nicht gespeichert werden</translation>
    </message>
    <message>
        <location line="+7" />
        <source>a new %1 needs %2, which no column gives</source>
        <translation>ein(e) neue(r) %1 braucht %2, das keine Spalte liefert</translation>
    </message>
    <message>
        <location filename="../work/main/src/import/ImportWriter.cpp" line="+60" />
        <source>The file has no rows below its header: nothing was imported.</source>
        <translation>Die Datei hat unter der Kopfzeile keine Zeilen: Es wurde nichts importiert.</translation>
    </message>
    <message numerus="yes">
        <location line="+2" />
        <source>Nothing was imported: %n row(s) have errors, and rows are imported only when every row is valid.</source>
        <translation><numerusform>Es wurde nichts importiert: %n Zeile hat Fehler, und Zeilen werden nur importiert, wenn jede Zeile gültig ist.</numerusform><numerusform>Es wurde nichts importiert: %n Zeilen haben Fehler, und Zeilen werden nur importiert, wenn jede Zeile gültig ist.</numerusform></translation>
    </message>
    <message>
        <location line="+4" />
        <source>Nothing was imported: every row has errors.</source>
        <translation>Es wurde nichts importiert: Jede Zeile hat Fehler.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1: %2 added, %3 updated, %4 refused.</source>
        <translation>%1: %2 hinzugefügt, %3 geändert, %4 abgewiesen.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>The refused rows and their errors are in %1.</source>
        <translation>Die abgewiesenen Zeilen und ihre Fehler stehen in %1.</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Errors</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>quarvel::ImportWindow</name>
    <message>
        <location filename="../work/main/src/import/window/ImportWindow.cpp" line="+47" />
        <source>CSV files (*.csv *.txt)</source>
        <translation>CSV-Dateien (*.csv *.txt)</translation>
    </message>
</context>
<context>
    <name>quarvel::ProductEditor</name>
    <message>
        <location filename="../work/main/src/products/ProductEditor.cpp" line="+61" />
        <source>Products</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location line="+21" />
        <location line="+173" />
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location line="-163" />
        <source>New Product</source>
        <translation>Neuer Artikel</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Do you really want to delete this Product ?</source>
        <translation>Wollen Sie diesen Artikel wirklich löschen?</translation>
    </message>
    <message>
        <location line="+27" />
        <source>Product ID:</source>
        <translation>Artikel-Nr.:</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Product Name:</source>
        <translation>Artikelname:</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Lead Time:</source>
        <translation>Lieferzeit:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reorder Level:</source>
        <translation>Meldebestand:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Units on Hand:</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Units on Order:</source>
        <translation>Bestellt:</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Inventory Transactions</source>
        <translation>Lagerbewegungen</translation>
    </message>
    <message>
        <location line="+1" />
        <location line="+13" />
        <source>Product Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Add New Product</source>
        <translation>Neuer Artikel</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Delete Current Product</source>
        <translation>Artikel löschen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save Product</source>
        <translation>Artikel speichern</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location line="+74" />
        <source>Quarvel</source>
        <translation>Quarvel</translation>
    </message>
</context>
<context>
    <name>quarvel::ProductTransactions</name>
    <message>
        <location filename="../work/main/src/products/ProductTransactions.cpp" line="+49" />
        <location line="+3" />
        <source>Inventory Transactions</source>
        <translation>Lagerbewegungen</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Add New Transaction</source>
        <translation>Neue Bewegung</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save Transaction</source>
        <translation>Bewegung speichern</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete Current Transaction</source>
        <translation>Bewegung löschen</translation>
    </message>
    <message>
        <location line="+51" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+3" />
        <source>PO ID</source>
        <translation>Best.-Nr.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Ordered</source>
        <translation>Bestellt</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Received</source>
        <translation>Erhalten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Sold</source>
        <translation>Verkauft</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Shrinkage</source>
        <translation>Schwund</translation>
    </message>
</context>
<context>
    <name>quarvel::ProductsWindow</name>
    <message>
        <location filename="../work/main/src/app/ProductsWindow.cpp" line="+171" />
        <source>Quarvel</source>
        <translation>Quarvel</translation>
    </message>
    <message>
        <location line="+29" />
        <source>Other users' changes show here when you move to another product. To see them as they happen, close Quarvel and run: quarvel-db upgrade %1</source>
        <translation>Änderungen anderer Benutzer erscheinen hier, wenn Sie zu einem anderen Artikel wechseln. Damit sie sofort erscheinen, schließen Sie Quarvel und führen aus: quarvel-db upgrade %1</translation>
    </message>
    <message>
        <location line="+121" />
        <source>About Quarvel</source>
        <translation>Über Quarvel</translation>
    </message>
</context>
<context>
    <name>quarvel::ReportEngine</name>
    <message>
        <location filename="../work/main/src/reports/engine/ReportData.cpp" line="+51" />
        <source>The relation %1 = %2 names a field the data lacks.</source>
        <translation>Die Beziehung %1 = %2 nennt ein Feld, das in den Daten fehlt.</translation>
    </message>
    <message>
        <location line="+37" />
        <source>This report has no child rows.</source>
        <translation>Dieser Bericht hat keine Unterzeilen.</translation>
    </message>
    <message>
        <location filename="../work/main/src/reports/engine/ReportDefinition.cpp" line="+25" />
        <source>Report '%1' has no control named '%2'.</source>
        <translation>Der Bericht „%1“ hat kein Steuerelement namens „%2“.</translation>
    </message>
    <message>
        <location filename="../work/main/src/reports/engine/ReportLayout.cpp" line="+37" />
        <location filename="../work/main/src/reports/engine/ReportTable.cpp" line="+153" />
        <source>The report data has no field named '%1'. Its fields are: %2.</source>
        <translation>Die Berichtsdaten haben kein Feld namens „%1“. Ihre Felder sind: %2.</translation>
    </message>
    <message>
        <location filename="../work/main/src/reports/engine/ReportPainter.cpp" line="+61" />
        <source>The report "%1" cannot be printed on this device.</source>
        <translation>Der Bericht „%1“ kann auf diesem Gerät nicht gedruckt werden.</translation>
    </message>
    <message>
        <location filename="../work/main/src/reports/engine/ReportPdf.cpp" line="+20" />
        <location line="+18" />
        <source>The report cannot be saved as "%1": %2</source>
        <translation>Der Bericht kann nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../work/main/src/reports/engine/ReportPreview.cpp" line="+30" />
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <location line="+0" />
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+43" />
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Export to CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location filename="../work/main/src/reports/engine/ReportTable.cpp" line="-38" />
        <source>A report row has %1 values for %2 columns.</source>
        <translation>Eine Berichtszeile hat %1 Werte für %2 Spalten.</translation>
    </message>
    <message>
        <location line="+46" />
        <source>The report data has no row %1, column %2.</source>
        <translation>Die Berichtsdaten haben keine Zeile %1, Spalte %2.</translation>
    </message>
    <message>
        <location filename="../work/main/src/reports/engine/ShapeCommand.cpp" line="+16" />
        <source>Malformed report command (%1 at position %2): %3</source>
        <translation>Fehlerhafter Berichtsbefehl (%1 an Position %2): %3</translation>
    </message>
    <message>
        <location line="+121" />
        <source>Unclosed %1 in query: %2</source>
        <translation>Nicht geschlossenes %1 in der Abfrage: %2</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Unclosed ` in query: %1</source>
        <translation>Nicht geschlossenes ` in der Abfrage: %1</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Empty name in query: %1</source>
        <translation>Leerer Name in der Abfrage: %1</translation>
    </message>
</context>
<context>
    <name>quarvel::TaskMenu</name>
    <message>
        <location filename="../work/main/src/app/TaskMenu.cpp" line="+73" />
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Add or Delete Product Categories</source>
        <translation>Kategorien bearbeiten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Browse Purchase Orders</source>
        <translation>Bestellungen ansehen</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Create New Purchase Orders</source>
        <translation>Neue Bestellung</translation>
    </message>
    <message>
        <location line="+2" />
        <source>View Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Add or Delete Employees</source>
        <translation>Mitarbeiter bearbeiten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Add or Delete Suppliers</source>
        <translation>Lieferanten bearbeiten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Add or Delete Shipping Methods</source>
        <translation>Versandarten bearbeiten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Change Our Company Information</source>
        <translation>Firmendaten ändern</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Find a Product</source>
        <translation>Artikel suchen</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Reorder Stock</source>
        <translation>Nachbestellen</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Count Stock</source>
        <translation>Inventur</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Back Up Database</source>
        <translation>Datenbank sichern</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Import Data</source>
        <translation>Daten importieren</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Show History</source>
        <translation>Verlauf zeigen</translation>
    </message>
</context>
<context>
    <name>quarvel::backup</name>
    <message>
        <location filename="../work/main/src/backup/DbToolProcess.cpp" line="+30" />
        <source>quarvel-db was not found beside the program.</source>
        <translation>quarvel-db wurde neben dem Programm nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>quarvel::backup::DatabaseBackup</name>
    <message>
        <location filename="../work/main/src/backup/DatabaseBackup.cpp" line="+63" />
        <source>The backup could not be written.</source>
        <translation>Die Sicherung konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Back Up Database</source>
        <translation>Datenbank sichern</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Quarvel databases (*.db)</source>
        <translation>Quarvel-Datenbanken (*.db)</translation>
    </message>
    <message>
        <location line="+8" />
        <source>The database was backed up to %1.</source>
        <translation>Die Datenbank wurde nach %1 gesichert.</translation>
    </message>
</context>
<context>
    <name>quarvel::count::CountWindow</name>
    <message>
        <location filename="../work/main/src/count/CountWindow.cpp" line="+36" />
        <location line="+174" />
        <location line="+35" />
        <location line="+12" />
        <source>Count Stock</source>
        <translation>Inventur</translation>
    </message>
    <message>
        <location line="-219" />
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Blind count (expected units hidden)</source>
        <translation>Blindzählung (Sollbestand verborgen)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Start Count</source>
        <translation>Zählung beginnen</translation>
    </message>
    <message>
        <location line="+5" />
        <location line="+3" />
        <source>Products Counted</source>
        <translation>Gezählte Artikel</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Print Count Sheet</source>
        <translation>Zählliste drucken</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Post Count</source>
        <translation>Zählung buchen</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Discard Count</source>
        <translation>Zählung verwerfen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+35" />
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <location line="+41" />
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <location line="+24" />
        <source>Stock counts need schema version 2 of the database: quarvel-db upgrade adds it.</source>
        <translation>Inventuren brauchen Schemaversion 2 der Datenbank: quarvel-db upgrade ergänzt sie.</translation>
    </message>
    <message>
        <location line="+3" />
        <source>No count in progress. Choose the category to count (or all) and start the count: the expected units are frozen then.</source>
        <translation>Keine Zählung offen. Wählen Sie die zu zählende Kategorie (oder alle) und beginnen Sie die Zählung: Dann wird der Sollbestand festgehalten.</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Count begun on %1. Type the units counted; products left empty are not changed when the count is posted.</source>
        <translation>Zählung begonnen am %1. Geben Sie die gezählten Einheiten ein; leer gelassene Artikel bleiben beim Buchen unverändert.</translation>
    </message>
    <message>
        <location line="+41" />
        <source>No product counted so far differs from its expected units: there is nothing to post.</source>
        <translation>Kein bisher gezählter Artikel weicht vom Sollbestand ab: Es gibt nichts zu buchen.</translation>
    </message>
    <message>
        <location line="+17" />
        <source>no unit price</source>
        <translation>kein Stückpreis</translation>
    </message>
    <message>
        <location line="+2" />
        <source>%1: counted %2, expected %3 (%4 units, %5)</source>
        <translation>%1: gezählt %2, erwartet %3 (%4 Einheiten, %5)</translation>
    </message>
    <message>
        <location line="+7" />
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Post the count? Products whose count differs: %1, by %2 units in all, worth %3 at their last unit prices.</source>
        <translation>Zählung buchen? Abweichende Artikel: %1, insgesamt %2 Einheiten, Wert %3 zu den letzten Stückpreisen.</translation>
    </message>
    <message>
        <location line="+17" />
        <source>The count is posted: %1 stock count transactions written.</source>
        <translation>Die Zählung ist gebucht: %1 Inventurbewegungen geschrieben.</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Discard the count? The units counted so far are lost.</source>
        <translation>Zählung verwerfen? Die bisher gezählten Einheiten gehen verloren.</translation>
    </message>
    <message>
        <location line="+1" />
        <location line="+12" />
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Keep the count to go on with it later, or discard it?</source>
        <translation>Zählung aufheben, um später weiterzumachen, oder verwerfen?</translation>
    </message>
    <message>
        <location line="+4" />
        <source>&amp;Keep Count</source>
        <translation>&amp;Aufheben</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Discard Count</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>quarvel::count::StockCount</name>
    <message>
        <location filename="../work/main/src/count/StockCount.cpp" line="+135" />
        <source>Stock count</source>
        <translation>Inventur</translation>
    </message>
</context>
<context>
    <name>quarvel::dbtool</name>
    <message>
        <location filename="../work/main/tools/quarvel-db/Backup.cpp" line="+27" />
        <location line="+12" />
        <source>cannot back up %1: %2</source>
        <translation>%1 kann nicht gesichert werden: %2</translation>
    </message>
    <message>
        <location line="+16" />
        <source>the copy of %1 is damaged: %2</source>
        <translation>die Kopie von %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <location line="+5" />
        <location filename="../work/main/tools/quarvel-db/DatabaseFile.cpp" line="+168" />
        <location filename="../work/main/tools/quarvel-db/TableExport.cpp" line="+54" />
        <location line="+27" />
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+10" />
        <source>a backup is written into a file; copy names a server database as the target</source>
        <translation>eine Sicherung wird in eine Datei geschrieben; copy nimmt eine Server-Datenbank als Ziel</translation>
    </message>
    <message>
        <location line="+13" />
        <source>a backup is a file; %1 is a server database</source>
        <translation>eine Sicherung ist eine Datei; %1 ist eine Server-Datenbank</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/CopyFigures.cpp" line="+101" />
        <source>%1 is missing from the copy</source>
        <translation>%1 fehlt in der Kopie</translation>
    </message>
    <message>
        <location line="+4" />
        <source>%1 has %2 rows in the copy, %3 in the original</source>
        <translation>%1 hat %2 Zeilen in der Kopie, %3 im Original</translation>
    </message>
    <message>
        <location line="+7" />
        <source>the sum of column %1 of %2 is %3 in the copy, %4 in the original</source>
        <translation>die Summe der Spalte %1 von %2 ist %3 in der Kopie, %4 im Original</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/CopySource.cpp" line="+68" />
        <location line="+2" />
        <location filename="../work/main/tools/quarvel-db/PostgresTarget.cpp" line="+178" />
        <location line="+98" />
        <location filename="../work/main/tools/quarvel-db/SchemaCheck.cpp" line="+82" />
        <location filename="../work/main/tools/quarvel-db/SchemaUpgrade.cpp" line="+99" />
        <location filename="../work/main/tools/quarvel-db/TableImport.cpp" line="+36" />
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/DatabaseBuild.cpp" line="+22" />
        <source>no database path given</source>
        <translation>kein Datenbankpfad angegeben</translation>
    </message>
    <message>
        <location line="+4" />
        <location filename="../work/main/tools/quarvel-db/DatabaseCopy.cpp" line="+90" />
        <source>--force does not apply to a PostgreSQL database: quarvel-db fills only an empty one</source>
        <translation>--force gilt nicht für eine PostgreSQL-Datenbank: quarvel-db füllt nur eine leere</translation>
    </message>
    <message>
        <location line="+5" />
        <source>no temporary folder for building %1</source>
        <translation>kein temporärer Ordner zum Erstellen von %1</translation>
    </message>
    <message>
        <location line="+30" />
        <source>%1 cannot keep the %2 journal</source>
        <translation>%1 kann das Journal %2 nicht führen</translation>
    </message>
    <message>
        <location line="+5" />
        <location filename="../work/main/tools/quarvel-db/PostgresTarget.cpp" line="-130" />
        <source>cannot build %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/DatabaseCopy.cpp" line="-6" />
        <source>the copy differs from %1, so it was not kept: %2</source>
        <translation>die Kopie weicht von %1 ab und wurde daher nicht behalten: %2</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/DatabaseFile.cpp" line="-121" />
        <source>%1 already exists; give --force to replace it</source>
        <translation>%1 gibt es schon; mit --force wird sie ersetzt</translation>
    </message>
    <message>
        <location line="+7" />
        <location filename="../work/main/tools/quarvel-db/SchemaCheck.cpp" line="-28" />
        <source>%1 does not exist</source>
        <translation>%1 gibt es nicht</translation>
    </message>
    <message>
        <location line="+6" />
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+31" />
        <source>%1 is in use: another program has it open. Close that program first; replacing the file under it would lose everything it saves from then on</source>
        <translation>%1 ist in Gebrauch: Ein anderes Programm hat sie geöffnet. Schließen Sie zuerst dieses Programm; würde die Datei darunter ersetzt, ginge alles verloren, was es danach speichert</translation>
    </message>
    <message>
        <location line="+9" />
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the folder of %1 does not exist</source>
        <translation>den Ordner von %1 gibt es nicht</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/DbTool.cpp" line="+25" />
        <source>the built-in schema is missing</source>
        <translation>das eingebaute Schema fehlt</translation>
    </message>
    <message>
        <location line="+15" />
        <source>--products must be at least 1, --transactions, --orders and --lines at least 0</source>
        <translation>--products muss mindestens 1 sein, --transactions, --orders und --lines mindestens 0</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/main.cpp" line="+36" />
        <source>Usage:
  quarvel-db --help | --version
  quarvel-db init [--sample] [--force] [--journal MODE] PATH
      Creates a database with the tables, saved queries and the company row;
      --sample adds a small business with a year (2021) of transactions.
  quarvel-db generate --products N --transactions M [--orders N] [--lines M]
                      [--force] [--journal MODE] PATH
      Creates a database with a large generated data set for benchmarks: --orders
      purchase orders (one per 40 transactions by default) and --lines order lines
      besides the transactions (none by default).
  quarvel-db upgrade PATH
      Brings a database made by an earlier Quarvel up to the latest schema version
      (what newer features need), in one transaction; the program never does.
      The data stays as it is. A database already up to date is left alone.
  quarvel-db copy [--force] [--journal MODE] SOURCE TARGET
      Copies a whole database, every row with its key, from a file or server to a new
      file or an empty server database, in one transaction; compares the rows of
      every table and the sums of every saved query on both sides and shows them.
      An older schema version is brought up to date in the copy, not in SOURCE.
  quarvel-db backup [--force] SOURCE FILE
      Writes a consistent backup of a database, also while programs use it, into
      a new FILE (a file through SQLite's online backup, a server database by copy).
  quarvel-db restore [--force] FILE TARGET
      Puts the backup FILE back as TARGET: a file (an existing one only with
      --force, never while in use) or an empty server database.
  quarvel-db export [--database PATH] [--shown] TABLE-OR-SAVED-QUERY FILE
      Writes a table or saved query as CSV (UTF-8, a header row, dates YYYY-MM-DD,
      numbers with a dot; with --shown as the locale shows them) to FILE, or to
      standard output for -. The database is --database, else $QUARVEL_DATABASE.
  quarvel-db import [--database PATH] [--valid-rows] [--errors FILE] TABLE FILE
      Imports a CSV file into Products, Suppliers, Categories or Employees: columns
      go to fields by their header, a category may be given by name. Every row is
      checked first; a row with a stored key updates it, others are added. Nothing
      is imported unless every row is valid, or with --valid-rows the valid rows;
      --errors writes the refused rows with their reasons to a CSV file. The file's
      encoding, separator, date order and decimal comma are found; --encoding
      utf-8|latin-1, --separator comma|semicolon|tab, --dates iso|dmy|mdy and
      --decimal-comma yes|no say them instead.
  quarvel-db history [--since DATE] [--table TABLE] PATH
      Prints the history of the database's changes as CSV: when (UTC), who, the
      table, the row's key, what was done, and each field's old and new value.
  quarvel-db history --trim-before DATE PATH
      Removes the history before DATE, and records in it how much it removed.
  quarvel-db check PATH
      Lists every missing table, column or saved query, the damage SQLite's integrity
      check finds and rows that refer to missing rows; says so when the file is
      missing, empty, not a database, locked or read-only, and names its schema
      version. Exits 0 when all is well.

--journal wal       (the default) readers go on while the program saves; the file
                    must be on a local disk.
--journal rollback  for a file on a network share, where WAL does not work.
The mode is stored in the file; the program keeps it.

An existing file is never replaced without --force, and never while another program
has it open. A new file is built beside PATH and moved into place when complete.

PATH, SOURCE and TARGET may instead be a PostgreSQL URL,
postgresql://user@host:port/dbname. A target names an existing empty database
(createdb makes one), filled in one transaction. The password comes from
PGPASSWORD or ~/.pgpass, and is never shown.
</source>
        <translation>Aufruf:
  quarvel-db --help | --version
  quarvel-db init [--sample] [--force] [--journal MODE] PATH
      Legt eine Datenbank mit den Tabellen, gespeicherten Abfragen und der
      Firmenzeile an; --sample fügt einen kleinen Betrieb mit einem Jahr (2021)
      an Bewegungen hinzu.
  quarvel-db generate --products N --transactions M [--orders N] [--lines M]
                      [--force] [--journal MODE] PATH
      Legt eine Datenbank mit einem großen erzeugten Datenbestand für Messungen an:
      --orders Bestellungen (standardmäßig eine je 40 Bewegungen) und --lines
      Bestellzeilen neben den Bewegungen (standardmäßig keine).
  quarvel-db upgrade PATH
      Bringt eine Datenbank eines früheren Quarvel auf die neueste Schemaversion
      (was neuere Funktionen brauchen), in einer Transaktion; das Programm tut das
      nie. Die Daten bleiben, wie sie sind. Eine aktuelle Datenbank bleibt unberührt.
  quarvel-db copy [--force] [--journal MODE] SOURCE TARGET
      Kopiert eine ganze Datenbank, jede Zeile mit ihrem Schlüssel, aus einer Datei
      oder von einem Server in eine neue Datei oder eine leere Server-Datenbank, in
      einer Transaktion; vergleicht die Zeilen jeder Tabelle und die Summen jeder
      gespeicherten Abfrage auf beiden Seiten und zeigt sie. Eine ältere
      Schemaversion wird in der Kopie aktualisiert, nicht in SOURCE.
  quarvel-db backup [--force] SOURCE FILE
      Schreibt eine konsistente Sicherung einer Datenbank, auch während Programme
      sie nutzen, in eine neue Datei FILE (eine Datei über die Online-Sicherung von
      SQLite, eine Server-Datenbank durch Kopieren).
  quarvel-db restore [--force] FILE TARGET
      Stellt die Sicherung FILE als TARGET wieder her: eine Datei (eine vorhandene
      nur mit --force, nie während sie in Gebrauch ist) oder eine leere
      Server-Datenbank.
  quarvel-db export [--database PATH] [--shown] TABLE-OR-SAVED-QUERY FILE
      Schreibt eine Tabelle oder gespeicherte Abfrage als CSV (UTF-8, eine
      Kopfzeile, Datum JJJJ-MM-TT, Zahlen mit Punkt; mit --shown so, wie das
      Gebietsschema sie zeigt) nach FILE oder, bei -, auf die Standardausgabe. Die
      Datenbank ist --database, sonst $QUARVEL_DATABASE.
  quarvel-db import [--database PATH] [--valid-rows] [--errors FILE] TABLE FILE
      Importiert eine CSV-Datei in Products, Suppliers, Categories oder Employees:
      Die Spalten gehen nach ihrer Kopfzeile in die Felder, eine Kategorie kann mit
      Namen angegeben werden. Jede Zeile wird zuerst geprüft; eine Zeile mit einem
      gespeicherten Schlüssel ändert diese, andere werden hinzugefügt. Importiert
      wird nur, wenn jede Zeile gültig ist, oder mit --valid-rows die gültigen
      Zeilen; --errors schreibt die abgewiesenen Zeilen mit ihren Gründen in eine
      CSV-Datei. Kodierung, Trennzeichen, Datumsreihenfolge und Dezimalkomma der
      Datei werden erkannt; --encoding utf-8|latin-1, --separator
      comma|semicolon|tab, --dates iso|dmy|mdy und --decimal-comma yes|no geben sie
      stattdessen an.
  quarvel-db history [--since DATE] [--table TABLE] PATH
      Gibt den Verlauf der Änderungen der Datenbank als CSV aus: wann (UTC), wer,
      die Tabelle, der Schlüssel der Zeile, was geschah, und der alte und neue Wert
      jedes Feldes.
  quarvel-db history --trim-before DATE PATH
      Entfernt den Verlauf vor DATE und hält darin fest, wie viel entfernt wurde.
  quarvel-db check PATH
      Nennt jede fehlende Tabelle, Spalte oder gespeicherte Abfrage, die Schäden,
      die die Integritätsprüfung von SQLite findet, und Zeilen, die auf fehlende
      Zeilen verweisen; sagt, wenn die Datei fehlt, leer, keine Datenbank, gesperrt
      oder schreibgeschützt ist, und nennt ihre Schemaversion. Endet mit 0, wenn
      alles in Ordnung ist.

--journal wal       (Standard) Leser arbeiten weiter, während das Programm
                    speichert; die Datei muss auf einem lokalen Datenträger liegen.
--journal rollback  für eine Datei auf einer Netzwerkfreigabe, wo WAL nicht geht.
Der Modus wird in der Datei gespeichert; das Programm behält ihn bei.

Eine vorhandene Datei wird nie ohne --force ersetzt und nie, während ein anderes
Programm sie geöffnet hat. Eine neue Datei wird neben PATH erstellt und erst an
ihren Platz gebracht, wenn sie vollständig ist.

PATH, SOURCE und TARGET können stattdessen eine PostgreSQL-URL sein,
postgresql://benutzer@host:port/dbname. Ein Ziel nennt eine vorhandene leere
Datenbank (createdb legt eine an), die in einer Transaktion gefüllt wird. Das
Passwort kommt aus PGPASSWORD oder ~/.pgpass und wird nie gezeigt.
</translation>
    </message>
    <message>
        <location line="+87" />
        <source>%1: %2 of %3 rows</source>
        <translation>%1: %2 von %3 Zeilen</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Backed up %1 to %2 in %3 s</source>
        <translation>%1 nach %2 gesichert in %3 s</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Restored %1 as %2 in %3 s</source>
        <translation>%1 als %2 wiederhergestellt in %3 s</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Copied %1 to %2: %3 rows in %4 s (%5 rows/s)</source>
        <translation>%1 nach %2 kopiert: %3 Zeilen in %4 s (%5 Zeilen/s)</translation>
    </message>
    <message>
        <location line="+4" />
        <source>, upgraded from schema version %1 to %2</source>
        <translation>, von Schemaversion %1 auf %2 gebracht</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Both sides have the same rows and sums:</source>
        <translation>Beide Seiten haben dieselben Zeilen und Summen:</translation>
    </message>
    <message>
        <location line="+14" />
        <source>%1 keeps no history: quarvel-db upgrade adds it (schema version 3)</source>
        <translation>%1 führt keinen Verlauf: quarvel-db upgrade ergänzt ihn (Schemaversion 3)</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Removed %1 history entries before %2 from %3</source>
        <translation>%1 Verlaufseinträge vor %2 aus %3 entfernt</translation>
    </message>
    <message>
        <location line="+7" />
        <location filename="../work/main/tools/quarvel-db/TableExport.cpp" line="-32" />
        <source>cannot write to standard output</source>
        <translation>die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+23" />
        <source>Shows this text.</source>
        <translation>Zeigt diesen Text.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Adds sample data.</source>
        <translation>Fügt Beispieldaten hinzu.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Replaces an existing file.</source>
        <translation>Ersetzt eine vorhandene Datei.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Number of products.</source>
        <translation>Anzahl der Artikel.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Number of transactions.</source>
        <translation>Anzahl der Bewegungen.</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Number of purchase orders.</source>
        <translation>Anzahl der Bestellungen.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Number of order lines besides the transactions.</source>
        <translation>Anzahl der Bestellzeilen neben den Bewegungen.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Journal mode: wal or rollback.</source>
        <translation>Journalmodus: wal oder rollback.</translation>
    </message>
    <message>
        <location line="+3" />
        <source>The database (a file or URL).</source>
        <translation>Die Datenbank (eine Datei oder URL).</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Values as the locale shows them.</source>
        <translation>Werte so, wie das Gebietsschema sie zeigt.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Imports the valid rows.</source>
        <translation>Importiert die gültigen Zeilen.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>The file of refused rows.</source>
        <translation>Die Datei der abgewiesenen Zeilen.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>utf-8 or latin-1.</source>
        <translation>utf-8 oder latin-1.</translation>
    </message>
    <message>
        <location line="+3" />
        <source>comma, semicolon or tab.</source>
        <translation>comma, semicolon oder tab.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>iso, dmy or mdy.</source>
        <translation>iso, dmy oder mdy.</translation>
    </message>
    <message>
        <location line="+3" />
        <source>yes or no.</source>
        <translation>yes oder no.</translation>
    </message>
    <message>
        <location line="+24" />
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <location line="+22" />
        <source>unknown command "%1"</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <location line="+4" />
        <source>%1 takes exactly one PATH</source>
        <translation>%1 nimmt genau einen PFAD</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1 takes exactly two arguments</source>
        <translation>%1 nimmt genau zwei Argumente</translation>
    </message>
    <message>
        <location line="+6" />
        <source>--%1 does not belong to %2</source>
        <translation>--%1 gehört nicht zu %2</translation>
    </message>
    <message>
        <location line="+4" />
        <source>an argument is empty</source>
        <translation>ein Argument ist leer</translation>
    </message>
    <message>
        <location line="+4" />
        <source>--journal belongs to database files</source>
        <translation>--journal gehört zu Datenbankdateien</translation>
    </message>
    <message>
        <location line="+4" />
        <source>--journal takes wal or rollback</source>
        <translation>--journal nimmt wal oder rollback</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Created %1 with sample data</source>
        <translation>%1 mit Beispieldaten angelegt</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Created %1</source>
        <translation>%1 angelegt</translation>
    </message>
    <message>
        <location line="+8" />
        <source>generate needs --products and --transactions</source>
        <translation>generate braucht --products und --transactions</translation>
    </message>
    <message>
        <location line="+2" />
        <source>--products needs a whole number of at least 1</source>
        <translation>--products braucht eine ganze Zahl von mindestens 1</translation>
    </message>
    <message>
        <location line="+3" />
        <source>--transactions needs a whole number of at least 0</source>
        <translation>--transactions braucht eine ganze Zahl von mindestens 0</translation>
    </message>
    <message>
        <location line="+2" />
        <source>--orders needs a whole number of at least 1</source>
        <translation>--orders braucht eine ganze Zahl von mindestens 1</translation>
    </message>
    <message>
        <location line="+2" />
        <source>--lines needs a whole number of at least 0</source>
        <translation>--lines braucht eine ganze Zahl von mindestens 0</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Generated %1: %2 products, %3 transactions</source>
        <translation>%1 erzeugt: %2 Artikel, %3 Bewegungen</translation>
    </message>
    <message>
        <location line="+5" />
        <source>, %1 orders</source>
        <translation>, %1 Bestellungen</translation>
    </message>
    <message>
        <location line="+2" />
        <source>, %1 order lines</source>
        <translation>, %1 Bestellzeilen</translation>
    </message>
    <message>
        <location line="+1" />
        <source> in %1 s</source>
        <translation> in %1 s</translation>
    </message>
    <message>
        <location line="+7" />
        <source>%1 is already at schema version %2; nothing to do</source>
        <translation>%1 hat schon Schemaversion %2; nichts zu tun</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Upgraded %1 from schema version %2 to %3</source>
        <translation>%1 von Schemaversion %2 auf %3 gebracht</translation>
    </message>
    <message>
        <location line="+16" />
        <source>--since and --trim-before take a date, YYYY-MM-DD</source>
        <translation>--since und --trim-before nehmen ein Datum, JJJJ-MM-TT</translation>
    </message>
    <message>
        <location line="+3" />
        <source>--trim-before goes without --since and --table</source>
        <translation>--trim-before steht ohne --since und --table</translation>
    </message>
    <message>
        <location line="+9" />
        <source>%1 needs --database or $QUARVEL_DATABASE</source>
        <translation>%1 braucht --database oder $QUARVEL_DATABASE</translation>
    </message>
    <message>
        <location line="+17" />
        <source>--encoding takes utf-8 or latin-1, --separator comma, semicolon or tab, --dates iso, dmy or mdy, --decimal-comma yes or no</source>
        <translation>--encoding nimmt utf-8 oder latin-1, --separator comma, semicolon oder tab, --dates iso, dmy oder mdy, --decimal-comma yes oder no</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Exported %1 rows of %2 to %3</source>
        <translation>%1 Zeilen von %2 nach %3 exportiert</translation>
    </message>
    <message>
        <location line="+9" />
        <source>%1: %2 problem(s) found</source>
        <translation>%1: %2 Problem(e) gefunden</translation>
    </message>
    <message>
        <location line="+3" />
        <source>%1: the database is complete</source>
        <translation>%1: Die Datenbank ist vollständig</translation>
    </message>
    <message>
        <location line="+3" />
        <source>%1: schema version %2</source>
        <translation>%1: Schemaversion %2</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/PostgresTarget.cpp" line="-83" />
        <source>the built-in PostgreSQL schema is missing</source>
        <translation>das eingebaute PostgreSQL-Schema fehlt</translation>
    </message>
    <message>
        <location line="+62" />
        <source>%1 is not empty: quarvel-db makes the tables only in an empty database (createdb makes one)</source>
        <translation>%1 ist nicht leer: quarvel-db legt die Tabellen nur in einer leeren Datenbank an (createdb legt eine an)</translation>
    </message>
    <message>
        <location line="+75" />
        <location filename="../work/main/tools/quarvel-db/SchemaUpgrade.cpp" line="+21" />
        <source>cannot upgrade %1, which is unchanged: %2</source>
        <translation>%1 kann nicht aktualisiert werden und bleibt unverändert: %2</translation>
    </message>
    <message>
        <location line="+32" />
        <location filename="../work/main/tools/quarvel-db/SchemaCheck.cpp" line="-8" />
        <source>saved query (view)</source>
        <translation>gespeicherte Abfrage (View)</translation>
    </message>
    <message>
        <location line="+0" />
        <location filename="../work/main/tools/quarvel-db/SchemaCheck.cpp" line="+1" />
        <source>table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+13" />
        <location filename="../work/main/tools/quarvel-db/SchemaCheck.cpp" line="+77" />
        <source>missing column: %1.%2</source>
        <translation>fehlende Spalte: %1.%2</translation>
    </message>
    <message>
        <location line="+13" />
        <location filename="../work/main/tools/quarvel-db/SchemaCheck.cpp" line="+14" />
        <source>Product Stock disagrees with the transactions of %1 product(s)</source>
        <translation>Product Stock stimmt bei %1 Artikel(n) nicht mit den Bewegungen überein</translation>
    </message>
    <message>
        <location line="+9" />
        <location filename="../work/main/tools/quarvel-db/SchemaCheck.cpp" line="+8" />
        <source>%1 has no row</source>
        <translation>%1 hat keine Zeile</translation>
    </message>
    <message>
        <location line="+5" />
        <source>%1 is read-only for this role: the program can show its data but cannot save changes to it</source>
        <translation>%1 ist für diese Rolle schreibgeschützt: Das Programm kann die Daten zeigen, aber keine Änderungen speichern</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/SchemaCheck.cpp" line="-90" />
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <location line="+2" />
        <source>%1 cannot be read: permission denied</source>
        <translation>%1 kann nicht gelesen werden: Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+2" />
        <source>%1 is empty (0 bytes), not a database; quarvel-db init --force makes a new one</source>
        <translation>%1 ist leer (0 Bytes), keine Datenbank; quarvel-db init --force legt eine neue an</translation>
    </message>
    <message>
        <location line="+11" />
        <source>%1 is locked by another program that is writing to it; try again when it has finished (%2)</source>
        <translation>%1 ist von einem anderen Programm gesperrt, das gerade schreibt; versuchen Sie es erneut, wenn es fertig ist (%2)</translation>
    </message>
    <message>
        <location line="+4" />
        <source>%1 is not a SQLite database</source>
        <translation>%1 ist keine SQLite-Datenbank</translation>
    </message>
    <message>
        <location line="+2" />
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <location line="+3" />
        <source>%1 is read-only and cannot be read as such: %2</source>
        <translation>%1 ist schreibgeschützt und kann so nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+28" />
        <source>%1 is a %2, not a %3</source>
        <translation>%1 ist ein(e) %2, kein(e) %3</translation>
    </message>
    <message>
        <location line="+54" />
        <source>%1 row %2 refers to a %3 row that does not exist</source>
        <translation>%1 Zeile %2 verweist auf eine Zeile von %3, die es nicht gibt</translation>
    </message>
    <message>
        <location line="+25" />
        <source>%1 row %2: %3 holds %4, which is no finite number</source>
        <translation>%1 Zeile %2: %3 enthält %4, keine endliche Zahl</translation>
    </message>
    <message>
        <location line="+22" />
        <source>%1 is read-only: the program can show its data but cannot save changes to it</source>
        <translation>%1 ist schreibgeschützt: Das Programm kann die Daten zeigen, aber keine Änderungen speichern</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/SchemaUpgrade.cpp" line="-79" />
        <source>the built-in upgrade to schema version %1 is missing</source>
        <translation>die eingebaute Aktualisierung auf Schemaversion %1 fehlt</translation>
    </message>
    <message>
        <location line="+20" />
        <source>schema version %1 is newer than this quarvel-db knows (%2)</source>
        <translation>Schemaversion %1 ist neuer, als dieses quarvel-db kennt (%2)</translation>
    </message>
    <message>
        <location line="+7" />
        <source>%1 has schema version %2, made by a newer Quarvel; this quarvel-db knows versions up to %3</source>
        <translation>%1 hat Schemaversion %2 von einem neueren Quarvel; dieses quarvel-db kennt Versionen bis %3</translation>
    </message>
    <message>
        <location line="+8" />
        <source>%1 is no Quarvel database (it has no Products table)</source>
        <translation>%1 ist keine Quarvel-Datenbank (ohne Tabelle Products)</translation>
    </message>
    <message>
        <location line="+7" />
        <source>quarvel-db upgrade adds the history of every change (schema version %1)</source>
        <translation>quarvel-db upgrade ergänzt den Verlauf jeder Änderung (Schemaversion %1)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>quarvel-db upgrade adds what stock counts need, a faster reading of stock figures and recent sales, and the history of every change (schema version %1)</source>
        <translation>quarvel-db upgrade ergänzt, was Inventuren brauchen, ein schnelleres Lesen der Bestände und jüngsten Verkäufe sowie den Verlauf jeder Änderung (Schemaversion %1)</translation>
    </message>
    <message>
        <location line="+21" />
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/TableExport.cpp" line="-13" />
        <source>%1 has no table or saved query "%2"; these can be exported: %3</source>
        <translation>%1 hat keine Tabelle oder gespeicherte Abfrage „%2“; exportieren lassen sich: %3</translation>
    </message>
    <message>
        <location line="+42" />
        <source>cannot read %1 from %2: %3</source>
        <translation>%1 kann nicht aus %2 gelesen werden: %3</translation>
    </message>
    <message>
        <location filename="../work/main/tools/quarvel-db/TableImport.cpp" line="-5" />
        <source>rows are imported into %1, not "%2"</source>
        <translation>Zeilen werden in %1 importiert, nicht in „%2“</translation>
    </message>
    <message>
        <location line="+25" />
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <location line="+13" />
        <source>nothing was imported into %1: %2</source>
        <translation>nichts wurde in %1 importiert: %2</translation>
    </message>
</context>
<context>
    <name>quarvel::history::HistoryWindow</name>
    <message>
        <location filename="../work/main/src/history/window/HistoryWindow.cpp" line="+40" />
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Deleted records</source>
        <translation>Gelöschte Datensätze</translation>
    </message>
    <message>
        <location line="+2" />
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Old Value</source>
        <translation>Alter Wert</translation>
    </message>
    <message>
        <location line="+0" />
        <source>New Value</source>
        <translation>Neuer Wert</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+18" />
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <location line="+3" />
        <source>This database keeps no history yet: quarvel-db upgrade adds it (schema version 3).</source>
        <translation>Diese Datenbank führt noch keinen Verlauf: quarvel-db upgrade ergänzt ihn (Schemaversion 3).</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Deleted records of %1, newest first</source>
        <translation>Gelöschte Datensätze von %1, neueste zuerst</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Changes to %1, newest first</source>
        <translation>Änderungen an %1, neueste zuerst</translation>
    </message>
</context>
<context>
    <name>quarvel::import::ImportWindow</name>
    <message>
        <location filename="../work/main/src/import/window/ImportWindow.cpp" line="+8" />
        <source>Import Data</source>
        <translation>Daten importieren</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Import into:</source>
        <translation>Importieren in:</translation>
    </message>
    <message>
        <location line="+6" />
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Encoding:</source>
        <translation>Kodierung:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Latin-1</source>
        <translation>Latin-1</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Separator:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Dates:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Year first (2021-12-31)</source>
        <translation>Jahr zuerst (2021-12-31)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Day first (31.12.2021)</source>
        <translation>Tag zuerst (31.12.2021)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Month first (12/31/2021)</source>
        <translation>Monat zuerst (12/31/2021)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Decimal comma</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Columns of the file:</source>
        <translation>Spalten der Datei:</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Goes to field:</source>
        <translation>In Feld:</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Rows of the file:</source>
        <translation>Zeilen der Datei:</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Errors:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Import nothing unless every row is valid</source>
        <translation>Nichts importieren, wenn nicht jede Zeile gültig ist</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Import the valid rows, and write the others with their errors to a file</source>
        <translation>Gültige Zeilen importieren, die übrigen mit ihren Fehlern in eine Datei schreiben</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+57" />
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+41" />
        <source>The file cannot be read: line %1: %2.</source>
        <translation>Die Datei kann nicht gelesen werden: Zeile %1: %2.</translation>
    </message>
    <message>
        <location line="+11" />
        <source>%1 (not imported)</source>
        <translation>%1 (nicht importiert)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+12" />
        <source>(not imported)</source>
        <translation>(nicht importiert)</translation>
    </message>
    <message>
        <location line="+45" />
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>%1 rows: %2 to add, %3 to update, %4 with errors.</source>
        <translation>%1 Zeilen: %2 hinzuzufügen, %3 zu ändern, %4 mit Fehlern.</translation>
    </message>
    <message>
        <location line="+16" />
        <source>-errors</source>
        <translation>-fehler</translation>
    </message>
</context>
<context>
    <name>quarvel::orders::OrderLines</name>
    <message>
        <location filename="../work/main/src/orders/OrderLines.cpp" line="+56" />
        <location line="+2" />
        <source>Products Ordered</source>
        <translation>Bestellte Artikel</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Add New Transaction</source>
        <translation>Neue Bewegung</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save Transaction</source>
        <translation>Bewegung speichern</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete Current Transaction</source>
        <translation>Bewegung löschen</translation>
    </message>
    <message>
        <location line="+15" />
        <source>The order has no Order Date: the line is added without a date.</source>
        <translation>Die Bestellung hat kein Bestelldatum: Die Zeile wird ohne Datum hinzugefügt.</translation>
    </message>
    <message>
        <location line="+44" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Units Ordered</source>
        <translation>Menge</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Unit Price</source>
        <translation>Stückpreis</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Subtotal</source>
        <translation>Zwischensumme</translation>
    </message>
</context>
<context>
    <name>quarvel::orders::PurchaseOrdersWindow</name>
    <message>
        <location filename="../work/main/src/orders/PurchaseOrdersWindow.cpp" line="+57" />
        <location line="+13" />
        <source>Purchase Orders</source>
        <translation>Bestellungen</translation>
    </message>
    <message>
        <location line="+60" />
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+6" />
        <source>PO ID:</source>
        <translation>Best.-ID:</translation>
    </message>
    <message>
        <location line="+4" />
        <source>PO Number:</source>
        <translation>Best.-Nr.:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Supplier:</source>
        <translation>Lieferant:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Suppliers</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Employee:</source>
        <translation>Mitarbeiter:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Employees</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Order Date:</source>
        <translation>Bestelldatum:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Shipping Method:</source>
        <translation>Versandart:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Ship Date:</source>
        <translation>Versanddatum:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date Required:</source>
        <translation>Benötigt am:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date Promised:</source>
        <translation>Zugesagt für:</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Add New Purchase Order</source>
        <translation>Neue Bestellung</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Delete Current Purchase Order</source>
        <translation>Bestellung löschen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save Purchase Order</source>
        <translation>Bestellung speichern</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Preview Order</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Purchase Order</source>
        <translation>Bestellung</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Do you really want to delete this Purchase Order ?</source>
        <translation>Wollen Sie diese Bestellung wirklich löschen?</translation>
    </message>
    <message>
        <location line="+42" />
        <source>Purchase Order Number: </source>
        <translation>Bestellnummer: </translation>
    </message>
</context>
<context>
    <name>quarvel::reference::CategoriesWindow</name>
    <message>
        <location filename="../work/main/src/reference/CategoriesWindow.cpp" line="+23" />
        <source>Product Categories</source>
        <translation>Artikelkategorien</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Add New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Delete Current Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Do you really want to delete this Product Category ?</source>
        <translation>Wollen Sie diese Kategorie wirklich löschen?</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Product Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Category ID</source>
        <translation>Kategorie-Nr.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Category Name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <location line="+9" />
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
</context>
<context>
    <name>quarvel::reference::CompanyInformationWindow</name>
    <message>
        <location filename="../work/main/src/reference/CompanyInformationWindow.cpp" line="+16" />
        <source>My Company Information</source>
        <translation>Meine Firmendaten</translation>
    </message>
    <message>
        <location line="+3" />
        <source> Company Information</source>
        <translation> Firmendaten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Edit Company Information</source>
        <translation>Firmendaten bearbeiten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Company Name:</source>
        <translation>Firmenname:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Save Company Information</source>
        <translation>Firmendaten speichern</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Company Information</source>
        <translation>Firmendaten</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Company Information saved.</source>
        <translation>Firmendaten gespeichert.</translation>
    </message>
</context>
<context>
    <name>quarvel::reference::EmployeesWindow</name>
    <message>
        <location filename="../work/main/src/reference/EmployeesWindow.cpp" line="+37" />
        <source>Employees</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Add New Employee</source>
        <translation>Neuer Mitarbeiter</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Delete Current Employee</source>
        <translation>Mitarbeiter löschen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Do you really want to delete this Employee ?</source>
        <translation>Wollen Sie diesen Mitarbeiter wirklich löschen?</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <location line="+21" />
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Work Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Email Name</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location line="+12" />
        <source>New Employee</source>
        <translation>Neuer Mitarbeiter</translation>
    </message>
</context>
<context>
    <name>quarvel::reference::LookupGridWindow</name>
    <message>
        <location filename="../work/main/src/reference/LookupGridWindow.cpp" line="+86" />
        <source><byte value="xd" />
For: </source>
        <translation><byte value="xd" />
Für: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Question</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>quarvel::reference::ShippingMethodsWindow</name>
    <message>
        <location filename="../work/main/src/reference/ShippingMethodsWindow.cpp" line="+11" />
        <location line="+3" />
        <source>Shipping Methods</source>
        <translation>Versandarten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Shipping Method ID:</source>
        <translation>Versandart-Nr.:</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Shipping Method:</source>
        <translation>Versandart:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Add Method</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Delete Method</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save Method</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1" />
        <source>New Shipping Method</source>
        <translation>Neue Versandart</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Shipping Method</source>
        <translation>Versandart</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Do you really want to delete this Shipping Method ?</source>
        <translation>Wollen Sie diese Versandart wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>quarvel::reference::SingleRecordWindow</name>
    <message>
        <location filename="../work/main/src/reference/SingleRecordWindow.cpp" line="+131" />
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>State/Province:</source>
        <translation>Bundesland:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Postal Code:</source>
        <translation>PLZ:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Phone Number:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Fax Number:</source>
        <translation>Fax:</translation>
    </message>
</context>
<context>
    <name>quarvel::reference::SuppliersWindow</name>
    <message>
        <location filename="../work/main/src/reference/SuppliersWindow.cpp" line="+11" />
        <location line="+3" />
        <source>Suppliers</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Supplier ID:</source>
        <translation>Lieferanten-Nr.:</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Suppliers Name:</source>
        <translation>Lieferant:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Contact Name:</source>
        <translation>Ansprechpartner:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Contact Title:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Add New Supplier</source>
        <translation>Neuer Lieferant</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Delete Current Supplier</source>
        <translation>Lieferant löschen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save Supplier</source>
        <translation>Lieferant speichern</translation>
    </message>
    <message>
        <location line="+1" />
        <source>New Supplier</source>
        <translation>Neuer Lieferant</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Supplier</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Do you really want to delete this Supplier ?</source>
        <translation>Wollen Sie diesen Lieferanten wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>quarvel::reorder::DraftOrders</name>
    <message>
        <location filename="../work/main/src/reorder/DraftOrders.cpp" line="+48" />
        <source>Drafted by Reorder Stock</source>
        <translation>Entwurf aus Nachbestellen</translation>
    </message>
</context>
<context>
    <name>quarvel::reorder::ReorderModel</name>
    <message>
        <location filename="../work/main/src/reorder/ReorderModel.cpp" line="+108" />
        <source>Order</source>
        <translation>Bestellen</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Supplier</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <location line="+2" />
        <source>On Hand</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <location line="+2" />
        <source>On Order</source>
        <translation>Bestellt</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Reorder Level</source>
        <translation>Meldebestand</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Sold per Day</source>
        <translation>Verkauf/Tag</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lead Time</source>
        <translation>Lieferzeit</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Unit Price</source>
        <translation>Stückpreis</translation>
    </message>
    <message>
        <location line="+68" />
        <source>(choose a supplier)</source>
        <translation>(Lieferant wählen)</translation>
    </message>
    <message>
        <location line="+34" />
        <source>The quantity must be a whole number of units from 1 to 2147483647.</source>
        <translation>Die Menge muss eine ganze Zahl von 1 bis 2147483647 sein.</translation>
    </message>
    <message>
        <location line="+15" />
        <source>The unit price must be an amount of at most four decimals, or empty.</source>
        <translation>Der Stückpreis muss ein Betrag mit höchstens vier Nachkommastellen oder leer sein.</translation>
    </message>
</context>
<context>
    <name>quarvel::reorder::ReorderReport</name>
    <message>
        <location filename="../work/main/src/reorder/ReorderReport.cpp" line="-63" />
        <source>Product</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location line="+1" />
        <source>On Hand</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <location line="+1" />
        <source>On Order</source>
        <translation>Bestellt</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Level</source>
        <translation>Meldeb.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Sold/Day</source>
        <translation>Verk./Tag</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lead Time</source>
        <translation>Lieferzeit</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Order</source>
        <translation>Bestellen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unit Price</source>
        <translation>Stückpreis</translation>
    </message>
</context>
<context>
    <name>quarvel::reorder::ReorderWindow</name>
    <message>
        <location filename="../work/main/src/reorder/ReorderWindow.cpp" line="+34" />
        <location line="+137" />
        <source>Reorder Stock</source>
        <translation>Nachbestellen</translation>
    </message>
    <message>
        <location line="-127" />
        <source>Products to Reorder</source>
        <translation>Nachzubestellende Artikel</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Create Purchase Orders</source>
        <translation>Bestellungen anlegen</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Preview List</source>
        <translation>Listenvorschau</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+81" />
        <source>Products to reorder: %1, of them ticked: %2.</source>
        <translation>Nachzubestellende Artikel: %1, davon angehakt: %2.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Ticked without a supplier yet: %1 (choose one in the row, or they are left out).</source>
        <translation>Angehakt ohne Lieferant: %1 (wählen Sie einen in der Zeile, sonst bleiben sie außen vor).</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Purchase orders made: %1, with lines: %2.</source>
        <translation>Angelegte Bestellungen: %1, mit Zeilen: %2.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Show the first of them in Purchase Orders?</source>
        <translation>Die erste davon in „Bestellungen“ zeigen?</translation>
    </message>
    <message>
        <location line="+23" />
        <source>The changes to the list are not made into purchase orders yet. Close without making them?</source>
        <translation>Aus den Änderungen an der Liste wurden noch keine Bestellungen. Ohne sie schließen?</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Question</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>quarvel::reorder::Suggestion</name>
    <message>
        <location filename="../work/main/src/reorder/Suggestion.cpp" line="+25" />
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <location line="+2" />
        <source>"%1" (not read)</source>
        <translation>„%1“ (nicht gelesen)</translation>
    </message>
    <message>
        <location line="+15" />
        <source>On hand %1 + on order %2 = %3</source>
        <translation>Bestand %1 + bestellt %2 = %3</translation>
    </message>
    <message>
        <location line="+5" />
        <source>no lead time given, so no sales are expected before an order arrives</source>
        <translation>keine Lieferzeit angegeben, also kein Verkauf bis zum Eintreffen einer Bestellung erwartet</translation>
    </message>
    <message>
        <location line="+1" />
        <source>the lead time "%1" is not read as days, weeks or months, so no sales are expected before an order arrives</source>
        <translation>die Lieferzeit „%1“ ist nicht als Tage, Wochen oder Monate lesbar, also kein Verkauf bis zum Eintreffen einer Bestellung erwartet</translation>
    </message>
    <message>
        <location line="+4" />
        <source>sold %1 a day x lead time %2 days = %3 expected to sell before an order arrives</source>
        <translation>%1 Verkauf am Tag x Lieferzeit %2 Tage = %3 erwarteter Verkauf bis zum Eintreffen einer Bestellung</translation>
    </message>
    <message>
        <location line="+4" />
        <source>%1; reorder level %2; %3; order %4 to end above the level.</source>
        <translation>%1; Meldebestand %2; %3; %4 bestellen, um über dem Meldebestand zu bleiben.</translation>
    </message>
</context>
<context>
    <name>quarvel::reorder::SupplierDelegate</name>
    <message>
        <location filename="../work/main/src/reorder/SupplierDelegate.cpp" line="+16" />
        <source>Supplier</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <location line="+8" />
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
</context>
<context>
    <name>quarvel::reports::ListReport</name>
    <message>
        <location filename="../work/main/src/reports/ListReport.cpp" line="+34" />
        <source>Page %p of %P</source>
        <translation>Seite %p von %P</translation>
    </message>
</context>
<context>
    <name>quarvel::reports::ReportDateRangeWindow</name>
    <message>
        <location filename="../work/main/src/reports/ReportDateRangeWindow.cpp" line="+46" />
        <source>Report Date Range</source>
        <translation>Berichtszeitraum</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Beginning Date:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Ending Date:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
</context>
<context>
    <name>quarvel::reports::ReportLayout</name>
    <message>
        <location filename="../work/main/src/reports/engine/ReportLayout.h" line="+25" />
        <source>(continued)</source>
        <translation>(Fortsetzung)</translation>
    </message>
</context>
<context>
    <name>quarvel::reports::ReportsWindow</name>
    <message>
        <location filename="../work/main/src/reports/ReportsWindow.cpp" line="+19" />
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>quarvel::shell::FormWindow</name>
    <message>
        <location filename="../work/main/src/shell/FormWindow.cpp" line="+98" />
        <source> is changed.<byte value="xd" />
Do you want to save your changes for <byte value="xd" />
%1<byte value="xd" />
 (choose Yes or No).</source>
        <translation> ist geändert.<byte value="xd" />
Wollen Sie Ihre Änderungen speichern für <byte value="xd" />
%1<byte value="xd" />
 (Ja oder Nein wählen).</translation>
    </message>
    <message>
        <location line="+77" />
        <source>Question</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>quarvel::shell::GridEditor</name>
    <message>
        <location filename="../work/main/src/shell/GridEditor.cpp" line="+100" />
        <location line="+87" />
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location line="-43" />
        <source><byte value="xd" />
  saved.</source>
        <translation><byte value="xd" />
  gespeichert.</translation>
    </message>
    <message>
        <location line="+41" />
        <source>Do you really want to delete this transaction record ?<byte value="xd" />
For: </source>
        <translation>Wollen Sie diese Bewegung wirklich löschen?<byte value="xd" />
Für: </translation>
    </message>
</context>
<context>
    <name>quarvel::shell::LiveRows</name>
    <message>
        <location filename="../work/main/src/shell/LiveRows.cpp" line="+27" />
        <source>Changed by another user</source>
        <translation>Von einem anderen Benutzer geändert</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Deleted by %1 at %2</source>
        <translation>Gelöscht von %1 am %2</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Changed by %1 at %2</source>
        <translation>Geändert von %1 am %2</translation>
    </message>
</context>
<context>
    <name>quarvel::shell::RecordEditor</name>
    <message>
        <location filename="../work/main/src/shell/RecordEditor.cpp" line="+176" />
        <source><byte value="xd" />
For: </source>
        <translation><byte value="xd" />
Für: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location line="+34" />
        <source><byte value="xd" />
   saved.</source>
        <translation><byte value="xd" />
   gespeichert.</translation>
    </message>
    <message>
        <location line="+20" />
        <source>The record is no longer in the database.</source>
        <translation>Der Datensatz ist nicht mehr in der Datenbank.</translation>
    </message>
</context>
</TS>