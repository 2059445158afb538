// quarvel-db import on a database of the engine under test, as a user runs it: what is
// exported imports back the same, files from spreadsheets in other languages are read, every
// bad cell is named, and all or nothing means nothing.
#include "../tools/RunTool.h"
#include "TempDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const importable[] = {"Categories", "Suppliers", "Employees", "Products"};

QString exported(const QString& database, const char* table) {
    const Run run = runTool({"export", "--database", database, table, "-"});
    return run.exitCode == 0 ? run.out : "failed: " + run.err;
}

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

int count(const TempDatabase& db, const char* table) {
    return db.scalar(QString("SELECT count(*) FROM [%1]").arg(table)).toInt();
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    void whatIsExportedImportsBackTheSame() {
        TempDatabase source;
        source.exec(
            "INSERT INTO Categories (CategoryName) VALUES ('Seeds & Bulbs'), ('Tools, \"best\"');"
            "INSERT INTO Suppliers (SupplierName, Address, City, Notes) VALUES ('Acme', "
            "'1 Main St\nSuite 2', 'Köln', '  spaced  '), ('Bolt', NULL, NULL, NULL);"
            "INSERT INTO Employees (FirstName, LastName, EmailName) VALUES ('Ann', 'Lee', 'ann');"
            "INSERT INTO Products (ProductName, ProductDescription, CategoryID, ReorderLevel, "
            "LeadTime) VALUES ('Rake', 'line one\nline two', 2, 2.5, '2 weeks'), ('Édelweiß', "
            "NULL, 1, NULL, NULL), ('Hoe', '', NULL, 7, '')");
        TempDatabase target;
        QTemporaryDir dir;
        for (const char* table : importable) {
            const QString file = write(dir, table, exported(source.path(), table).toUtf8());
            const Run run = runTool({"import", "--database", target.path(), table, file});
            QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
            QVERIFY2(run.out.contains(" added, 0 updated, 0 refused."), qPrintable(run.out));
            QCOMPARE(exported(target.path(), table), exported(source.path(), table));
        }
        // Imported again, every row is an update that changes nothing; new rows are numbered
        // after the imported keys.
        const Run again =
            runTool({"import", "--database", target.path(), "Products", dir.filePath("Products")});
        QVERIFY2(again.out.contains("0 added, 3 updated"), qPrintable(again.out));
        target.exec("INSERT INTO Products (ProductName) VALUES ('Spade')");
        QCOMPARE(
            target.scalar("SELECT ProductID FROM Products WHERE ProductName = 'Spade'").toInt(), 4);
    }

    void aSpreadsheetFileInAnotherLanguageIsRead() {
        TempDatabase db;
        db.exec("INSERT INTO Categories (CategoryName) VALUES ('Seeds & Bulbs')");
        QTemporaryDir dir;
        // Latin-1, semicolons, a decimal comma, captions for headers, a category by its name
        // in another case, a separator and a line break inside quotes; the column the
        // program has no field for is left out.
        const QString file = write(dir, "produkte.csv",
                                   "Product Name;Category;Reorder Level;Colour\r\n"
                                   "\"Gr\xfcne Bohnen; Samen\";seeds & bulbs;2,5;gr\xfcn\r\n"
                                   "\"Rose\r\nred\";;10;rot\r\n");
        // Told that the comma is no decimal point, the user sees the number refused.
        const Run told =
            runTool({"import", "--database", db.path(), "--decimal-comma", "no", "products", file});
        QCOMPARE(told.exitCode, 1);
        QVERIFY2(told.err.contains("Row 2, Reorder Level '2,5': not a number"),
                 qPrintable(told.err));
        const Run run = runTool({"import", "--database", db.path(), "products", file});
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QCOMPARE(db.scalar("SELECT ProductName || '|' || CategoryID || '|' || ReorderLevel FROM "
                           "Products WHERE ProductID = 1")
                     .toString(),
                 QString("Grüne Bohnen; Samen|1|2.5"));
        QCOMPARE(db.scalar("SELECT ProductName FROM Products WHERE ProductID = 2").toString(),
                 QString("Rose\r\nred"));

        // A UTF-8 file with a byte-order mark reads its first header whole.
        const QString bom = write(dir, "bom.csv",
                                  "\xEF\xBB\xBF"
                                  "CategoryName\nTools\n");
        QCOMPARE(runTool({"import", "--database", db.path(), "Categories", bom}).exitCode, 0);
        QCOMPARE(count(db, "Categories"), 2);
    }

    void everyBadCellIsNamedAndAllOrNothingMeansNothing() {
        TempDatabase db;
        db.exec("INSERT INTO Categories (CategoryName) VALUES ('Tools');"
                "INSERT INTO Products (ProductName) VALUES ('Rake')");
        QTemporaryDir dir;
        const QString file = write(dir, "bad.csv",
                                   "ProductID,Product Name,Category,Reorder Level\n"
                                   "1,Rake renamed,Tools,3\n"
                                   ",Hoe,Nursery,x\n"
                                   "7,,Tools,99999999999\n"
                                   "7," +
                                       QByteArray(256, 'a') +
                                       ",,\n"
                                       ",Spade,tools,1\n");
        const Run all = runTool({"import", "--database", db.path(), "Products", file});
        QCOMPARE(all.exitCode, 1);
        for (const char* expected :
             {"Row 3, Category 'Nursery': Categories has no row of that name or key.",
              "Row 3, Reorder Level 'x': not a number", "Row 4, Product Name: a product needs one.",
              "Row 4, Reorder Level '99999999999': not a number",
              "Row 5, ProductID '7': row 4 has the same key.", "Row 5, Product Name 'aaaa",
              "longer than the 255 characters"})
            QVERIFY2(all.err.contains(expected), qPrintable(expected + ("\n" + all.err)));
        QVERIFY2(all.out.contains("Nothing was imported: 3 row(s) have errors"),
                 qPrintable(all.out));
        QCOMPARE(db.scalar("SELECT ProductName FROM Products").toString(), QString("Rake"));
        QCOMPARE(count(db, "Products"), 1);

        // The valid rows, and the others to a file that imports once fixed.
        const QString errors = dir.filePath("errors.csv");
        const Run valid = runTool({"import", "--database", db.path(), "--valid-rows", "--errors",
                                   errors, "Products", file});
        QVERIFY2(valid.out.contains("1 added, 1 updated, 3 refused"), qPrintable(valid.out));
        QCOMPARE(db.scalar("SELECT ProductName FROM Products WHERE ProductID = 1").toString(),
                 QString("Rake renamed"));
        QFile refused(errors);
        QVERIFY(refused.open(QIODevice::ReadOnly));
        QByteArray fixed = refused.readAll();
        QVERIFY2(fixed.startsWith("ProductID,Product Name,Category,Reorder Level,Errors\r\n,Hoe,"
                                  "Nursery,x,\"Row 3,"),
                 fixed.constData());
        fixed.replace("Nursery", "Tools").replace(",x,", ",4,").replace("99999999999", "5");
        fixed.replace("7," + QByteArray(256, 'a'), "8,Trowel").replace("7,,Tools", "7,Fork,Tools");
        const Run again = runTool(
            {"import", "--database", db.path(), "Products", write(dir, "fixed.csv", fixed)});
        QVERIFY2(again.exitCode == 0, qPrintable(again.out + again.err));
        QVERIFY2(again.out.contains("3 added, 0 updated, 0 refused"), qPrintable(again.out));
        QCOMPARE(count(db, "Products"), 5);
    }

    void aFileThatIsNotCsvImportsNothingAndSaysWhere() {
        TempDatabase db;
        QTemporaryDir dir;
        const QString file = write(dir, "broken.csv", "CategoryName\nTools\n\"Seeds\nBulbs\n");
        const Run run = runTool({"import", "--database", db.path(), "Categories", file});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("broken.csv, line 3: a quoted field is never closed"),
                 qPrintable(run.err));
        QCOMPARE(count(db, "Categories"), 0);
        const Run empty = runTool({"import", "--database", db.path(), "Categories",
                                   write(dir, "empty.csv", "CategoryName\n")});
        QVERIFY2(empty.out.contains("no rows below its header"), qPrintable(empty.out));
        const Run unmapped = runTool({"import", "--database", db.path(), "Categories",
                                      write(dir, "other.csv", "Colour\nred\n")});
        QVERIFY2(unmapped.err.contains("No column of the file goes to a field of Categories"),
                 qPrintable(unmapped.err));
        QVERIFY(runTool({"import", "--database", db.path(), "Orders", file})
                    .err.contains("Products, Suppliers, Categories, Employees"));
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
