#include "shell/Trap.h"

#include "platform/MessageBox.h"

#include <QGuiApplication>
#include <QtTest>
#include <stdexcept>

using namespace quarvel::shell;
using quarvel::platform::ScopedMessageBoxHandler;

namespace {

struct Box {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Answers every box with OK and keeps what it showed.
class BoxRecorder {
public:
    BoxRecorder()
        : m_handler([this](QMessageBox& box) {
              boxes.append({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
              return QMessageBox::Ok;
          }) {}
    QList<Box> boxes;

private:
    ScopedMessageBoxHandler m_handler;
};

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
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Quarvel")); }

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
        const Box& box = recorder.boxes.first();
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
        BoxRecorder recorder;
        Trap trap(QStringLiteral("Form1"), QStringLiteral("Form_Load"), 102);
        QCOMPARE(trap.line(), 102);
        trap(104, [] { throw std::runtime_error("first"); });
        trap(106, [] {});
        trap(108, [] { throw std::logic_error("second"); });
        int afterwards = 0;
        trap(110, [&] { afterwards = 110; });
        QCOMPARE(afterwards, 110);
        QCOMPARE(trap.failures(), 2);
        QCOMPARE(recorder.boxes.size(), 2);
        QVERIFY(recorder.boxes[0].text.startsWith(QStringLiteral("first\n")));
        QVERIFY(recorder.boxes[0].text.contains(QStringLiteral(" at line 104\n")));
        QVERIFY(recorder.boxes[1].text.startsWith(QStringLiteral("second\n")));
        QVERIFY(recorder.boxes[1].text.contains(QStringLiteral(" at line 108\n")));
    }

    void calleeFailureIsReportedAtCallersLine() {
        BoxRecorder recorder;
        Trap trap(QStringLiteral("Form8"), QStringLiteral("PushButton8_Click"));
        int reached = 0;
        trap(114, [&] { untrappedCallee(reached); });
        QCOMPARE(reached, 1);
        QCOMPARE(recorder.boxes.size(), 1);
        QVERIFY(recorder.boxes[0].text.startsWith(
            QStringLiteral("Field 'ProductName' cannot be empty\nin "
                           "Quarvel2021/08/31.Form8.PushButton8_Click at line 114\n")));
    }

    void unknownExceptionIsReportedToo() {
        BoxRecorder recorder;
        Trap trap(QStringLiteral("Form3"), QStringLiteral("PushButton4_Click"));
        QVERIFY(!trap(102, [] { throw 42; }));
        QCOMPARE(recorder.boxes.size(), 1);
        QVERIFY(recorder.boxes[0].text.startsWith(Trap::unknownErrorText() + u'\n'));
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
