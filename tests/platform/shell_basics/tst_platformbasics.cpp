// The small platform pieces: the hand cursor file, message boxes by style number, twips
// rectangles and the update freeze.

#include "BoxRecorder.h"
#include "platform/CursorFile.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/UpdateFreeze.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QtTest>

using namespace quarvel::platform;

namespace {

// What a box showed, with its buttons' accessible names, read while it was up.
struct Shown : BoxRecorder::Box {
    QStringList names;
    Qt::WindowModality modality = Qt::NonModal;
    Qt::TextFormat format = Qt::AutoText;
};

Shown showAndRead(const QString& text, int style, const QString& title = {}) {
    Shown s;
    ScopedMessageBoxHandler handler([&](QMessageBox& box) {
        s = {BoxRecorder::read(box), {}, box.windowModality(), box.textFormat()};
        for (QAbstractButton* b : box.buttons())
            s.names << b->accessibleName();
        s.names.sort();
        return QMessageBox::No;
    });
    msgBox(nullptr, text, style, title);
    return s;
}

} // namespace

class TestPlatformBasics : public QObject {
    Q_OBJECT

private slots:
    void handCursorFile() {
        QFile file(QStringLiteral(QUARVEL_RESOURCE_DIR "/HAND-M.CUR"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray hand = file.readAll();
        const auto cursor = CursorFile::load(file.fileName());
        QVERIFY(cursor.has_value());
        QCOMPARE(cursor->hotSpot(), QPoint(7, 0));
        const QImage image = cursor->pixmap().toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);              // transparent corner
        QCOMPARE(image.pixelColor(7, 5), QColor(Qt::white)); // inside the finger

        QByteArray moved = hand;
        moved[10] = 3;
        moved[12] = 9; // the hotspot comes from the directory entry
        QCOMPARE(CursorFile::fromBytes(moved)->hotSpot(), QPoint(3, 9));
        QByteArray icon = hand;
        icon[2] = 1; // an icon, not a cursor
        QVERIFY(!CursorFile::hotspot(icon));
        QVERIFY(!CursorFile::fromBytes("not a cursor at all, just text"));
        QVERIFY(!CursorFile::fromBytes(hand.left(30))); // header only, picture cut off
    }

    void boxesShowWhatTheirStyleAndTextSay() {
        using B = QMessageBox;
        const struct {
            int style;
            B::StandardButtons buttons;
            B::StandardButton defaultButton;
            B::Icon icon;
        } cases[] = {
            {260, B::Yes | B::No, B::No, B::NoIcon},
            {48, B::Ok, B::Ok, B::Warning},
            {35, B::Yes | B::No | B::Cancel, B::Yes, B::Question},
            {577, B::Ok | B::Cancel, B::Ok, B::Information}, // third default: out of range
        };
        for (const auto& c : cases) {
            const Shown shown = showAndRead(QStringLiteral("Delete?"), c.style, "Question");
            QCOMPARE(shown.buttons, c.buttons);
            QCOMPARE(shown.defaultButton, c.defaultButton);
            QCOMPARE(shown.icon, c.icon);
            QCOMPARE(shown.title, QStringLiteral("Question"));
            QCOMPARE(shown.modality, Qt::ApplicationModal);
        }
        QCOMPARE(showAndRead("Delete?", 260).names, (QStringList{"No", "Yes"}));

        // Without a title the box carries the application's.
        QCoreApplication::setApplicationName(QStringLiteral("Stock Keeper"));
        const Shown shown = showAndRead(QStringLiteral("<b>Widget</b>\r\n   saved."), 0);
        QCOMPARE(shown.title, QStringLiteral("Stock Keeper"));
        QCOMPARE(shown.text, QStringLiteral("<b>Widget</b>\n   saved."));
        QCOMPARE(shown.format, Qt::PlainText);
        QCOMPARE(shown.names, QStringList{"OK"});
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

    void touchingTwipsRectsStillTouch() {
        // 1000 twips is not a whole number of pixels at 96 DPI (66.67).
        const QRect left = twipsRect(120, 120, 1000, 300);
        const QRect right = twipsRect(1120, 120, 1000, 300);
        QCOMPARE(left.right() + 1, right.left());
        QCOMPARE(left.top(), right.top());
    }

    void nestedFreezesThawOnlyAtTheOutermost() {
        QWidget window;
        QWidget child(&window);
        {
            UpdateFreeze outer(&window);
            {
                UpdateFreeze inner(&window);
                UpdateFreeze innerChild(&child);
            }
            QVERIFY(!window.updatesEnabled());
            QVERIFY(!child.updatesEnabled());
        }
        QVERIFY(window.updatesEnabled());
        QVERIFY(child.updatesEnabled());
        // A widget frozen before stays frozen.
        window.setUpdatesEnabled(false);
        { UpdateFreeze guard(&window); }
        QVERIFY(!window.updatesEnabled());
    }
};

QTEST_MAIN(TestPlatformBasics)
#include "tst_platformbasics.moc"
