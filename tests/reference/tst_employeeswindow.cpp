// The Employees window (Form6): its columns, the work-phone mask on what is typed into the
// grid, adding and deleting, and closing with a grid edit not yet written.

#include "GridWindowDriver.h"

#include "BoxRecorder.h"
#include "TempDatabase.h"
#include "data/Recordset.h"
#include "platform/Twips.h"
#include "reference/EmployeesWindow.h"
#include "shell/Globals.h"

using namespace grid_window;
using quarvel::rsEmployees;
using quarvel::reference::EmployeesWindow;

namespace {

// An Employees window, loaded and shown, over `employees` rows ("First1", ...).
struct EmployeesFixture : BoxRecorder {
    explicit EmployeesFixture(int employees = 2) {
        for (int i = 1; i <= employees; ++i)
            db.exec(QStringLiteral("INSERT INTO Employees (FirstName, Title) VALUES ('First%1', "
                                   "'Clerk')")
                        .arg(i));
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        w.Form_Load();
        shown = show(w);
    }
    ~EmployeesFixture() {
        clearAnswers();
        rsEmployees.reset(); // it outlives its window, not the database
    }
    QVariant stored(int id, const char* field) const {
        return db.scalar(
            QStringLiteral("SELECT %1 FROM Employees WHERE EmployeeID = %2").arg(field).arg(id));
    }
    int count() const { return db.scalar("SELECT count(*) FROM Employees").toInt(); }
    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }

    TempDatabase db;
    EmployeesWindow w;
    bool shown = false;
};

} // namespace

class TestEmployeesWindow : public QObject {
    Q_OBJECT

private slots:
    void columns() {
        EmployeesFixture f;
        QVERIFY(f.shown);
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(captions(f.w), (QStringList{"First Name", "Last Name", "Title", "Work Phone",
                                             "Extension", "Email Name"}));
        QList<int> widths;
        for (const char* field :
             {"FirstName", "LastName", "Title", "WorkPhone", "Extension", "EmailName"})
            widths << f.w.grid()->columnWidth(f.w.grid()->columnOf(field));
        QList<int> expected;
        for (int twips : {1200, 1500, 2000, 1500, 1000, 2000})
            expected << quarvel::platform::Twips::toPixels(twips, Qt::Horizontal, &f.w);
        QCOMPARE(widths, expected);
        QCOMPARE(f.w.grid()->currentIndex().row(), 0);
    }

