// The Employees window (Form6): its column layout, the work-phone mask applied to what is typed
// into the grid, adding and deleting (also refused deletes and an empty table), closing with a
// grid edit not yet written, and the current row kept in view.

#include "GridWindowDriver.h"

#include "BoxRecorder.h"
#include "TempDatabase.h"
#include "data/Recordset.h"
#include "reference/EmployeesWindow.h"
#include "shell/Globals.h"

#include <QPushButton>

using namespace grid_window;
using quarvel::rsEmployees;
using quarvel::reference::EmployeesWindow;
using quarvel::shell::HoverFeedback;

namespace {

// An Employees window, loaded and shown, over a database with `employees` rows ("First1",
// "Last1", ...); every message box recorded and answered.
struct EmployeesFixture : BoxRecorder {
    explicit EmployeesFixture(int employees = 2) {
        for (int i = 1; i <= employees; ++i)
            db.exec(QStringLiteral("INSERT INTO Employees (FirstName, LastName, Title) VALUES "
                                   "('First%1', 'Last%1', 'Clerk')")
                        .arg(i));
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        window = std::make_unique<EmployeesWindow>();
        window->Form_Load();
        shown = show(*window);
    }
    ~EmployeesFixture() {
        clearAnswers();
        window.reset();
        rsEmployees.reset(); // it outlives its window, not the database
    }
    QVariant stored(int id, const char* field) const {
        return db.scalar(
            QStringLiteral("SELECT %1 FROM Employees WHERE EmployeeID = %2").arg(field).arg(id));
    }
    int count() const { return db.scalar("SELECT count(*) FROM Employees").toInt(); }
    void click(QPushButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }

    TempDatabase db;
    std::unique_ptr<EmployeesWindow> window;
    bool shown = false;
};

} // namespace

