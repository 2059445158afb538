// The Suppliers window (Form5), which carries the single-record editor the Shipping Methods and
// Company windows share, driven as a user: browsing, the heading rule, save, add, delete, the
// closing question, and failures that must neither lose an edit nor claim a write.

#include "SaverProcess.h"
#include "WindowDriver.h"
#include "reference/SuppliersWindow.h"
#include "shell/HoverFeedback.h"

#include <QPlainTextEdit>

using driver::trapLocation;
using quarvel::shell::HoverFeedback;
using Fixture = WindowDriver<quarvel::reference::SuppliersWindow>;

namespace {

// Cord is the supplier of a purchase order.
const QString suppliers = QStringLiteral(
    "INSERT INTO Suppliers (SupplierName, ContactName, ContactTitle, City, Notes) VALUES"
    " ('Acme', 'Ann Lee', 'Buyer', 'Springfield', 'Pays late'), ('Bolt', NULL, NULL, NULL, NULL),"
    " ('Cord', NULL, NULL, NULL, NULL);"
    "INSERT INTO [Purchase Orders] (SupplierID) VALUES (3)");

QString stored(const Fixture& f, const char* field) {
    return f.stored(QStringLiteral("SELECT %1 FROM Suppliers WHERE SupplierID = 1").arg(field))
        .toString();
}

} // namespace

class TestSuppliersWindow : public QObject {
    Q_OBJECT

private slots:
    // Another program (a real second process) saves the supplier while the user edits it:
    // each of the three answers does what it says, and nothing typed goes without one.
    void anotherProgramsChangeLeavesTheChoiceToTheUser() {
        Fixture f(suppliers);
        const Saver other = startSaver(f.db.path());
        QCOMPARE(replyOf(*other), QString("ready"));
        auto otherSaves = [&] {
            other->write("update\n");
            QVERIFY(replyOf(*other).startsWith("updated City-"));
        };
        auto* city = f.window->box(5);

        // Take Theirs: the stored city shows, the edit is gone.
        f.retype(5, "Lyon");
        otherSaves();
        f.answerNext(QMessageBox::No);
        f.click("PushButton1");
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY2(f.boxes[0].text.contains("City: stored \"City-1\", yours \"Lyon\""),
                 qPrintable(f.boxes[0].text));
        QCOMPARE(city->property("text").toString(), QStringLiteral("City-1"));
        QCOMPARE(stored(f, "City"), QStringLiteral("City-1"));

        // Keep Editing, then the other program saves once more, then Save Mine.
        f.takeBoxes();
        f.retype(5, "Nice");
        otherSaves();
        f.answerNext(QMessageBox::Cancel);
        f.click("PushButton1");
        QCOMPARE(city->property("text").toString(), QStringLiteral("Nice"));
        QCOMPARE(stored(f, "City"), QStringLiteral("City-2"));
        otherSaves();
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton1");
        QCOMPARE(f.boxes.size(), 3);
        QVERIFY2(f.boxes[1].text.contains("City: stored \"City-3\", yours \"Nice\""),
                 qPrintable(f.boxes[1].text));
        QCOMPARE(f.boxes[2].text, QStringLiteral("Acme\n   saved."));
        QCOMPARE(stored(f, "City"), QStringLiteral("Nice"));
        other->closeWriteChannel();
        QVERIFY(other->waitForFinished(30000));
    }

