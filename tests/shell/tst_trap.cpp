#include "shell/Trap.h"

#include "BoxRecorder.h"

#include <QGuiApplication>
#include <QtTest>
#include <stdexcept>

using namespace quarvel::shell;

namespace {

// A procedure without a trap of its own.
void untrappedCallee(int& reached) {
    reached = 1;
    throw std::runtime_error("Field 'ProductName' cannot be empty");
}

const QString tail = QStringLiteral("Please email screenshot of this message to "
                                    "support@quarvel.example");

} // namespace

class TestTrap : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Quarvel")); }

    void messageTextIsExact() {
        QCOMPARE(Trap::message(QStringLiteral("Disk full"), QStringLiteral("Form5"),
                               QStringLiteral("PushButton1_Click"), 102),
                 QStringLiteral("Disk full\r\nin Quarvel2021/08/31.Form5.PushButton1_Click at "
                                "line 102\r\r") +
                     tail);
        // The description is taken as it is, even when empty or several lines long.
        QCOMPARE(
            Trap::message(QString(), QStringLiteral("Form1"), QStringLiteral("Form_Load"), 1000),
            QStringLiteral("\r\nin Quarvel2021/08/31.Form1.Form_Load at line 1000\r\r") + tail);
    }

    void failureShowsOneWarningBoxAndGoesOn() {
        BoxRecorder recorder;
        Trap trap(QStringLiteral("Form1"), QStringLiteral("PushButton7_Click"));
        QCOMPARE(trap.line(), 100);
        bool laterRan = false;
        QVERIFY(!trap(102, [] { throw std::runtime_error("Daten gesperrt: \xc3\xa4"); }));
        QVERIFY(trap(104, [&] { laterRan = true; }));
        QVERIFY(laterRan);
        QCOMPARE(recorder.boxes.size(), 1);
        const BoxRecorder::Box& box = recorder.boxes.first();
        QCOMPARE(box.title, QStringLiteral("Application Error"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // As shown: CR LF and each CR became a line break, so one empty line before the tail.
        QCOMPARE(box.text, QString::fromUtf8("Daten gesperrt: \xc3\xa4\nin "
                                             "Quarvel2021/08/31.Form1.PushButton7_Click at "
                                             "line 102\n\n") +
                               tail);
    }

    void eachFailureReportsItsOwnLine() {
        // A failure inside an untrapped callee and an unknown exception are reported at the
        // trapped caller's line, and the procedure goes on.
        BoxRecorder recorder;
        Trap trap(QStringLiteral("Form8"), QStringLiteral("PushButton8_Click"), 102);
        QCOMPARE(trap.line(), 102);
        int reached = 0;
        trap(104, [&] { untrappedCallee(reached); });
        trap(106, [] {});
        QVERIFY(!trap(108, [] { throw 42; }));
        int afterwards = 0;
        trap(110, [&] { afterwards = 110; });
        QCOMPARE(reached, 1);
        QCOMPARE(afterwards, 110);
        QCOMPARE(trap.failures(), 2);
        QCOMPARE(recorder.boxes.size(), 2);
        QVERIFY(recorder.boxes[0].text.startsWith(
            QStringLiteral("Field 'ProductName' cannot be empty\nin "
                           "Quarvel2021/08/31.Form8.PushButton8_Click at line 104\n")));
        QVERIFY(recorder.boxes[1].text.startsWith(Trap::unknownErrorText() + u'\n'));
        QVERIFY(recorder.boxes[1].text.contains(QStringLiteral(" at line 108\n")));
    }

    void untrappedFailureShowsPlainBox() {
        BoxRecorder recorder;
        bool after = false;
        QVERIFY(!catchAndReport(nullptr, [] { throw std::runtime_error("grid edit failed"); }));
        QVERIFY(catchAndReport(nullptr, [&] { after = true; }));
        QVERIFY(after);
        QCOMPARE(recorder.boxes.size(), 1);
        QCOMPARE(recorder.boxes[0].title, QStringLiteral("Quarvel"));
        QCOMPARE(recorder.boxes[0].text, QStringLiteral("grid edit failed"));
        QCOMPARE(recorder.boxes[0].icon, QMessageBox::Critical);
    }

    void guardedSlotSwallowsFailures() {
        BoxRecorder recorder;
        QObject sender; // any signal with an argument will do: objectNameChanged(QString)
        QStringList seen;
        connect(&sender, &QObject::objectNameChanged, &sender,
                guarded(nullptr, [&](const QString& name) {
                    seen << name;
                    throw std::runtime_error("combo failed");
                }));
        // A handler taking fewer arguments than the signal gives is fine too.
        int calls = 0;
        connect(&sender, &QObject::objectNameChanged, &sender, guarded(nullptr, [&] { ++calls; }));
        sender.setObjectName(QStringLiteral("dcbCategoryID"));
        QCOMPARE(seen, QStringList{QStringLiteral("dcbCategoryID")});
        QCOMPARE(calls, 1);
        QCOMPARE(recorder.boxes.size(), 1);
        QCOMPARE(recorder.boxes[0].text, QStringLiteral("combo failed"));
    }
};

QTEST_MAIN(TestTrap)
#include "tst_trap.moc"
