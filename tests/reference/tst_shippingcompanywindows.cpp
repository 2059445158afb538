// The editors built on the Suppliers window, Shipping Methods (Form4) and My Company
// Information (Form7), driven as a user; and the three windows opened by their names.

#include "SingleRecordFixture.h"
#include "app/ProgramWindows.h"
#include "reference/CompanyInformationWindow.h"
#include "reference/ShippingMethodsWindow.h"
#include "shell/HoverFeedback.h"
#include "shell/WindowTable.h"

#include <QTimer>

using quarvel::shell::HoverFeedback;
using Shipping = SingleRecordFixture<quarvel::reference::ShippingMethodsWindow>;
using Company = SingleRecordFixture<quarvel::reference::CompanyInformationWindow>;

namespace {

QString storedCompany(const Company& f, const char* field) {
    return f.db.scalar(QStringLiteral("SELECT %1 FROM [My Company Information]").arg(field))
        .toString();
}

} // namespace

class TestShippingCompanyWindows : public QObject {
    Q_OBJECT

private slots:
    void shippingMethodsAreNamedByTheirBoxAsEdited() {
        Shipping f("INSERT INTO [Shipping Methods] (ShippingMethod) VALUES ('Ground'), ('Air');"
                   "INSERT INTO [Purchase Orders] (ShippingMethodID) VALUES (1)");
        QCOMPARE(f.id(), QStringLiteral("1"));
        QTest::mouseMove(f.window->box(0)); // the box shows the hand, as the buttons do
        QTRY_COMPARE(HoverFeedback::mousePointer(f.window.get()), int(HoverFeedback::Custom));
        f.retype(0, "Ground Freight");
        f.click(1);
        QCOMPARE(f.boxes.value(0).text, QStringLiteral("Ground Freight\n   saved."));

        // Refused: the method is used by an order; it stays, named as typed.
        f.retype(0, "Ground Mail");
        f.answerNext(QMessageBox::Yes);
        f.click(2);
        QCOMPARE(f.boxes.value(1).text, QStringLiteral("Do you really want to delete this "
                                                       "Shipping Method ?\nFor: Ground Mail"));
        QCOMPARE(f.boxes.value(1).defaultButton, QMessageBox::No);
        QCOMPARE(trapLocation(f.boxes.value(2)),
                 QStringLiteral("Form4.PushButton2_Click at line 104"));
        QCOMPARE(f.count("[Shipping Methods]"), 2);

        f.click(3);
        QCOMPARE(f.line(0)->text() + ' ' + f.id(), QStringLiteral("New Shipping Method 3"));
        f.retype(0, "Sea");
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
        QVERIFY(f.boxes.value(3).text.startsWith("  Shipping Method is changed.\nDo you want to "
                                                 "save your changes for \nShipping Methods\n"));
        QCOMPARE(f.count("[Shipping Methods] WHERE ShippingMethod = 'Sea'"), 0);

        // With no method at all, Save reports the missing row and claims nothing.
        Shipping empty;
        empty.click(1);
        QCOMPARE(empty.boxes.size(), 1);
        QCOMPARE(trapLocation(empty.boxes[0]),
                 QStringLiteral("Form4.PushButton1_Click at line 102"));
    }

    void companyInformationSavesAndWritesSilentlyOnClose() {
        Company f;
        QCOMPARE(f.heading(), QStringLiteral("Edit Company Information"));
        QCOMPARE(f.line(0)->text(), QStringLiteral("Test Company"));
        QVERIFY(!f.window->dc()->isVisible());
        f.click(1);
        QCOMPARE(f.takeBoxes().value(0).text, QStringLiteral("Company Information saved."));
        f.retype(5, "Capital City");
        QVERIFY(f.window->close());
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(storedCompany(f, "City"), QStringLiteral("Capital City"));
    }

    void companyWriteFailingOnCloseKeepsTheWindow() {
        Company f;
        f.retype(5, "Capital City");
        f.db.exec("UPDATE [My Company Information] SET Country = 'Elsewhere'"); // another user
        QVERIFY(!f.window->close());
        QCOMPARE(trapLocation(f.boxes.value(0)),
                 QStringLiteral("Form7.Form_QueryUnload at line 102"));
        QCOMPARE(f.line(5)->text(), QStringLiteral("Capital City"));
        // Closing again asks; No drops the edit and closes.
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
        QCOMPARE(f.boxes.value(1).title, QStringLiteral("Question"));
        QCOMPARE(storedCompany(f, "City"), QString());
    }

    void emptyCompanyTableGetsItsRowOnTheFirstSave() {
        const char* empty = "DELETE FROM [My Company Information]";
        Company untouched(empty);
        QVERIFY(untouched.boxes.isEmpty());
        QVERIFY(untouched.window->close());
        QCOMPARE(untouched.count("[My Company Information]"), 0);

        Company f(empty);
        f.retype(0, "Fresh Start Ltd");
        f.click(1);
        QCOMPARE(f.boxes.value(0).text, QStringLiteral("Company Information saved."));
        QCOMPARE(storedCompany(f, "min(CompanyName) || '/' || count(*)"),
                 QStringLiteral("Fresh Start Ltd/1"));
    }

    void windowsOpenByTheirDesignerNames() {
        TempDatabase db;
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        quarvel::registerProgramWindows();
        QStringList shown;
        for (const char* name : {"Form5", "Form4", "Form7"}) {
            QTimer::singleShot(0, [&shown] {
                QWidget* modal = QApplication::activeModalWidget();
                shown << (modal ? modal->objectName() + ' ' + modal->windowTitle() : QString());
                if (modal)
                    modal->close();
            });
            quarvel::shell::WindowTable::openWindow(QLatin1String(name), nullptr);
        }
        QCOMPARE(shown, (QStringList{"Form5 Suppliers", "Form4 Shipping Methods",
                                     "Form7 My Company Information"}));
    }
};

QTEST_MAIN(TestShippingCompanyWindows)
#include "tst_shippingcompanywindows.moc"