    void browsingTabOrderAndPointer() {
        Fixture f(suppliers);
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(f.heading(), QStringLiteral("Acme 1"));
        QCOMPARE(f.line(2)->text() + '/' + f.line(1)->text(), QStringLiteral("Ann Lee/Buyer"));
        auto* notes = qobject_cast<QPlainTextEdit*>(f.window->box(12));
        QCOMPARE(notes->toPlainText(), QStringLiteral("Pays late"));
        driver::click(f.window->dc()->nextButton());
        QCOMPARE(f.heading(), QStringLiteral("Bolt 2"));
        QCOMPARE(notes->toPlainText(), QString());
        QTest::mouseMove(f.window->button(2));
        QTRY_COMPARE(HoverFeedback::mousePointer(f.window.get()), int(HoverFeedback::Custom));
        QTest::mouseMove(f.window->box(0)); // the boxes show the default pointer
        QTRY_COMPARE(HoverFeedback::mousePointer(f.window.get()), int(HoverFeedback::Default));

        // Tab goes down the boxes as they stand on screen, then along the buttons.
        QVERIFY(f.active);
        f.window->box(0)->setFocus();
        QStringList visited;
        for (int i = 0; i < 13; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"Text1(0)", "Text1(2)", "Text1(1)", "Text1(4)", "Text1(5)",
                                       "Text1(6)", "Text1(8)", "Text1(9)", "Text1(10)", "Text1(11)",
                                       "Text1(12)", "PushButton3", "PushButton2"}));
    }

    void saveKeepsTheHeadingUntilAnotherRowThenAddShowsTheNewOne() {
        Fixture f(suppliers);
        f.retype(0, "Acme Tools");
        f.click("PushButton1");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("Acme\n   saved."));
        QCOMPARE(stored(f, "SupplierName"), QStringLiteral("Acme Tools"));
        QCOMPARE(f.heading(), QStringLiteral("Acme 1"));
        driver::click(f.window->dc()->nextButton());
        driver::click(f.window->dc()->previousButton());
        QCOMPARE(f.heading(), QStringLiteral("Acme Tools 1"));

        // An empty table loads without a report; Add shows the new row at once.
        Fixture empty;
        QCOMPARE(empty.heading(), QStringLiteral("SupplierName FullName"));
        empty.click("PushButton3");
        QVERIFY(empty.boxes.isEmpty());
        QCOMPARE(stored(empty, "SupplierName"), QStringLiteral("New Supplier"));
        QCOMPARE(empty.heading(), QStringLiteral("New Supplier 1"));
        QTRY_VERIFY(empty.line(0)->hasFocus());
    }

    void deleteAsksFirstAndKeepsASupplierStillInUse() {
        Fixture f(suppliers);
        f.answerNext(QMessageBox::No);
        f.click("PushButton2");
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral("Do you really want to delete this Supplier ?\nFor: Acme"));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Question"));
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.count("Suppliers"), 3);

        f.answerNext(QMessageBox::Yes);
        f.click("PushButton2");
        QCOMPARE(f.count("Suppliers"), 2);
        QCOMPARE(f.heading(), QStringLiteral("Bolt 2"));

        driver::click(f.window->dc()->nextButton());
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton2");
        QCOMPARE(f.boxes.size(), 4);
        QCOMPARE(trapLocation(f.boxes[3]), QStringLiteral("Form5.PushButton2_Click at line 104"));
        QVERIFY2(f.boxes[3].text.contains("Purchase Orders"), qPrintable(f.boxes[3].text));
        QCOMPARE(f.count("Suppliers"), 2);
        QCOMPARE(f.line(0)->text(), QStringLiteral("Cord"));

        // The last supplier goes without an error; the labels keep it.
        Fixture one("INSERT INTO Suppliers (SupplierName) VALUES ('Only')");
        one.answerNext(QMessageBox::Yes);
        one.click("PushButton2");
        QCOMPARE(one.boxes.size(), 1);
        QCOMPARE(one.count("Suppliers"), 0);
        QCOMPARE(one.line(0)->text(), QString());
        QCOMPARE(one.heading(), QStringLiteral("Only 1"));
    }

    // Yes writes (No drops: see Shipping Methods), and a write that fails keeps the window
    // open with the edit.
    void nothingTypedIsLostOnSaveOrClose() {
        Fixture yes(suppliers);
        yes.retype(5, "Capital City");
        QVERIFY(yes.window->close()); // answered with the default, Yes
        QCOMPARE(yes.texts(), QStringList{"  Supplier is changed.\nDo you want to save your "
                                          "changes for \nSuppliers\n (choose Yes or No)."});
        QCOMPARE(yes.boxes[0].defaultButton, QMessageBox::Yes);
        QCOMPARE(stored(yes, "City"), QStringLiteral("Capital City"));

        // The row deleted by another user: Save reports it and claims nothing.
        Fixture f(suppliers);
        f.retype(5, "Nowhere");
        f.db.exec("DELETE FROM Suppliers WHERE SupplierID = 1");
        f.click("PushButton1");
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(trapLocation(f.boxes[0]), QStringLiteral("Form5.PushButton1_Click at line 102"));
        f.answerNext(QMessageBox::Yes);
        QVERIFY(!f.window->close());
        QCOMPARE(trapLocation(f.boxes.value(2)),
                 QStringLiteral("Form5.Form_QueryUnload at line 102"));
        QCOMPARE(f.line(5)->text(), QStringLiteral("Nowhere"));
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
    }
};

QTEST_MAIN(TestSuppliersWindow)
#include "tst_supplierswindow.moc"
