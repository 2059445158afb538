#include "BoxRecorder.h"
#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest>

using namespace quarvel::platform;

namespace {

// What a box showed, read while it was up.
struct Shown : BoxRecorder::Box {
    QStringList accessibleNames = {};
    Qt::WindowModality modality = Qt::NonModal;
    Qt::TextFormat format = Qt::AutoText;
};

Shown read(QMessageBox& box) {
    Shown s{BoxRecorder::read(box)};
    for (QAbstractButton* b : box.buttons()) {
        s.accessibleNames << b->accessibleName();
    }
    s.accessibleNames.sort();
    s.modality = box.windowModality();
    s.format = box.textFormat();
    return s;
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void init() { QCoreApplication::setApplicationName(QStringLiteral("Stock Keeper")); }
    void cleanup() { setMessageBoxHandler({}); }

    void stylesGiveButtonsIconAndDefault_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        QTest::addColumn<QMessageBox::Icon>("icon");
        const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("0 ok") << 0 << QMessageBox::StandardButtons(QMessageBox::Ok)
                              << QMessageBox::Ok << QMessageBox::NoIcon;
        QTest::newRow("260 yes/no, no default")
            << 260 << yesNo << QMessageBox::No << QMessageBox::NoIcon;
        QTest::newRow("48 exclamation") << 48 << QMessageBox::StandardButtons(QMessageBox::Ok)
                                        << QMessageBox::Ok << QMessageBox::Warning;
        QTest::newRow("35 yes/no/cancel question")
            << 35 << (yesNo | QMessageBox::Cancel) << QMessageBox::Yes << QMessageBox::Question;
        QTest::newRow("577 ok/cancel info, third default out of range")
            << 577 << (QMessageBox::Ok | QMessageBox::Cancel) << QMessageBox::Ok
            << QMessageBox::Information;
    }

    void stylesGiveButtonsIconAndDefault() {
        QFETCH(int, style);
        QFETCH(QMessageBox::StandardButtons, buttons);
        QFETCH(QMessageBox::StandardButton, defaultButton);
        QFETCH(QMessageBox::Icon, icon);
        Shown shown;
        setMessageBoxHandler([&](QMessageBox& box) {
            shown = read(box);
            return QMessageBox::No;
        });
        QCOMPARE(msgBox(nullptr, QStringLiteral("Delete?"), style, QStringLiteral("Question")),
                 QMessageBox::No);
        QCOMPARE(shown.buttons, buttons);
        QCOMPARE(shown.defaultButton, defaultButton);
        QCOMPARE(shown.icon, icon);
        QCOMPARE(shown.title, QStringLiteral("Question"));
        QCOMPARE(shown.modality, Qt::ApplicationModal);
        if (buttons == (QMessageBox::Yes | QMessageBox::No))
            QCOMPARE(shown.accessibleNames,
                     (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));
    }

    void boxWithoutTitleCarriesApplicationTitle() {
        Shown shown;
        setMessageBoxHandler([&](QMessageBox& box) {
            shown = read(box);
            return QMessageBox::Ok;
        });
        msgBox(nullptr, QStringLiteral("<b>Widget</b>\r\n   saved."));
        QCOMPARE(shown.title, QStringLiteral("Stock Keeper"));
        QCOMPARE(shown.text, QStringLiteral("<b>Widget</b>\n   saved."));
        QCOMPARE(shown.format, Qt::PlainText);
        QCOMPARE(shown.accessibleNames, QStringList{QStringLiteral("OK")});
    }

    void lineBreaksBecomeOneNewlineEach() {
        QCOMPARE(toDisplayText(QStringLiteral("a\r\nb\r\rc\nd\r")),
                 QStringLiteral("a\nb\n\nc\nd\n"));
    }

    void scopedHandlerPutsPreviousBack() {
        setMessageBoxHandler([](QMessageBox&) { return QMessageBox::Yes; });
        {
            ScopedMessageBoxHandler inner([](QMessageBox&) { return QMessageBox::No; });
            QCOMPARE(msgBox(nullptr, QStringLiteral("?"), 4), QMessageBox::No);
        }
        QCOMPARE(msgBox(nullptr, QStringLiteral("?"), 4), QMessageBox::Yes);
    }

    void realBoxReturnsTheClickedButton() {
        // Without a handler the box really runs; answer it from the event loop.
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answer.stop();
                box->button(QMessageBox::No)->click();
            }
        });
        answer.start(10);
        QCOMPARE(msgBox(nullptr, QStringLiteral("Really?"), 4), QMessageBox::No);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
