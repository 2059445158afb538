// The shell: the application title, FileExists, the error traps and their boxes, the window
// base with its table of windows opened by name, the colour schemes and the skin file beside
// the program, and the hover convention with the hand cursor read from HAND-M.CUR.

#include "BoxRecorder.h"
#include "data/DatabaseError.h"
#include "shell/ApplicationTitle.h"
#include "shell/FileExists.h"
#include "shell/FormWindow.h"
#include "shell/HoverFeedback.h"
#include "shell/Trap.h"
#include "shell/WindowLook.h"
#include "shell/WindowTable.h"

#include <QApplication>
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

using namespace quarvel;
using namespace quarvel::shell;

namespace {

class Probe : public FormWindow {
public:
    explicit Probe(const QString& programFolder = QString(), QWidget* parent = nullptr)
        : FormWindow({QStringLiteral("Form9"), QStringLiteral("Probe"), 2880, 1440}, programFolder,
                     parent) {}
    void Form_Load() override { ++loads; }
    using FormWindow::attachHoverByName;

    int loads = 0;
    int queries = 0;
    bool mayClose = true;

protected:
    bool queryUnload() override {
        ++queries;
        return mayClose;
    }
};

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

void moveOver(QWidget* w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

    QTemporaryDir m_programFolder; // with the hand cursor

private slots:
    void initTestCase() {
        QVERIFY(QFile::copy(QStringLiteral(QUARVEL_RESOURCE_DIR "/HAND-M.CUR"),
                            m_programFolder.filePath(QStringLiteral("HAND-M.CUR"))));
    }

    void init() { QCoreApplication::setApplicationName(QStringLiteral("Quarvel")); }

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

    void skinGivesButtonFaceAndOnlyAParsedStyleSheet_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("styled");
        QTest::newRow("style sheet") << QByteArray("QLabel { color: #102030; }") << true;
        QTest::newRow("garbage text") << QByteArray("}}} QLabel { color: ; {{{ @@@ ((") << false;
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\x80\x81 skin data", 16) << false;
    }

