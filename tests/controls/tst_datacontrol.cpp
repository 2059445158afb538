#include "BoxRecorder.h"
#include "TempDatabase.h"
#include "controls/BoundTextBox.h"
#include "controls/DataControl.h"
#include "data/Connection.h"
#include "data/Recordset.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace quarvel;
using namespace quarvel::controls;

class DataControlTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> db;
    std::unique_ptr<Recordset> rs;
    std::unique_ptr<BoxRecorder> boxes;

    static void click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static QString enabledButtons(const DataControl& dc) {
        QString s;
        for (auto* b : {dc.firstButton(), dc.previousButton(), dc.nextButton(), dc.lastButton()})
            s += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }

private slots:
    void init() {
        db = std::make_unique<TempDatabase>();
        db->exec("INSERT INTO Products (ProductName, ReorderLevel) VALUES "
                 "('Hammer', 5), ('Brush', 7), ('Saw', NULL);");
        rs = std::make_unique<Recordset>();
        rs->Open("Select * from Products", Connection::open(db->path()));
        boxes = std::make_unique<BoxRecorder>();
    }

    void cleanup() {
        boxes.reset();
        rs.reset();
        db.reset();
    }

    void captionTellsTwoBarsApart() {
        DataControl dc;
        dc.setCaption("Inventory Transactions");
        QCOMPARE(dc.nextButton()->accessibleName(), QString("Next"));
        QCOMPARE(dc.nextButton()->accessibleDescription(), QString("Inventory Transactions"));
    }

    void movesAndDisablesAtTheEnds() {
        DataControl dc;
        QCOMPARE(enabledButtons(dc), QString("0000")); // unbound
        dc.setRecordset(rs.get());
        dc.show();
        QCOMPARE(enabledButtons(dc), QString("0011"));

        click(dc.nextButton());
        QCOMPARE(enabledButtons(dc), QString("1111"));
        click(dc.lastButton());
        QCOMPARE(enabledButtons(dc), QString("1100"));
        click(dc.previousButton());
        QCOMPARE(rs->Fields("ProductName").toString(), QString("Brush"));
        click(dc.firstButton());
        QCOMPARE(rs->AbsolutePosition(), 0);
        rs->MoveLast(); // moves made elsewhere update the buttons too
        QCOMPARE(enabledButtons(dc), QString("1100"));

        // A re-query to an empty result disables everything; so does unbinding.
        db->exec("DELETE FROM Products");
        rs->Requery();
        QCOMPARE(enabledButtons(dc), QString("0000"));
        click(dc.nextButton());
        QVERIFY(boxes->boxes.isEmpty());
        dc.setRecordset(nullptr);
        QCOMPARE(enabledButtons(dc), QString("0000"));
    }

    void movingOffAnEditedRowWritesItOrStaysOnARefusal() {
        DataControl dc;
        dc.setRecordset(rs.get());
        BoundTextBox name;
        name.bind(&dc, "ProductName");
        BoundTextBox reorder;
        reorder.bind(&dc, "ReorderLevel");
        QSignalSpy changed(&name, &BoundTextBox::changed);
        dc.show();
        name.show();
        name.setFocus();
        name.end(false);
        QTest::keyClicks(&name, " XL");
        QCOMPARE(rs->Fields("ProductName").toString(), QString("Hammer XL"));
        QCOMPARE(changed.count(), 3); // one per key
        reorder.selectAll();
        QTest::keyClicks(&reorder, "lots");
        // Not written until the row is left; a refused row is reported and kept.
        click(dc.nextButton());
        QCOMPARE(boxes->boxes.size(), 1);
        QVERIFY(boxes->boxes.first().text.contains("ReorderLevel"));
        QCOMPARE(rs->AbsolutePosition(), 0);
        QCOMPARE(db->scalar("SELECT ProductName FROM Products WHERE ProductID=1").toString(),
                 QString("Hammer"));

        // Correcting the value lets the move go through.
        reorder.selectAll();
        QTest::keyClicks(&reorder, "12");
        click(dc.nextButton());
        QCOMPARE(boxes->boxes.size(), 1);
        QCOMPARE(db->scalar("SELECT ProductName || ReorderLevel FROM Products WHERE "
                            "ProductID=1")
                     .toString(),
                 QString("Hammer XL12"));
        QCOMPARE(name.text(), QString("Brush"));
        QCOMPARE(changed.count(), 4);
    }

    void rebindingFollowsTheNewRecordset() {
        DataControl dc;
        dc.setRecordset(rs.get());
        BoundTextBox name;
        name.bind(&dc, "ProductName");
        QSignalSpy changed(&name, &BoundTextBox::changed);

        Recordset other;
        other.Open("Select * from Products Where ProductID=3", Connection::open(db->path()));
        dc.setRecordset(&other);
        QCOMPARE(name.text(), QString("Saw"));
        QCOMPARE(changed.count(), 1);
        // The old recordset no longer drives the box.
        rs->MoveNext();
        QCOMPARE(name.text(), QString("Saw"));
        QCOMPARE(enabledButtons(dc), QString("0000")); // one row: nowhere to go
    }
};

QTEST_MAIN(DataControlTest)
#include "tst_datacontrol.moc"
