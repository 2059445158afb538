// The editors built on the Suppliers window, Shipping Methods (Form4) and My Company
// Information (Form7), driven as a user where they differ from it; and the windows opened by
// their names.

#include "WindowDriver.h"
#include "app/ProgramWindows.h"
#include "reference/CompanyInformationWindow.h"
#include "reference/ShippingMethodsWindow.h"
#include "shell/HoverFeedback.h"
#include "shell/WindowTable.h"

#include <QTimer>

using driver::trapLocation;
using quarvel::shell::HoverFeedback;
using Shipping = WindowDriver<quarvel::reference::ShippingMethodsWindow>;
using Company = WindowDriver<quarvel::reference::CompanyInformationWindow>;

namespace {

QString storedCity(const Company& f) {
    return f.stored("SELECT City FROM [My Company Information]").toString();
}

} // namespace

class TestShippingCompanyWindows : public QObject {
    Q_OBJECT

private slots:
    void shippingMethodsAreNamedByTheirBoxAsEdited() {
        Shipping f("INSERT INTO [Shipping Methods] (ShippingMethod) VALUES ('Ground'), ('Air');"
                   "INSERT INTO [Purchase Orders] (ShippingMethodID) VALUES (1)");
        QTest::mouseMove(f.window->box(0)); // the box shows the hand, as the buttons do
        QTRY_COMPARE(HoverFeedback::mousePointer(f.window.get()), int(HoverFeedback::Custom));
        f.retype(0, "Ground Freight");
        f.click("PushButton1");
        QCOMPARE(f.boxes.value(0).text, QStringLiteral("Ground Freight\n   saved."));

        // Refused: the method is used by an order; it stays, named as typed.
        f.retype(0, "Ground Mail");
        f.answerNext(QMessageBox::Yes);
        f.click("PushButton2");
        QCOMPARE(f.boxes.value(1).text, QStringLiteral("Do you really want to delete this "
                                                       "Shipping Method ?\nFor: Ground Mail"));
        QCOMPARE(f.boxes.value(2).title, QStringLiteral("Application Error"));
        QCOMPARE(f.count("[Shipping Methods]"), 2);

        f.click("PushButton3");
        QCOMPARE(f.line(0)->text(), QStringLiteral("New Shipping Method"));
        f.retype(0, "Sea");
        f.answerNext(QMessageBox::No);
        QVERIFY(f.window->close());
        QVERIFY(f.boxes.value(3).text.startsWith("  Shipping Method is changed.\nDo you want to "
                                                 "save your changes for \nShipping Methods\n"));
        QCOMPARE(f.count("[Shipping Methods] WHERE ShippingMethod = 'Sea'"), 0);
    }

    // No data control and no question on close: Save and closing write at once. A write that
    // fails keeps the window open with the edit; closing again asks, and No drops it.
    void companyInformationWritesOnSaveAndOnClose() {
        Company f;
        QCOMPARE(f.window->heading()->text(), QStringLiteral("Edit Company Information"));
        QVERIFY(!f.window->dc()->isVisible());
        f.click("PushButton1");
        QCOMPARE(f.takeBoxes().value(0).text, QStringLiteral("Company Information saved."));
        f.retype(5, "Capital City");
        QVERIFY(f.window->close());
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(storedCity(f), QStringLiteral("Capital City"));

        Company failing;
        failing.retype(5, "Capital City");
        failing.db.exec("UPDATE [My Company Information] SET Country = 'Elsewhere'");
        QVERIFY(!failing.window->close());
        QCOMPARE(trapLocation(failing.boxes.value(0)),
                 QStringLiteral("Form7.Form_QueryUnload at line 102"));
        QCOMPARE(failing.line(5)->text(), QStringLiteral("Capital City"));
        failing.answerNext(QMessageBox::No);
        QVERIFY(failing.window->close());
        QCOMPARE(failing.boxes.value(1).title, QStringLiteral("Question"));
        QCOMPARE(storedCity(failing), QString());
    }

    void emptyCompanyTableGetsItsRowOnTheFirstSave() {
        const char* empty = "DELETE FROM [My Company Information]";
        Company untouched(empty);
        QVERIFY(untouched.window->close());
        QCOMPARE(untouched.count("[My Company Information]"), 0);

        Company f(empty);
        f.retype(0, "Fresh Start Ltd");
        f.click("PushButton1");
        QCOMPARE(f.texts(), QStringList{"Company Information saved."});
        QCOMPARE(
            f.stored("SELECT min(CompanyName) || '/' || count(*) FROM [My Company Information]"),
            QVariant("Fresh Start Ltd/1"));
    }

    void windowsOpenByTheirDesignerNames() {
        TempDatabase db;
        BoxRecorder boxes; // the empty Purchase Orders table is reported
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        quarvel::shell::Session session;
        quarvel::registerProgramWindows(session);
        QStringList shown;
        using quarvel::shell::WindowId;
        for (const WindowId id :
             {WindowId::Form5, WindowId::Form4, WindowId::Form7, WindowId::Form8}) {
            QTimer::singleShot(0, [&shown] {
                QWidget* modal = QApplication::activeModalWidget();
                shown << (modal ? modal->objectName() + ' ' + modal->windowTitle() : QString());
                if (modal)
                    modal->close();
            });
            quarvel::shell::WindowTable::openWindow(id, nullptr);
        }
        QCOMPARE(shown, (QStringList{"Form5 Suppliers", "Form4 Shipping Methods",
                                     "Form7 My Company Information", "Form8 Purchase Orders"}));
    }
};

QTEST_MAIN(TestShippingCompanyWindows)
#include "tst_shippingcompanywindows.moc"
