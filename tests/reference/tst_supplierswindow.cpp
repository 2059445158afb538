// The Suppliers window (Form5) driven as a user: browsing, the heading rule, add, delete, the
// closing question, and failures that must neither lose an edit nor claim a write.

#include "SingleRecordFixture.h"
#include "reference/SuppliersWindow.h"
#include "shell/HoverFeedback.h"

#include <QPlainTextEdit>

using quarvel::shell::HoverFeedback;
using Fixture = SingleRecordFixture<quarvel::reference::SuppliersWindow>;

namespace {

// Cord is the supplier of a purchase order.
const QString suppliers = QStringLiteral(
    "INSERT INTO Suppliers (SupplierName, ContactName, ContactTitle, City, Notes) VALUES"
    " ('Acme', 'Ann Lee', 'Buyer', 'Springfield', 'Pays late'), ('Bolt', NULL, NULL, NULL, NULL),"
    " ('Cord', NULL, NULL, NULL, NULL);"
    "INSERT INTO [Purchase Orders] (SupplierID) VALUES (3)");

QString stored(const Fixture& f, const char* field) {
    return f.db.scalar(QStringLiteral("SELECT %1 FROM Suppliers WHERE SupplierID = 1").arg(field))
        .toString();
}

} // namespace

class TestSuppliersWindow : public QObject {
    Q_OBJECT

private slots:
    void browsingInReadingOrderWithTheHandOverButtons() {
        Fixture f(suppliers);
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(f.heading() + ' ' + f.id(), QStringLiteral("Acme 1"));
        QCOMPARE(f.line(2)->text() + '/' + f.line(1)->text(), QStringLiteral("Ann Lee/Buyer"));
        auto* notes = qobject_cast<QPlainTextEdit*>(f.window->box(12));
        QCOMPARE(notes->toPlainText(), QStringLiteral("Pays late"));
        f.next();
        QCOMPARE(f.heading() + ' ' + f.id(), QStringLiteral("Bolt 2"));
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

    void renamedSupplierKeepsItsHeadingUntilAnotherIsCurrent() {
        Fixture f(suppliers);
        f.retype(0, "Acme Tools");
        f.click(1);
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("Acme\n   saved."));
        QCOMPARE(f.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(stored(f, "SupplierName"), QStringLiteral("Acme Tools"));
        QCOMPARE(f.heading(), QStringLiteral("Acme"));
        f.next();
        f.previous();
        QCOMPARE(f.heading(), QStringLiteral("Acme Tools"));
    }

    void addShowsTheNewSupplierAtOnce() {
        Fixture f;
        QCOMPARE(f.heading() + ' ' + f.id(), QStringLiteral("SupplierName FullName"));
        f.click(3);
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(stored(f, "SupplierName"), QStringLiteral("New Supplier"));
        QCOMPARE(f.heading() + ' ' + f.id(), QStringLiteral("New Supplier 1"));
        QTRY_VERIFY(f.line(0)->hasFocus());
    }

    void deleteAsksFirstAndKeepsASupplierStillInUse() {
        Fixture f(suppliers);
        f.answerNext(QMessageBox::No);
        f.click(2);
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral("Do you really want to delete this Supplier ?\nFor: Acme"));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Question"));
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.count("Suppliers"), 3);

        f.answerNext(QMessageBox::Yes);
        f.click(2);
        QCOMPARE(f.count("Suppliers"), 2);
        QCOMPARE(f.heading() + ' ' + f.id(), QStringLiteral("Bolt 2"));

        f.next();
        f.answerNext(QMessageBox::Yes);
        f.click(2);
        QCOMPARE(f.boxes.size(), 4);
        QCOMPARE(trapLocation(f.boxes[3]), QStringLiteral("Form5.PushButton2_Click at line 104"));
        QVERIFY2(f.boxes[3].text.contains("Purchase Orders"), qPrintable(f.boxes[3].text));
        QCOMPARE(f.count("Suppliers"), 2);
        QCOMPARE(f.line(0)->text(), QStringLiteral("Cord"));

        // The last supplier goes without an error; the labels keep it.
        Fixture one("INSERT INTO Suppliers (SupplierName) VALUES ('Only')");
        one.answerNext(QMessageBox::Yes);
        one.click(2);
        QCOMPARE(one.boxes.size(), 1);
        QCOMPARE(one.count("Suppliers"), 0);
        QCOMPARE(one.line(0)->text(), QString());
        QCOMPARE(one.heading() + ' ' + one.id(), QStringLiteral("Only 1"));
    }

    void closingAsksAboutAnUnwrittenEdit() {
        Fixture f(suppliers);
        f.retype(5, "Nowhere");
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
        QCOMPARE(f.boxes[0].text, QStringLiteral("  Supplier is changed.\nDo you want to save your "
                                                 "changes for \nSuppliers\n (choose Yes or No)."));
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::Yes);
        QCOMPARE(stored(f, "City"), QStringLiteral("Springfield"));

        Fixture yes(suppliers);
        yes.retype(5, "Capital City");
        yes.answerNext(QMessageBox::Yes);
        QVERIFY(yes.window->close());
        QCOMPARE(stored(yes, "City"), QStringLiteral("Capital City"));
    }

    void failedWritesNeitherClaimNorLoseTheEdit() {
        Fixture f(suppliers);
        f.retype(5, "Capital City");
        f.db.exec("DELETE FROM Suppliers WHERE SupplierID = 1"); // by another user
        f.click(1);
        QCOMPARE(f.boxes.size(), 1); // the report, no "saved." note
        QCOMPARE(trapLocation(f.boxes[0]), QStringLiteral("Form5.PushButton1_Click at line 102"));

        f.answerNext(QMessageBox::Yes);
        QVERIFY(!f.window->close());
        QCOMPARE(trapLocation(f.boxes.value(2)),
                 QStringLiteral("Form5.Form_QueryUnload at line 102"));
        QCOMPARE(f.line(5)->text(), QStringLiteral("Capital City"));
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
    }
};

QTEST_MAIN(TestSuppliersWindow)
#include "tst_supplierswindow.moc"
