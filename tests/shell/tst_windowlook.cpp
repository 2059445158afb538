// How a window looks and answers the mouse: the colour schemes and the skin file beside the
// program, and the hover convention with the hand cursor read from HAND-M.CUR.

#include "BoxRecorder.h"
#include "shell/HoverFeedback.h"
#include "shell/WindowLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

using namespace quarvel::shell;

namespace {

// A window with one control of each kind that matters to the colour schemes. With hover, laid
// out like the Products window's hover table: buttons and the combo Hand, the text box Reset,
// the window Reset-and-clear, the title label Clear.
struct Window {
    QWidget window;
    QFrame* frame = new QFrame(&window);
    QLabel* label = new QLabel(QStringLiteral("Product Name:"), frame);
    QLabel* title = new QLabel(QStringLiteral("Chai"), &window);
    QGroupBox* group = new QGroupBox(&window);
    QCheckBox* check = new QCheckBox(group);
    QRadioButton* option = new QRadioButton(group);
    QWidget* picture = new QWidget(&window);
    QLabel* pictureLabel = new QLabel(picture);
    QLineEdit* edit = new QLineEdit(&window);
    QComboBox* combo = new QComboBox(&window);
    QPushButton* button = new QPushButton(QStringLiteral("Save Product"), &window);
    QTableView* grid = new QTableView(&window);
    QStandardItemModel model{2, 2};
    int clears = 0;

    explicit Window(bool hover = false) {
        grid->setModel(&model);
        combo->setEditable(true);
        if (!hover)
            return;
        auto clear = [this] {
            ++clears;
        };
        HoverFeedback::attach(button, HoverFeedback::Hand);
        HoverFeedback::attach(combo, HoverFeedback::Hand);
        HoverFeedback::attach(edit, HoverFeedback::Reset);
        HoverFeedback::attach(&window, HoverFeedback::ResetAndClear, clear);
        HoverFeedback::attach(title, HoverFeedback::Clear, clear);
    }
    int pointer() const { return HoverFeedback::mousePointer(&window); }
    Qt::CursorShape shape() const { return window.cursor().shape(); }
};

bool hasBackground(const QWidget* w, const QColor& colour) {
    return w->autoFillBackground() && w->palette().color(QPalette::Window) == colour;
}

void writeSkin(const QTemporaryDir& dir, const QByteArray& contents) {
    QDir(dir.path()).mkpath(QStringLiteral("x"));
    QFile file(dir.filePath(QStringLiteral("x/o.cjs")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

void moveOver(QWidget* w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

class TestWindowLook : public QObject {
    Q_OBJECT

    QTemporaryDir m_programFolder; // with the hand cursor

private slots:
    void initTestCase() {
        QVERIFY(QFile::copy(QStringLiteral(QUARVEL_RESOURCE_DIR "/HAND-M.CUR"),
                            m_programFolder.filePath(QStringLiteral("HAND-M.CUR"))));
    }

    void buttonFaceColorsTheLabelsFramesAndOptions() {
        Window w;
        const QColor editBase = w.edit->palette().color(QPalette::Base);
        SetButtonFaceColors(&w.window);
        for (QWidget* c : QList<QWidget*>{&w.window, w.frame, w.label, w.title, w.group, w.check,
                                          w.option, w.pictureLabel})
            QVERIFY2(hasBackground(c, buttonFaceColor()), c->metaObject()->className());
        QVERIFY(!w.picture->autoFillBackground()); // picture boxes only with the skin
        QVERIFY(!w.button->autoFillBackground());
        QCOMPARE(w.edit->palette().color(QPalette::Base), editBase);
        QVERIFY(!w.grid->autoFillBackground());
        QVERIFY(!w.grid->viewport()->palette().isBrushSet(QPalette::Active, QPalette::Window));
    }

    void withoutSkinFileNothingChangesAndWhiteIsTheScheme() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("x/o.cjs")); // a folder by that name is no skin
        Window w;
        QVERIFY(!ApplySkin(&w.window, dir.path()).found);
        QVERIFY(!w.window.autoFillBackground());
        QVERIFY(w.window.styleSheet().isEmpty());
        setWhiteColors(&w.window);
        QVERIFY(hasBackground(w.label, Qt::white));
    }

    void validSkinGivesButtonFaceAndStyleSheet() {
        QTemporaryDir dir;
        writeSkin(dir, "QPushButton { font-weight: bold; }\nQLabel { color: #102030; }");
        Window w;
        const SkinResult result = ApplySkin(&w.window, dir.path());
        QVERIFY(result.found);
        QVERIFY(result.styleSheetApplied);
        QVERIFY(hasBackground(w.picture, buttonFaceColor()));
        w.label->ensurePolished();
        QCOMPARE(w.label->palette().color(QPalette::WindowText), QColor(0x10, 0x20, 0x30));
    }

    void unparsableSkinKeepsColoursOnly_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage text") << QByteArray("}}} QLabel { color: ; {{{ @@@ ((");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\x80\x81 skin data", 16);
    }

    void unparsableSkinKeepsColoursOnly() {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        writeSkin(dir, contents);
        Window w;
        const SkinResult result = ApplySkin(&w.window, dir.path());
        QVERIFY(result.found);
        QVERIFY(!result.styleSheetApplied);
        QVERIFY(w.window.styleSheet().isEmpty());
        QVERIFY(hasBackground(&w.window, buttonFaceColor()));
        w.window.show(); // and the window still draws
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QVERIFY(!w.window.grab().isNull());
    }

    void handOverButtonsDefaultOverBackground() {
        Window w(true);
        QVERIFY(HoverFeedback::loadHandCursor(&w.window, m_programFolder.path()));
        QCOMPARE(w.pointer(), 0);
        moveOver(w.button);
        QCOMPARE(w.pointer(), 99);
        QCOMPARE(w.shape(), Qt::BitmapCursor);
        QCOMPARE(w.clears, 0); // the button's move did not reach the window
        moveOver(w.frame);     // no handler: the pointer stays as the last handler set it
        QCOMPARE(w.pointer(), 99);
        moveOver(w.title);
        QCOMPARE(w.pointer(), 99);
        QCOMPARE(w.clears, 1);
        moveOver(&w.window);
        QCOMPARE(w.pointer(), 0);
        QCOMPARE(w.shape(), Qt::ArrowCursor);
        QCOMPARE(w.clears, 2);
        moveOver(w.combo->lineEdit()); // inside the combo counts as the combo
        QCOMPARE(w.pointer(), 99);
        moveOver(w.edit);
        QCOMPARE(w.pointer(), 0);
    }

    void hourglassIsNeverOverridden() {
        Window w(true);
        HoverFeedback::loadHandCursor(&w.window, m_programFolder.path());
        HoverFeedback::setMousePointer(&w.window, HoverFeedback::Hourglass);
        moveOver(w.button);
        moveOver(&w.window);
        moveOver(w.edit);
        QCOMPARE(w.pointer(), 11);
        QCOMPARE(w.shape(), Qt::WaitCursor);
        QCOMPARE(w.clears, 1); // the clearing still happens
    }

    void cursorFileMissingOrLoadedLater() {
        QTemporaryDir emptyFolder;
        Window w(true);
        QVERIFY(!HoverFeedback::loadHandCursor(&w.window, emptyFolder.path()));
        moveOver(w.button);
        QCOMPARE(w.pointer(), 99);
        QCOMPARE(w.shape(), Qt::ArrowCursor);
        // Loaded later, the icon shows at once.
        HoverFeedback::loadHandCursor(&w.window, m_programFolder.path());
        QCOMPARE(w.shape(), Qt::BitmapCursor);
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

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
