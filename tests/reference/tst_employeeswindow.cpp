// The Employees window (Form6), which carries the grid editor the Product Categories window
// shares: the work-phone mask on what is typed into the
// grid, adding and deleting, and closing with a grid edit not yet written.

#include "WindowDriver.h"
#include "data/Recordset.h"
#include "reference/EmployeesWindow.h"
#include "shell/Globals.h"

using driver::cellText;
using driver::click;
using driver::typeInCell;

namespace {

QString employees(int count) {
    QStringList rows;
    for (int i = 1; i <= count; ++i)
        rows << QStringLiteral("('First%1', 'Clerk')").arg(i);
    return "INSERT INTO Employees (FirstName, Title) VALUES " + rows.join(',');
}

// An Employees window, loaded and shown, over `count` rows ("First1", ...).
struct EmployeesFixture : WindowDriver<quarvel::reference::EmployeesWindow> {
    explicit EmployeesFixture(int count = 2) : WindowDriver(employees(count)) {}
    ~EmployeesFixture() {
        window.reset();
        session.rsEmployees.reset(); // it outlives its window, not the database
    }
    QVariant employee(int id, const char* field) const {
        return stored(
            QStringLiteral("SELECT %1 FROM Employees WHERE EmployeeID = %2").arg(field).arg(id));
    }
    quarvel::controls::DataGrid* grid() const { return window->grid(); }
    bool inView(int row) const {
        return grid()->viewport()->rect().contains(grid()->cellRect(row, 1));
    }
};

} // namespace

class TestEmployeesWindow : public QObject {
    Q_OBJECT

private slots:
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
        typeInCell(f.grid(), 0, "WorkPhone", typed);
        QCOMPARE(cellText(f.grid(), 0, "WorkPhone"), written);
        QTest::keyClick(f.grid(), Qt::Key_Down); // writes the row left
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(f.employee(1, "WorkPhone").toString(), written);
    }

    // Add shows the new row in view; a row used by an order is not deleted; No is the
    // default; Yes deletes and shows the first row; the last row goes without a report.
    void addAndDelete() {
        EmployeesFixture f(60);
        click(f.window->addButton());
        QCOMPARE(f.grid()->currentIndex().row(), 60);
        QVERIFY(f.inView(60));
        QCOMPARE(cellText(f.grid(), 60, "FirstName"), QStringLiteral("New Employee"));
        // Another cell typed: the empty work phone stays empty.
        typeInCell(f.grid(), 60, "Title", "Buyer");
        QTest::keyClick(f.grid(), Qt::Key_Up);
        QCOMPARE(f.employee(61, "Title"), QVariant("Buyer"));
        QVERIFY(f.employee(61, "WorkPhone").isNull());

        f.db.exec("INSERT INTO [Purchase Orders] (EmployeeID) VALUES (60)");
        f.answerNext(QMessageBox::Yes);
        click(f.window->deleteButton());
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral("Do you really want to delete this Employee ?\nFor: First60"));
        QVERIFY2(f.boxes[1].text.startsWith("This row of 'Employees' cannot be deleted: 1 row "
                                            "of 'Purchase Orders' still refers to it.\n"),
                 qPrintable(f.boxes[1].text));
        QVERIFY(f.boxes[1].text.contains("Form6.PushButton1_Click at line 108\n"));
        QCOMPARE(f.count("Employees"), 61);

        click(f.window->dc3()->lastButton());
        f.takeBoxes();
        click(f.window->deleteButton());
        QCOMPARE(f.boxes.value(0).defaultButton, QMessageBox::No);
        QCOMPARE(f.count("Employees"), 61);
        f.answerNext(QMessageBox::Yes);
        click(f.window->deleteButton());
        QCOMPARE(f.count("Employees"), 60);
        QCOMPARE(f.grid()->currentIndex().row(), 0);
        QVERIFY(f.inView(0));

        EmployeesFixture one(1);
        one.answerNext(QMessageBox::Yes);
        click(one.window->deleteButton());
        click(one.window->deleteButton()); // no row: nothing to ask about
        QCOMPARE(one.count("Employees"), 0);
        QCOMPARE(one.texts(),
                 QStringList{"Do you really want to delete this Employee ?\nFor: First1"});
    }

    void closingAsksAboutAGridEditNotYetWritten() {
        // Nothing typed: no question, and a stored number is not masked behind the user's back.
        EmployeesFixture e;
        e.db.exec("UPDATE Employees SET WorkPhone = '555.123.4567'");
        e.window->Form_Load();
        QVERIFY(e.window->close());
        QVERIFY(e.boxes.isEmpty());
        QCOMPARE(e.employee(1, "WorkPhone"), QVariant("555.123.4567"));

        // A write that meets another user's change asks; keeping the typing (the default)
        // keeps the window open with the edit; No to the closing question then drops it.
        EmployeesFixture f;
        typeInCell(f.grid(), 1, "Title", "Buyer");
        f.db.exec("UPDATE Employees SET Title = 'Manager' WHERE EmployeeID = 2");
        QVERIFY(!f.window->close()); // answered with the defaults: Yes, then Keep Editing
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[0].text, QStringLiteral("  Employee is changed.\nDo you want to save "
                                                 "your changes for \nEmployees\n (choose Yes or "
                                                 "No)."));
        QVERIFY2(f.boxes[1].text.contains("Title: stored \"Manager\", yours \"Buyer\""),
                 qPrintable(f.boxes[1].text));
        QCOMPARE(cellText(f.grid(), 1, "Title"), QStringLiteral("Buyer"));
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
        QCOMPARE(f.employee(2, "Title"), QVariant("Manager"));

        // Yes writes what an editor still open holds, the mask included.
        EmployeesFixture g;
        typeInCell(g.grid(), 1, "WorkPhone", "555 123 4567", false);
        QVERIFY(g.window->close());
        QCOMPARE(g.employee(2, "WorkPhone"), QVariant("(555) 123-4567"));
    }
};

QTEST_MAIN(TestEmployeesWindow)
#include "tst_employeeswindow.moc"
