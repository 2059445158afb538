#include "shell/Trap.h"

#include "BoxRecorder.h"
#include "data/DatabaseError.h"

#include <QGuiApplication>
#include <QtTest>
#include <stdexcept>

using namespace quarvel;
using namespace quarvel::shell;

namespace {

// A procedure without a trap of its own.
void untrappedCallee(int& reached) {
    reached = 1;
    throw DatabaseError(QStringLiteral("Field 'ProductName' cannot be empty"));
}

const QString tail = QStringLiteral("Please email screenshot of this message to "
                                    "support@quarvel.example");

} // namespace

class TestTrap : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Quarvel")); }

    void eachFailureShowsOneWarningBoxAtItsLineAndGoesOn() {
        // A failure inside an untrapped callee and an unknown exception are reported at the
        // trapped caller's line, and the procedure goes on.
        BoxRecorder recorder;
        Trap trap(QStringLiteral("Form8"), QStringLiteral("PushButton8_Click"));
        int reached = 0;
        QVERIFY(!trap(102, [&] { untrappedCallee(reached); }));
        QVERIFY(!trap(106, [] { throw 42; }));
        int afterwards = 0;
        QVERIFY(trap(108, [&] { afterwards = 108; }));
        QCOMPARE(reached, 1);
        QCOMPARE(afterwards, 108);
        QCOMPARE(trap.failures(), 2);
        QCOMPARE(recorder.boxes.size(), 2);
        const BoxRecorder::Box& box = recorder.boxes.first();
        QCOMPARE(box.title, QStringLiteral("Application Error"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // As shown: CR LF and each CR became a line break, so one empty line before the tail.
        QCOMPARE(box.text, QStringLiteral("Field 'ProductName' cannot be empty\nin "
                                          "Quarvel2021/08/31.Form8.PushButton8_Click at "
                                          "line 102\n\n") +
                               tail);
        QVERIFY(recorder.boxes[1].text.startsWith(
            QStringLiteral("Unknown error\nin Quarvel2021/08/31.Form8.PushButton8_Click at "
                           "line 106\n")));
    }

    void untrappedFailureShowsPlainBox() {
        BoxRecorder recorder;
        bool after = false;
        QVERIFY(
            !catchAndReport(nullptr, [] { throw std::runtime_error("Daten gesperrt: \xc3\xa4"); }));
        QVERIFY(catchAndReport(nullptr, [&] { after = true; }));
        QVERIFY(after);
        // A slot wrapped with guarded() swallows its failure too, whatever the signal passes.
        QObject sender;
        QStringList seen;
        connect(&sender, &QObject::objectNameChanged, &sender,
                guarded(nullptr, [&](const QString& name) {
                    seen << name;
                    throw DatabaseError(QStringLiteral("combo failed"));
                }));
        sender.setObjectName(QStringLiteral("dcbCategoryID"));
        QCOMPARE(seen, QStringList{QStringLiteral("dcbCategoryID")});
        QCOMPARE(recorder.texts(),
                 QStringList({QString::fromUtf8("Daten gesperrt: \xc3\xa4"), "combo failed"}));
        for (const BoxRecorder::Box& box : recorder.boxes) {
            QCOMPARE(box.title, QStringLiteral("Quarvel"));
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
    }
};

QTEST_MAIN(TestTrap)
#include "tst_trap.moc"
