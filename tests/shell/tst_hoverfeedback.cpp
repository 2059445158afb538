#include "shell/HoverFeedback.h"

#include "BoxRecorder.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

using quarvel::shell::HoverFeedback;

namespace {

void moveOver(QWidget* w, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// A window laid out like the Products window's hover table: buttons Hand, text box Reset,
// the window Reset-and-clear, the title label Clear.
struct Window {
    QWidget window;
    QPushButton* button = new QPushButton(QStringLiteral("Save Product"), &window);
    QLineEdit* text = new QLineEdit(&window);
    QLabel* title = new QLabel(QStringLiteral("Chai"), &window);
    QLabel* plain = new QLabel(QStringLiteral("Units on Hand:"), &window);
    QComboBox* combo = new QComboBox(&window);
    int clears = 0;

    Window() {
        combo->setEditable(true);
        auto clear = [this] {
            ++clears;
        };
        HoverFeedback::attach(button, HoverFeedback::Hand);
        HoverFeedback::attach(combo, HoverFeedback::Hand);
        HoverFeedback::attach(text, HoverFeedback::Reset);
        HoverFeedback::attach(&window, HoverFeedback::ResetAndClear, clear);
        HoverFeedback::attach(title, HoverFeedback::Clear, clear);
    }
};

} // namespace

class TestHoverFeedback : public QObject {
    Q_OBJECT

    QTemporaryDir m_programFolder;

private slots:
    void initTestCase() {
        QVERIFY(QFile::copy(QStringLiteral(QUARVEL_RESOURCE_DIR "/HAND-M.CUR"),
                            m_programFolder.filePath(QStringLiteral("HAND-M.CUR"))));
    }

    void handOverButtonsDefaultOverBackground() {
        Window w;
        QVERIFY(HoverFeedback::loadHandCursor(&w.window, m_programFolder.path()));
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 0);

        moveOver(w.button);
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 99);
        QCOMPARE(w.window.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(w.clears, 0); // the button's move did not reach the window

        moveOver(w.plain); // no handler: the pointer stays as the last handler set it
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 99);

        moveOver(w.title);
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 99);
        QCOMPARE(w.clears, 1);

        moveOver(&w.window);
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 0);
        QCOMPARE(w.window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w.clears, 2);

        moveOver(w.combo->lineEdit()); // inside the combo counts as the combo
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 99);
        moveOver(w.text);
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 0);
    }

    void hourglassIsNeverOverridden() {
        Window w;
        HoverFeedback::loadHandCursor(&w.window, m_programFolder.path());
        HoverFeedback::setMousePointer(&w.window, HoverFeedback::Hourglass);
        QCOMPARE(w.window.cursor().shape(), Qt::WaitCursor);
        moveOver(w.button);
        moveOver(&w.window);
        moveOver(w.text);
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 11);
        QCOMPARE(w.window.cursor().shape(), Qt::WaitCursor);
        QCOMPARE(w.clears, 1); // the clearing still happens
    }

    void missingCursorFileShowsTheArrow() {
        QTemporaryDir emptyFolder;
        Window w;
        QVERIFY(!HoverFeedback::loadHandCursor(&w.window, emptyFolder.path()));
        moveOver(w.button);
        QCOMPARE(HoverFeedback::mousePointer(&w.window), 99);
        QCOMPARE(w.window.cursor().shape(), Qt::ArrowCursor);
    }

    void iconLoadedLaterShowsAtOnce() {
        Window w;
        moveOver(w.button);
        HoverFeedback::loadHandCursor(&w.window, m_programFolder.path());
        QCOMPARE(w.window.cursor().shape(), Qt::BitmapCursor);
    }

    void failingClearIsReportedNotThrown() {
        BoxRecorder boxes;
        QWidget window;
        HoverFeedback::attach(&window, HoverFeedback::Clear,
                              [] { throw std::runtime_error("highlight failed"); });
        moveOver(&window);
        QCOMPARE(boxes.texts(), QStringList{"highlight failed"});
    }
};

QTEST_MAIN(TestHoverFeedback)
#include "tst_hoverfeedback.moc"
