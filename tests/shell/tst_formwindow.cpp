// The window base and the window table: windows opened by name and loaded, the program folder
// handed down to the windows a window opens, closing asked once however a window closes.

#include "shell/FormWindow.h"
#include "shell/WindowTable.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

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

class TestFormWindow : public QObject {
    Q_OBJECT

private slots:
    void windowsOpenByName() {
        QStringList opened;
        WindowTable::registerWindow("Form5", [&](QWidget*) { opened << "first"; });
        const auto previous =
            WindowTable::registerWindow("Form5", [&](QWidget*) { opened << "second"; });
        WindowTable::openWindow("Form5", nullptr);
        WindowTable::openWindow("Form4", nullptr); // none: nothing opens
        previous(nullptr);
        QCOMPARE(opened, (QStringList{"second", "first"}));
        WindowTable::clear();
    }

    void aWindowIsLoadedAndShownModallyOverItsOpener() {
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

QTEST_MAIN(TestFormWindow)
#include "tst_formwindow.moc"