class TestEmployeesWindow : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTheColumnLayout() {
        EmployeesFixture f;
        QVERIFY(f.shown);
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        EmployeesWindow& w = *f.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Employees"));
        QCOMPARE(captions(w), (QStringList{"First Name", "Last Name", "Title", "Work Phone",
                                           "Extension", "Email Name"}));
        const QList<std::pair<const char*, int>> widths{{"FirstName", 1200}, {"LastName", 1500},
                                                        {"Title", 2000},     {"WorkPhone", 1500},
                                                        {"Extension", 1000}, {"EmailName", 2000}};
        for (const auto& [field, twips] : widths)
            QCOMPARE(w.grid()->columnWidth(w.grid()->columnOf(field)), pixels(twips, &w));
        QCOMPARE(w.grid()->currentIndex().row(), 0);
        QCOMPARE(cellText(w, 0, "FirstName"), QStringLiteral("First1"));
        QCOMPARE(tabChain(w, 4), (QList<QWidget*>{w.grid(), w.addButton(), w.deleteButton(),
                                                  w.dc3()->firstButton()}));
        QVERIFY(pointerBecomes(w, w.addButton(), HoverFeedback::Custom));
        QVERIFY(pointerBecomes(w, &w, HoverFeedback::Default));
        QVERIFY(pointerBecomes(w, w.deleteButton(), HoverFeedback::Custom));
    }

    void workPhoneTypedIsMasked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("ten digits") << "5551234567"
                                    << "(555) 123-4567";
        QTest::newRow("dots") << "555.123.4567"
                              << "(555) 123-4567";
        QTest::newRow("parentheses") << "(555)123-4567"
                                     << "(555) 123-4567";
        QTest::newRow("seven digits") << "123-4567"
                                      << "(   ) 123-4567";
        QTest::newRow("in the mask") << "(555) 123-4567"
                                     << "(555) 123-4567";
        // What the mask would lose stays as typed.
        QTest::newRow("extension") << "555-123-4567 x12"
                                   << "555-123-4567 x12";
        QTest::newRow("international") << "+44 20 7946 0958"
                                       << "+44 20 7946 0958";
        QTest::newRow("eleven digits") << "1 555 123 4567"
                                       << "1 555 123 4567";
        QTest::newRow("no digits") << "n/a"
                                   << "n/a";
        QTest::newRow("six digits") << "12-3456"
                                    << "12-3456";
    }

    void workPhoneTypedIsMasked() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        EmployeesFixture f;
        typeInCell(*f.window, 0, "WorkPhone", typed);
        QCOMPARE(cellText(*f.window, 0, "WorkPhone"), written);
        QTest::keyClick(f.window->grid(), Qt::Key_Down); // writes the row left
        QVERIFY2(f.boxes.isEmpty(), qPrintable(f.boxes.value(0).text));
        QCOMPARE(f.stored(1, "WorkPhone").toString(), written);
    }

    void emptyWorkPhoneStaysEmpty() {
        EmployeesFixture f;
        typeInCell(*f.window, 0, "LastName", "Other");
        QTest::keyClick(f.window->grid(), Qt::Key_Down);
        QCOMPARE(f.stored(1, "LastName").toString(), QStringLiteral("Other"));
        QVERIFY(f.stored(1, "WorkPhone").isNull());
    }

    void addAndDelete() {
        EmployeesFixture f;
        EmployeesWindow& w = *f.window;
        f.click(w.addButton());
        QCOMPARE(f.count(), 3);
        QCOMPARE(w.grid()->currentIndex().row(), 2);
        QCOMPARE(cellText(w, 2, "FirstName"), QStringLiteral("New Employee"));
        for (const char* field : {"LastName", "Title", "WorkPhone", "Extension", "EmailName"})
            QCOMPARE(cellText(w, 2, field), QString());

        // The question names the first name only; No is the default.
        f.answerNext(QMessageBox::No);
        f.click(w.deleteButton());
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral("Do you really want to delete this Employee ?\nFor: New Employee"));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Question"));
        QCOMPARE(f.boxes[0].defaultButton, QMessageBox::No);
        QCOMPARE(f.count(), 3);
        f.answerNext(QMessageBox::Yes);
        f.click(w.deleteButton());
        QCOMPARE(f.count(), 2);
        QCOMPARE(w.grid()->currentIndex().row(), 0);
        QCOMPARE(f.boxes.size(), 2);
    }

    void deleteOfTheLastRowThenWithNoRow() {
        EmployeesFixture f(1);
        f.answerNext(QMessageBox::Yes);
        f.click(f.window->deleteButton());
        QCOMPARE(f.count(), 0);
        QCOMPARE(f.texts(),
                 QStringList{"Do you really want to delete this Employee ?\nFor: First1"});

        // No current row: nothing is asked, nothing is reported.
        f.click(f.window->deleteButton());
        QCOMPARE(f.boxes.size(), 1);
        EmployeesFixture empty(0);
        empty.click(empty.window->deleteButton());
        QVERIFY(empty.boxes.isEmpty());
    }

    void refusedDeleteIsReportedAndTheRowStays() {
        EmployeesFixture f;
        f.db.exec("INSERT INTO [Purchase Orders] (EmployeeID) VALUES (2)");
        QTest::mouseClick(f.window->dc3()->lastButton(), Qt::LeftButton);
        f.answerNext(QMessageBox::Yes);
        f.click(f.window->deleteButton());
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[1].title, QStringLiteral("Application Error"));
        QVERIFY2(f.boxes[1].text.startsWith("This row of 'Employees' cannot be deleted: 1 row "
                                            "of 'Purchase Orders' still refers to it.\n"),
                 qPrintable(f.boxes[1].text));
        QVERIFY(f.boxes[1].text.contains("Form6.PushButton1_Click at line 108\n"));
        QCOMPARE(f.count(), 2);
        QCOMPARE(rsEmployees->AbsolutePosition(), 1);
        QCOMPARE(f.window->grid()->currentIndex().row(), 1);
    }

    void closingAsksAboutAGridEditNotYetWritten() {
        // Nothing typed: no question, and a stored number is not masked behind the user's back.
        EmployeesFixture e;
        e.db.exec("UPDATE Employees SET WorkPhone = '555.123.4567'");
        e.window->Form_Load();
        QVERIFY(e.window->close());
        QVERIFY(e.boxes.isEmpty());
        QCOMPARE(e.stored(1, "WorkPhone").toString(), QStringLiteral("555.123.4567"));

        EmployeesFixture f;
        typeInCell(*f.window, 1, "Title", "Buyer");
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
        QCOMPARE(f.texts(), QStringList{"  Employee is changed.\nDo you want to save your "
                                        "changes for \nQuarvel\n (choose Yes or No)."});
        QCOMPARE(f.stored(2, "Title").toString(), QStringLiteral("Clerk"));

        // Yes writes what was typed, the mask included, with the editor still open.
        EmployeesFixture g;
        typeInCell(*g.window, 1, "WorkPhone", "555 123 4567", false);
        g.answerNext(QMessageBox::Yes);
        QVERIFY(g.window->close());
        QCOMPARE(g.boxes.size(), 1);
        QCOMPARE(g.stored(2, "WorkPhone").toString(), QStringLiteral("(555) 123-4567"));
    }

    void theCurrentRowStaysInView() {
        EmployeesFixture f(60);
        EmployeesWindow& w = *f.window;
        f.click(w.addButton());
        const QRect row = w.grid()->cellRect(60, w.grid()->columnOf("FirstName"));
        QVERIFY(w.grid()->viewport()->rect().contains(row));
        QTest::mouseClick(w.dc3()->firstButton(), Qt::LeftButton);
        QVERIFY(w.grid()->viewport()->rect().contains(w.grid()->cellRect(0, 1)));
    }
};

QTEST_MAIN(TestEmployeesWindow)
#include "tst_employeeswindow.moc"
