#include "shell/WindowLook.h"

#include <QCheckBox>
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

using namespace quarvel::shell;

namespace {

// A window with one control of each kind that matters to the colour schemes.
struct Window {
    QWidget window;
    QFrame* frame = new QFrame(&window);
    QLabel* label = new QLabel(QStringLiteral("Product Name:"), frame);
    QGroupBox* group = new QGroupBox(&window);
    QCheckBox* check = new QCheckBox(group);
    QRadioButton* option = new QRadioButton(group);
    QWidget* picture = new QWidget(&window);
    QLabel* pictureLabel = new QLabel(picture);
    QLineEdit* edit = new QLineEdit(&window);
    QPushButton* button = new QPushButton(QStringLiteral("Save Product"), &window);
    QTableView* grid = new QTableView(&window);
    QStandardItemModel model{2, 2};

    Window() { grid->setModel(&model); }

    QList<QWidget*> coloured() const { return {frame, label, group, check, option, pictureLabel}; }
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

} // namespace

class TestWindowLook : public QObject {
    Q_OBJECT

private slots:
    void buttonFaceColorsTheLabelsFramesAndOptions() {
        Window w;
        const QColor editBase = w.edit->palette().color(QPalette::Base);
        SetButtonFaceColors(&w.window);
        QVERIFY(hasBackground(&w.window, buttonFaceColor()));
        for (QWidget* c : w.coloured()) {
            QVERIFY2(hasBackground(c, buttonFaceColor()), c->metaObject()->className());
        }
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
        const QByteArray sheet = "QPushButton { font-weight: bold; }\nQLabel { color: #102030; }";
        writeSkin(dir, sheet);
        Window w;
        const SkinResult result = ApplySkin(&w.window, dir.path());
        QVERIFY(result.found);
        QVERIFY(result.styleSheetApplied);
        QVERIFY(hasBackground(w.picture, buttonFaceColor()));
        w.window.ensurePolished();
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
};

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