    void workPhoneMask_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        // Seven to ten digits take the mask; what the mask would lose stays as typed.
        const std::pair<const char*, const char*> cases[] = {{"5551234567", "(555) 123-4567"},
                                                             {"555.123.4567", "(555) 123-4567"},
                                                             {"(555)123-4567", "(555) 123-4567"},
                                                             {"123-4567", "(   ) 123-4567"},
                                                             {"555-123-4567 x12", nullptr},
                                                             {"+44 20 7946 0958", nullptr},
                                                             {"1 555 123 4567", nullptr},
                                                             {"n/a", nullptr},
                                                             {"12-3456", nullptr}};
        for (const auto& [typed, written] : cases)
            QTest::newRow(typed) << QString(typed) << QString(written ? written : typed);
    }

    void workPhoneMask() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        EmployeesFixture f;
        typeInCell(f.w, 0, "WorkPhone", typed);
        QCOMPARE(cellText(f.w, 0, "WorkPhone"), written);
        QTest::keyClick(f.w.grid(), Qt::Key_Down); // writes the row left
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(f.stored(1, "WorkPhone").toString(), written);
    }

    void addAndDelete() {
        EmployeesFixture f;
        f.click(f.w.addButton());
        QCOMPARE(f.count(), 3);
        QCOMPARE(f.w.grid()->currentIndex().row(), 2);
        QCOMPARE(cellText(f.w, 2, "FirstName"), QStringLiteral("New Employee"));
        // Another cell typed: the empty work phone stays empty.
        typeInCell(f.w, 2, "Title", "Buyer");
        QTest::keyClick(f.w.grid(), Qt::Key_Up);
        QCOMPARE(f.stored(3, "Title"), QVariant("Buyer"));
        QVERIFY(f.stored(3, "WorkPhone").isNull());

        // The question names the first name; a row used by an order is not deleted.
        f.db.exec("INSERT INTO [Purchase Orders] (EmployeeID) VALUES (2)");
        f.answerNext(QMessageBox::Yes);
        f.click(f.w.deleteButton());
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral("Do you really want to delete this Employee ?\nFor: First2"));
        QVERIFY2(f.boxes[1].text.startsWith("This row of 'Employees' cannot be deleted: 1 row "
                                            "of 'Purchase Orders' still refers to it.\n"),
                 qPrintable(f.boxes[1].text));
        QVERIFY(f.boxes[1].text.contains("Form6.PushButton1_Click at line 108\n"));
        QCOMPARE(f.w.grid()->currentIndex().row(), 1);
        QCOMPARE(f.count(), 3);

        // No is the default; Yes deletes and shows the first row.
        f.click(f.w.dc3()->lastButton());
        f.takeBoxes();
        f.click(f.w.deleteButton());
        QCOMPARE(f.boxes.value(0).defaultButton, QMessageBox::No);
        QCOMPARE(f.count(), 3);
        f.answerNext(QMessageBox::Yes);
        f.click(f.w.deleteButton());
        QCOMPARE(f.count(), 2);
        QCOMPARE(f.w.grid()->currentIndex().row(), 0);
    }

    void deleteOfTheLastRowThenWithNoRow() {
        EmployeesFixture f(1);
        f.answerNext(QMessageBox::Yes);
        f.click(f.w.deleteButton());
        f.click(f.w.deleteButton());
        QCOMPARE(f.count(), 0);
        QCOMPARE(f.texts(),
                 QStringList{"Do you really want to delete this Employee ?\nFor: First1"});
    }

    void closingAsksAboutAGridEditNotYetWritten() {
        // Nothing typed: no question, and a stored number is not masked behind the user's back.
        EmployeesFixture e;
        e.db.exec("UPDATE Employees SET WorkPhone = '555.123.4567'");
        e.w.Form_Load();
        QVERIFY(e.w.close());
        QVERIFY(e.boxes.isEmpty());
        QCOMPARE(e.stored(1, "WorkPhone"), QVariant("555.123.4567"));

        // A write that fails keeps the window open with the edit; No then drops it.
        EmployeesFixture f;
        typeInCell(f.w, 1, "Title", "Buyer");
        f.db.exec("UPDATE Employees SET Title = 'Manager' WHERE EmployeeID = 2");
        f.answerNext(QMessageBox::Yes);
        QVERIFY(!f.w.close());
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[0].text, QStringLiteral("  Employee is changed.\nDo you want to save "
                                                 "your changes for \nEmployees\n (choose Yes or "
                                                 "No)."));
        QVERIFY(f.boxes[1].text.contains("Form6.Form_QueryUnload at line 102\n"));
        QCOMPARE(cellText(f.w, 1, "Title"), QStringLiteral("Buyer"));
        f.answerNext(QMessageBox::No);
        QVERIFY(f.w.close());
        QCOMPARE(f.stored(2, "Title"), QVariant("Manager"));

        // Yes writes what an editor still open holds, the mask included.
        EmployeesFixture g;
        typeInCell(g.w, 1, "WorkPhone", "555 123 4567", false);
        g.answerNext(QMessageBox::Yes);
        QVERIFY(g.w.close());
        QCOMPARE(g.stored(2, "WorkPhone"), QVariant("(555) 123-4567"));
    }

    void theCurrentRowStaysInView() {
        EmployeesFixture f(60);
        f.click(f.w.addButton());
        QVERIFY(f.w.grid()->viewport()->rect().contains(f.w.grid()->cellRect(60, 1)));
        f.click(f.w.dc3()->firstButton());
        QVERIFY(f.w.grid()->viewport()->rect().contains(f.w.grid()->cellRect(0, 1)));
    }
};

QTEST_MAIN(TestEmployeesWindow)
#include "tst_employeeswindow.moc"
