// The shell's plumbing: the application title, FileExists, the error traps and their boxes,
// and the window base with its table of windows opened by name.

#include "BoxRecorder.h"
#include "data/DatabaseError.h"
#include "shell/ApplicationTitle.h"
#include "shell/FileExists.h"
#include "shell/FormWindow.h"
#include "shell/Trap.h"
#include "shell/WindowTable.h"

#include <QApplication>
#include <QLabel>
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

} // namespace

class TestShellBasics : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(applicationTitleFor(name), title);
        SetApplicationTitle(name);
        QCOMPARE(QCoreApplication::applicationName(), title);
    }

    void filesAndFoldersExist() {
        QTemporaryDir dir;
        QVERIFY(FileExists(dir.path()));
        QFile file(dir.filePath(QStringLiteral("HAND-M.CUR")));
        QVERIFY(!FileExists(file.fileName()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(FileExists(file.fileName())); // an empty file exists too
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(QString(QChar(0)) + QStringLiteral("abc")));
    }

    void eachTrappedFailureShowsOneWarningBoxAtItsLineAndGoesOn() {
        QCoreApplication::setApplicationName(QStringLiteral("Quarvel"));
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
        const BoxRecorder::Box& box = recorder.boxes.first();
        QCOMPARE(box.title, QStringLiteral("Application Error"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // As shown: CR LF and each CR became a line break, so one empty line before the tail.
        QCOMPARE(box.text, "Field 'ProductName' cannot be empty\nin Quarvel2021/08/31.Form8."
                           "PushButton8_Click at line 102\n\nPlease email screenshot of this "
                           "message to support@quarvel.example");
        QVERIFY(recorder.boxes[1].text.startsWith(
            "Unknown error\nin Quarvel2021/08/31.Form8.PushButton8_Click at line 106\n"));
    }

    void untrappedFailureShowsPlainBox() {
        QCoreApplication::setApplicationName(QStringLiteral("Quarvel"));
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
        QCOMPARE(recorder.texts(),
                 QStringList({QString::fromUtf8("Daten gesperrt: \xc3\xa4"), "combo failed"}));
        for (const BoxRecorder::Box& box : recorder.boxes) {
            QCOMPARE(box.title, QStringLiteral("Quarvel"));
            QCOMPARE(box.icon, QMessageBox::Critical);
        }
    }

    void windowsOpenByNameLoadedAndModalOverTheirOpener() {
        QStringList opened;
        WindowTable::registerWindow("Form5", [&](QWidget*) { opened << "first"; });
        const auto previous =
            WindowTable::registerWindow("Form5", [&](QWidget*) { opened << "second"; });
        WindowTable::openWindow("Form5", nullptr);
        WindowTable::openWindow("Form4", nullptr); // none: nothing opens
        previous(nullptr);
        QCOMPARE(opened, (QStringList{"second", "first"}));

        // The program folder is handed down to the windows a window opens.
        Probe opener(QStringLiteral("/srv/shop"));
        WindowTable::registerWindow("Form9", WindowTable::modal<Probe>());
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
        WindowTable::openWindow("Form9", new QWidget(&opener));
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

QTEST_MAIN(TestShellBasics)
#include "tst_shellbasics.moc"
