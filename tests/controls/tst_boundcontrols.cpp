// The data control and the controls bound to a recordset's fields: moving between rows, what
// each control shows and writes, and refused rows reported and kept.

#include "BoxRecorder.h"
#include "TempDatabase.h"
#include "controls/BoundTextArea.h"
#include "controls/BoundTextBox.h"
#include "controls/DataCombo.h"
#include "controls/DataControl.h"
#include "data/Connection.h"
#include "data/Recordset.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace quarvel;
using namespace quarvel::controls;

class BoundControlsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> db;
    std::unique_ptr<Recordset> products;
    std::unique_ptr<BoxRecorder> boxes;

    std::unique_ptr<Recordset> open(const QString& sql) {
        auto rs = std::make_unique<Recordset>();
        rs->Open(sql, Connection::open(db->path()));
        return rs;
    }

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
        db->exec("INSERT INTO Categories (CategoryName) VALUES ('Tools'), ('Paint');"
                 "INSERT INTO Products (ProductName, CategoryID, ReorderLevel, "
                 "ProductDescription) VALUES ('Hammer', 2, 0.1 * 3, 'Steel'), "
                 "('Brush', 1, 2.5, NULL), ('Saw', NULL, NULL, NULL);");
        products = open("Select * from Products");
        boxes = std::make_unique<BoxRecorder>();
    }

    void cleanup() {
        boxes.reset();
        products.reset();
        db.reset();
    }

    void movesAndDisablesAtTheEnds() {
        DataControl dc;
        QCOMPARE(enabledButtons(dc), QString("0000")); // unbound
        dc.setRecordset(products.get());
        dc.show();
        QCOMPARE(enabledButtons(dc), QString("0011"));

        click(dc.nextButton());
        QCOMPARE(enabledButtons(dc), QString("1111"));
        click(dc.firstButton());
        QCOMPARE(products->AbsolutePosition(), 0);
        products->MoveLast(); // moves made elsewhere update the buttons too
        QCOMPARE(enabledButtons(dc), QString("1100"));

        // A re-query to an empty result disables everything.
        db->exec("DELETE FROM Products");
        products->Requery();
        QCOMPARE(enabledButtons(dc), QString("0000"));
    }

    void movingOffAnEditedRowWritesItOrStaysOnARefusal() {
        DataControl dc;
        dc.setRecordset(products.get());
        BoundTextBox name;
        name.bind(&dc, "ProductName");
        BoundTextBox reorder;
        reorder.bind(&dc, "ReorderLevel");
        BoundTextArea notes;
        notes.bind(&dc, "ProductDescription");
        QSignalSpy changed(&name, &BoundTextBox::changed);
        dc.show();
        name.show();
        name.setFocus();
        name.end(false);
        QTest::keyClicks(&name, " XL");
        QCOMPARE(products->Fields("ProductName").toString(), QString("Hammer XL"));
        QCOMPARE(changed.count(), 3); // one per key
        notes.moveCursor(QTextCursor::End);
        QTest::keyClick(&notes, Qt::Key_Return);
        QTest::keyClicks(&notes, "Oak");
        reorder.selectAll();
        QTest::keyClicks(&reorder, "lots");
        // Not written until the row is left; a refused row is reported and kept.
        click(dc.nextButton());
        QCOMPARE(boxes->boxes.size(), 1);
        QVERIFY(boxes->boxes.first().text.contains("ReorderLevel"));
        QCOMPARE(products->AbsolutePosition(), 0);
        QCOMPARE(db->scalar("SELECT ProductName FROM Products WHERE ProductID=1").toString(),
                 QString("Hammer"));

        // Correcting the value lets the move go through.
        reorder.selectAll();
        QTest::keyClicks(&reorder, "12");
        click(dc.nextButton());
        QCOMPARE(boxes->boxes.size(), 1);
        QCOMPARE(db->scalar("SELECT ProductName || ReorderLevel || ProductDescription FROM "
                            "Products WHERE ProductID=1")
                     .toString(),
                 QString("Hammer XL12Steel\nOak"));
        QCOMPARE(name.text(), QString("Brush"));
        QCOMPARE(notes.text(), QString());
        QCOMPARE(changed.count(), 4);
        QCOMPARE(products->EditMode(), int(Recordset::adEditNone)); // the move added no edit
    }

    void textBoxTakesWhatItsColumnTakes() {
        BoundTextBox name;
        name.bind(products.get(), "ProductName");
        BoundTextBox notes;
        notes.bind(products.get(), "ProductDescription");
        notes.setFocus();
        notes.selectAll();
        QApplication::clipboard()->setText(QString(40000, u'n'));
        notes.paste();
        QCOMPARE(products->Fields("ProductDescription").toString(), QString(40000, u'n'));
        // A paste that does not fit is refused as a whole, and the user is told.
        name.selectAll();
        QApplication::clipboard()->setText(QString(300, u'x'));
        name.paste();
        QCOMPARE(products->Fields("ProductName").toString(), QString("Hammer"));
        QCOMPARE(boxes->boxes.size(), 1);
        QVERIFY2(boxes->boxes[0].text.contains("255"), qPrintable(boxes->boxes[0].text));
        // Typing goes on as usual afterwards.
        name.end(false);
        QTest::keyClicks(&name, "s");
        QCOMPARE(products->Fields("ProductName").toString(), QString("Hammers"));
        // Characters are counted as the engines count them: 255 emoji fit, 256 do not, and a
        // key typed into the full box changes nothing and says nothing.
        const QString emoji = QString::fromUtf8("\xF0\x9F\x94\xA8");
        name.selectAll();
        QApplication::clipboard()->setText(emoji.repeated(256));
        name.paste();
        QCOMPARE(boxes->boxes.size(), 2);
        name.selectAll();
        QApplication::clipboard()->setText(emoji.repeated(255));
        name.paste();
        QCOMPARE(products->Fields("ProductName").toString(), emoji.repeated(255));
        QTest::keyClicks(&name, "x");
        QCOMPARE(name.text(), emoji.repeated(255));
        QCOMPARE(boxes->boxes.size(), 2);
        products->Update();
        QCOMPARE(db->scalar("SELECT length(ProductName) FROM Products WHERE ProductID = 1").toInt(),
                 255);
    }

    void boxFollowsItsField() {
        BoundTextBox level;
        level.bind(products.get(), "reorderlevel");
        QCOMPARE(level.text(), QString("0.3")); // no floating-point noise
        BoundTextBox name;
        name.bind(products.get(), "ProductName");
        QSignalSpy changed(&name, &BoundTextBox::changed);
        products->setField("ProductName", "Mallet");
        QCOMPARE(name.text(), QString("Mallet"));
        products->setField("LeadTime", "3 days"); // another field's change: not this box's
        QCOMPARE(changed.count(), 1);
        products->CancelUpdate();

        // Without a current row the box is empty and typing writes nothing.
        products->MoveLast();
        QCOMPARE(level.text(), QString()); // Saw's Null
        products->MoveNext();
        QCOMPARE(name.text(), QString());
        QTest::keyClicks(&name, "ghost");
        QVERIFY(boxes->boxes.isEmpty());
        QCOMPARE(db->scalar("SELECT COUNT(*) FROM Products WHERE ProductName='ghost'").toInt(), 0);

        // Read-only boxes take no typing at all.
        products->MoveFirst();
        name.setReadOnly(true);
        QTest::keyClicks(&name, "x");
        QCOMPARE(products->EditMode(), int(Recordset::adEditNone));
    }

    void comboShowsOneColumnAndStoresAnother() {
        auto categories = open("SELECT DISTINCTROW Categories.* FROM Categories ORDER BY "
                               "Categories.CategoryID;");
        DataCombo combo;
        combo.setListSource(categories.get(), "CategoryName", "CategoryID");
        combo.bind(products.get(), "CategoryID");
        QSignalSpy changed(&combo, &DataCombo::changed);
        QSignalSpy clicked(&combo, &DataCombo::clicked);
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.currentText(), QString("Paint"));
        products->MoveLast();
        QCOMPARE(combo.currentIndex(), -1); // Null: no entry
        QCOMPARE(changed.count(), 1);
        QCOMPARE(clicked.count(), 0);

        // The user picks an entry with the keyboard.
        combo.show();
        combo.setFocus();
        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(clicked.count(), 1);
        const int picked = combo.currentIndex();
        QVERIFY(picked >= 0);
        products->MoveFirst();
        QCOMPARE(db->scalar("SELECT CategoryID FROM Products WHERE ProductID=3"),
                 combo.itemData(picked));
    }
};

QTEST_MAIN(BoundControlsTest)
#include "tst_boundcontrols.moc"
