#include "reports/engine/ReportError.h"
#include "reports/engine/ShapeCommand.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace quarvel::reports;

class tst_ShapeCommand : public QObject {
    Q_OBJECT

private slots:
    void shapedCommands_data();
    void shapedCommands();
    void savedQueryName();
    void queriesRunOnSqlite();
    void malformed_data();
    void malformed();
};

void tst_ShapeCommand::shapedCommands_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("master");
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("masterField");
    QTest::addColumn<QString>("childField");
    const QString form = QStringLiteral("SHAPE {SELECT * FROM `%1`}  AS %3 APPEND ({SELECT * FROM "
                                        "`%2`}  AS %4 RELATE '%5' TO '%6') AS %4");
    auto row = [&](const char* cm, const QString& a, const QString& b, const QString& mf,
                   const QString& cf) {
        const QString name = QString::fromLatin1(cm);
        QTest::newRow(cm) << form.arg(a, b, name, name + u'B', mf, cf) << a << b << mf << cf;
    };
    row("cm1", "qryRep1A", "qryRep1B", "ProductID", "ProductID");
    row("cm5", "qryRep5A", "qryRep5B", "PurchaseOrderID", "qryRep5B.PurchaseOrderID");
}

void tst_ShapeCommand::shapedCommands() {
    QFETCH(QString, text);
    QFETCH(QString, master);
    QFETCH(QString, child);
    QFETCH(QString, masterField);
    QFETCH(QString, childField);
    const ShapeCommand c = ShapeCommand::parse(text);
    QVERIFY(c.hasChild());
    QCOMPARE(c.masterSql, QStringLiteral("SELECT * FROM [%1]").arg(master));
    QCOMPARE(c.childSql, QStringLiteral("SELECT * FROM [%1]").arg(child));
    QCOMPARE(c.masterField, masterField);
    QCOMPARE(c.childField, childField);
    QCOMPARE(c.masterAlias + u'B', c.childAlias);
    // Keywords in any case and any spacing read the same.
    const ShapeCommand loose =
        ShapeCommand::parse(text.toLower().replace(QStringLiteral("  "), QStringLiteral("\n\t ")));
    QCOMPARE(loose.childField.toLower(), childField.toLower());
    QCOMPARE(loose.masterSql.toLower(), c.masterSql.toLower());
}

void tst_ShapeCommand::savedQueryName() {
    const ShapeCommand c = ShapeCommand::parse(QStringLiteral("`qryRep3A`"));
    QVERIFY(!c.hasChild());
    QCOMPARE(c.masterSql, QStringLiteral("SELECT * FROM [qryRep3A]"));
    QCOMPARE(ShapeCommand::parse(QStringLiteral(" qryRep3A ")).masterSql, c.masterSql);
    QCOMPARE(ShapeCommand::parse(QStringLiteral("`Order Lines`")).masterSql,
             QStringLiteral("SELECT * FROM [Order Lines]"));
    // Accents inside string literals are data, not names.
    QCOMPARE(ShapeCommand::quoteNames(QStringLiteral("SELECT '`a`' FROM `t`")),
             QStringLiteral("SELECT '`a`' FROM [t]"));
}

void tst_ShapeCommand::queriesRunOnSqlite() {
    QTemporaryDir dir;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("s"));
        db.setDatabaseName(dir.filePath(QStringLiteral("t.db")));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE VIEW qryRep5A AS SELECT 7 AS PurchaseOrderID")));
        QVERIFY(q.exec(QStringLiteral(
            "CREATE VIEW qryRep5B AS SELECT 7 AS PurchaseOrderID, 2.5 AS Subtotal")));
        const ShapeCommand c = ShapeCommand::parse(
            QStringLiteral("SHAPE {SELECT * FROM `qryRep5A`}  AS cm5 APPEND ({SELECT * FROM "
                           "`qryRep5B`}  AS cm5B RELATE 'PurchaseOrderID' TO "
                           "'qryRep5B.PurchaseOrderID') AS cm5B"));
        QVERIFY2(q.exec(c.masterSql) && q.next(), qPrintable(c.masterSql));
        QCOMPARE(q.value(0).toInt(), 7);
        QVERIFY2(q.exec(c.childSql) && q.next(), qPrintable(c.childSql));
        QCOMPARE(q.value(1).toDouble(), 2.5);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("s"));
}

void tst_ShapeCommand::malformed_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("unclosed brace") << "SHAPE {SELECT * FROM `qryRep1A`  AS cm1";
    QTest::newRow("no APPEND") << "SHAPE {SELECT 1} AS cm1 ({SELECT 2} AS c RELATE 'a' TO 'b')";
    QTest::newRow("unclosed field")
        << "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a TO 'b) AS c";
    QTest::newRow("missing close paren")
        << "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a' TO 'b' AS c";
    QTest::newRow("trailing text")
        << "SHAPE {SELECT 1} AS cm1 APPEND ({SELECT 2} AS c RELATE 'a' TO 'b') AS c extra";
    QTest::newRow("unclosed accent") << "`qryRep3A";
    QTest::newRow("two names") << "qryRep3A qryRep4A";
}

void tst_ShapeCommand::malformed() {
    QFETCH(QString, text);
    try {
        ShapeCommand::parse(text);
        QFAIL("no error for a malformed command");
    } catch (const ReportError& e) {
        QVERIFY(!e.message().isEmpty());
    }
}

QTEST_MAIN(tst_ShapeCommand)
#include "tst_ShapeCommand.moc"