    void skinGivesButtonFaceAndOnlyAParsedStyleSheet() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, styled);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("x"));
        QFile file(dir.filePath(QStringLiteral("x/o.cjs")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        Window w;
        const SkinResult result = ApplySkin(&w.window, dir.path());
        QVERIFY(result.found);
        QCOMPARE(result.styleSheetApplied, styled);
        QCOMPARE(w.window.styleSheet().isEmpty(), !styled);
        QVERIFY(hasBackground(&w.window, buttonFaceColor()));
        QVERIFY(hasBackground(w.picture, buttonFaceColor()));
        w.label->ensurePolished();
        QCOMPARE(w.label->palette().color(QPalette::WindowText) == QColor(0x10, 0x20, 0x30),
                 styled);
    }

    // The hand (the arrow until the cursor file is read) over buttons, the default over
    // backgrounds, and the hourglass never overridden.
    void pointerFollowsTheHoverConvention() {
        QTemporaryDir emptyFolder;
        Window w(true);
        QVERIFY(!HoverFeedback::loadHandCursor(&w.window, emptyFolder.path()));
        QCOMPARE(w.pointer(), 0);
        moveOver(w.button);
        QCOMPARE(w.pointer(), 99);
        QCOMPARE(w.shape(), Qt::ArrowCursor);
        QVERIFY(HoverFeedback::loadHandCursor(&w.window, m_programFolder.path()));
        QCOMPARE(w.shape(), Qt::BitmapCursor); // shown at once
        QCOMPARE(w.clears, 0);                 // the button's move did not reach the window
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

        HoverFeedback::setMousePointer(&w.window, HoverFeedback::Hourglass);
        moveOver(w.button);
        moveOver(&w.window);
        moveOver(w.edit);
        QCOMPARE(w.pointer(), 11);
        QCOMPARE(w.shape(), Qt::WaitCursor);
        QCOMPARE(w.clears, 3); // the clearing still happens
    }

    void titleRule_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        // Four words, 38 characters: the first cut happens anyway.
        QTest::newRow("four words under 40") << "Northwind Traders Inventory Management"
                                             << "Northwind Traders Inventory";
        QTest::newRow("cut again while longer than 40")
            << "Inventory Warehouse Purchases Suppliers Employees Shipments"
            << "Inventory Warehouse Purchases Suppliers";
        QTest::newRow("long word then short") << "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQ Stock"
                                              << "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN";
        QTest::newRow("leading blank only") << " Quarvel"
                                            << "Quarvel";
    }

    void titleRule() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        SetApplicationTitle(name);
        QCOMPARE(QCoreApplication::applicationName(), title);
    }

    void filesAndFoldersExist() {
        QTemporaryDir dir;
        QVERIFY(FileExists(dir.path()));
        const QString path = dir.filePath(QStringLiteral("HAND-M.CUR"));
        QVERIFY(!FileExists(path));
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QVERIFY(FileExists(path)); // an empty file exists too
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(QString(QChar(0)) + QStringLiteral("abc")));
    }

    void eachTrappedFailureShowsOneWarningBoxAtItsLineAndGoesOn() {
        BoxRecorder recorder;
        Trap trap(QStringLiteral("Form8"), QStringLiteral("PushButton8_Click"));
        // A failure inside an untrapped callee is reported at the trapped caller's line.
        QVERIFY(!trap(102, [] { throw DatabaseError("Field 'ProductName' cannot be empty"); }));
        QVERIFY(!trap(106, [] { throw 42; }));
        int afterwards = 0;
        QVERIFY(trap(108, [&] { afterwards = 108; }));
        QCOMPARE(afterwards, 108);
        QCOMPARE(trap.failures(), 2);
        QCOMPARE(recorder.boxes.size(), 2);
        // As shown: CR LF and each CR became a line break, so one empty line before the tail.
        QCOMPARE(recorder.boxes[0].text,
                 "Field 'ProductName' cannot be empty\nin Quarvel2021/08/31.Form8."
                 "PushButton8_Click at line 102\n\nPlease email screenshot of this "
                 "message to support@quarvel.example");
        QVERIFY(recorder.boxes[1].text.startsWith(
            "Unknown error\nin Quarvel2021/08/31.Form8.PushButton8_Click at line 106\n"));
    }

    void untrappedFailureShowsPlainBox() {
        BoxRecorder recorder;
        QVERIFY(
            !catchAndReport(nullptr, [] { throw std::runtime_error("Daten gesperrt: \xc3\xa4"); }));
        QVERIFY(catchAndReport(nullptr, [] {}));
        // A slot wrapped with guarded() swallows its failure too, whatever the signal passes.
        QObject sender;
        QStringList seen;
        connect(&sender, &QObject::objectNameChanged, &sender,
                guarded(nullptr, [&](const QString& name) {
                    seen << name;
                    throw DatabaseError(QStringLiteral("combo failed"));
                }));
        sender.setObjectName(QStringLiteral("dcbCategoryID"));
        QCOMPARE(seen, QStringList{"dcbCategoryID"});
        // So does a failing hover action.
        QWidget window;
        HoverFeedback::attach(&window, HoverFeedback::Clear,
                              [] { throw std::runtime_error("highlight failed"); });
        moveOver(&window);
        QCOMPARE(recorder.texts(), QStringList({QString::fromUtf8("Daten gesperrt: \xc3\xa4"),
                                                "combo failed", "highlight failed"}));
        for (const BoxRecorder::Box& box : recorder.boxes) {
            QCOMPARE(box.title, QStringLiteral("Quarvel"));
            QCOMPARE(box.icon, QMessageBox::Critical);
        }
    }

    void windowsOpenByNameLoadedAndModalOverTheirOpener() {
        QStringList opened;
        WindowTable::clear();
        WindowTable::registerWindow(WindowId::Form5, [&](QWidget*) { opened << "first"; });
        WindowTable::registerWindow(WindowId::Form5, [&](QWidget*) { opened << "second"; });
        WindowTable::openWindow(WindowId::Form5, nullptr);
        QCOMPARE(opened, QStringList{"second"});
        // A window nobody registered is a fault that names the window, at once and at start-up.
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 WindowTable::openWindow(WindowId::Form4, nullptr));
        try {
            WindowTable::requireEveryWindow();
            QFAIL("a table without Form2 passed");
        } catch (const std::logic_error& e) {
            QVERIFY2(QString::fromStdString(e.what()).contains("Form2"), e.what());
        }

        // The program folder is handed down to the windows a window opens.
        Probe opener(QStringLiteral("/srv/shop"));
        WindowTable::registerWindow(WindowId::Form9, WindowTable::modal<Probe>());
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* window = dynamic_cast<Probe*>(QApplication::activeModalWidget())) {
                shown = QStringLiteral("%1 %2 loaded %3 in %4")
                            .arg(window->objectName(), window->windowTitle())
                            .arg(window->loads)
                            .arg(window->programFolder());
                window->close();
            }
        });
        WindowTable::openWindow(WindowId::Form9, new QWidget(&opener));
        QCOMPARE(shown, QStringLiteral("Form9 Probe loaded 1 in /srv/shop"));
        WindowTable::clear();
    }

    void hoverByDesignerNameCoversAnArraysMembers() {
        Probe window;
        auto* member = new QLabel(QStringLiteral("Name:"), &window);
        member->setObjectName(QStringLiteral("Label1(3)"));
        auto* other = new QLabel(QStringLiteral("Other"), &window);
        other->setObjectName(QStringLiteral("Label10"));
        other->move(0, 40);
        window.attachHoverByName(HoverFeedback::Hand, {"Label1"});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(other);
        QCOMPARE(HoverFeedback::mousePointer(&window), int(HoverFeedback::Default));
        QTest::mouseMove(member);
        QTRY_COMPARE(HoverFeedback::mousePointer(&window), int(HoverFeedback::Custom));
    }

    void closingIsAskedOnceHoweverTheWindowCloses() {
        Probe window;
        window.mayClose = false;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(window.queries, 2);
        window.mayClose = true;
        window.reject();
        QVERIFY(!window.isVisible());
        window.close();
        QCOMPARE(window.queries, 3);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
