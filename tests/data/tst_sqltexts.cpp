#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/JetSql.h"
#include "data/PhoneNumber.h"
#include "data/Recordset.h"

#include <QtTest>

using namespace quarvel;

class SqlTextsTest : public QObject {
    Q_OBJECT

private slots:
    void translation_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("literals untouched") << "SELECT 'it''s [x] & \"y\"', \"a'b\""
                                            << "SELECT 'it''s [x] & \"y\"', 'a''b'";
        QTest::newRow("right join with all columns") << "SELECT * FROM A RIGHT JOIN B ON A.k = B.k"
                                                     << "SELECT * FROM A RIGHT JOIN B ON A.k = B.k";
        QTest::newRow("word containing the keyword") << "SELECT DISTINCTROWS FROM t"
                                                     << "SELECT DISTINCTROWS FROM t";
    }
    void translation() {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QCOMPARE(TranslateJetSql(jet), sqlite);
    }

    void translationForPostgres_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("postgres");
        QTest::newRow("functions, numbers and a table's column list")
            << "INSERT INTO Products (ProductName) SELECT max(x) * 2.5 FROM `qryRep1A` Where "
               "ProductID=1"
            << "INSERT INTO \"Products\" (\"ProductName\") SELECT max(\"x\") * 2.5 FROM "
               "\"qryRep1A\" Where \"ProductID\"=1";
        QTest::newRow("recursive common table")
            << "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT i FROM n"
            << "WITH RECURSIVE n(\"i\") AS (SELECT 1 UNION ALL SELECT \"i\" + 1 FROM \"n\") "
               "SELECT \"i\" FROM \"n\"";
    }
    void translationForPostgres() {
        QFETCH(QString, jet);
        QFETCH(QString, postgres);
        QCOMPARE(TranslateJetSql(jet, JetTarget::Postgres), postgres);
    }

    void everyCommandTextRuns_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("columns");
        auto row = [](const char* name, const QString& sql, const QStringList& columns) {
            QTest::newRow(name) << sql << columns;
        };
        row("categories",
            "SELECT DISTINCTROW Categories.* FROM Categories ORDER BY Categories.CategoryID;",
            {"CategoryID", "CategoryName"});
        row("employee names",
            "SELECT [EmployeeID], [LastName] & \", \" & [FirstName] as EmployeeName FROM Employees "
            "ORDER BY [LastName] & \", \" & [FirstName];",
            {"EmployeeID", "EmployeeName"});
        row("shipping list",
            "SELECT DISTINCTROW [Shipping Methods].* FROM [Shipping Methods] ORDER BY [Shipping "
            "Methods].ShippingMethod;",
            {"ShippingMethodID", "ShippingMethod"});
    }
    void everyCommandTextRuns() {
        QFETCH(QString, sql);
        QFETCH(QStringList, columns);
        TempDatabase db;
        db.exec("INSERT INTO Employees (FirstName, LastName) VALUES ('Ann', 'Lee'), (NULL, 'Ode')");
        Recordset rs;
        rs.Open(sql, Connection::open(db.connectionString()));
        QStringList names;
        for (int i = 0; i < rs.fieldCount(); ++i)
            names << rs.fieldName(i);
        QCOMPARE(names, columns);
        if (sql.contains("EmployeeName")) {
            // Sorted by "last, first"; a missing first name leaves "Ode, ", not Null.
            QCOMPARE(rs.Fields("EmployeeName").toString(), QString("Lee, Ann"));
            rs.MoveNext();
            QCOMPARE(rs.Fields("EmployeeName").toString(), QString("Ode, "));
        }
    }

    void phoneMask_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        auto row = [](const char* name, const QString& in, const QString& out) {
            QTest::newRow(name) << in << out;
        };
        row("trailing blank", "(555) 123-4567 ", "(555) 123-4567");
        row("nine digits", "123456789", "( 12) 345-6789");
        row("extension", "555-123-4567 x89", "(555) 345-6789");
        row("no digits", "n/a", "(   )    -    ");
        row("other digits", "\u0665\u0665\u0665", "(   )    -    ");
    }
    void phoneMask() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(FormatPhoneNumber(in), out);
    }
};

QTEST_GUILESS_MAIN(SqlTextsTest)
#include "tst_sqltexts.moc"
