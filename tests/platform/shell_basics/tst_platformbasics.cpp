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
#include <QImageReader>
#include <QtTest>

using namespace quarvel::platform;

namespace {

const QString handPath = QStringLiteral(QUARVEL_RESOURCE_DIR "/HAND-M.CUR");

// What a box showed, with its buttons' accessible names, read while it was up.
struct Shown : BoxRecorder::Box {
    QStringList names = {};
    Qt::WindowModality modality = Qt::NonModal;
    Qt::TextFormat format = Qt::AutoText;
};

Shown showAndRead(const QString& text, int style, const QString& title = {}) {
    Shown s;
    ScopedMessageBoxHandler handler([&](QMessageBox& box) {
        s = Shown{BoxRecorder::read(box)};
        for (QAbstractButton* b : box.buttons())
            s.names << b->accessibleName();
        s.names.sort();
        s.modality = box.windowModality();
        s.format = box.textFormat();
        return QMessageBox::No;
    });
    if (msgBox(nullptr, text, style, title) != QMessageBox::No)
        s.title = QStringLiteral("<answer lost>");
    return s;
}

} // namespace

class TestPlatformBasics : public QObject {
    Q_OBJECT

private slots:
    void handCursorLoadsWithFingertipHotspot() {
        const auto cursor = CursorFile::load(handPath);
        QVERIFY(cursor.has_value());
        QCOMPARE(cursor->hotSpot(), QPoint(7, 0));
        const QImage image = cursor->pixmap().toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);              // transparent corner
        QCOMPARE(image.pixelColor(7, 5), QColor(Qt::white)); // inside the finger
        // Qt's ICO plugin must recognise the upper-case suffix too.
        QImageReader reader(handPath);
        QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
    }

    void cursorBytesAreChecked() {
        QFile file(handPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray hand = file.readAll();
        QByteArray moved = hand;
        moved[10] = 3;
        moved[12] = 9; // the hotspot comes from the directory entry
        QCOMPARE(CursorFile::fromBytes(moved)->hotSpot(), QPoint(3, 9));
        QByteArray icon = hand;
        icon[2] = 1; // an icon, not a cursor
        QVERIFY(!CursorFile::hotspot(icon));
        QVERIFY(!CursorFile::fromBytes("not a cursor at all, just text"));
        QVERIFY(!CursorFile::fromBytes(hand.left(30))); // header only, picture cut off
        QVERIFY(!CursorFile::load(QStringLiteral("/nonexistent/HAND-M.CUR")));
    }

    void stylesGiveButtonsIconAndDefault_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        QTest::addColumn<QMessageBox::Icon>("icon");
        const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
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
        const Shown shown = showAndRead(QStringLiteral("Delete?"), style, "Question");
        QCOMPARE(shown.buttons, buttons);
        QCOMPARE(shown.defaultButton, defaultButton);
        QCOMPARE(shown.icon, icon);
        QCOMPARE(shown.title, QStringLiteral("Question"));
        QCOMPARE(shown.modality, Qt::ApplicationModal);
        if (style == 260)
            QCOMPARE(shown.names, (QStringList{"No", "Yes"}));
    }

    void boxWithoutTitleCarriesApplicationTitle() {
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
