#include "platform/CursorFile.h"

#include <QFile>
#include <QImageReader>
#include <QtTest>

using quarvel::platform::CursorFile;

class TestCursorFile : public QObject {
    Q_OBJECT

    static QByteArray handFile() {
        QFile file(QStringLiteral(QUARVEL_RESOURCE_DIR "/HAND-M.CUR"));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return file.readAll();
    }

private slots:
    void handCursorLoadsWithFingertipHotspot() {
        const auto cursor = CursorFile::load(QStringLiteral(QUARVEL_RESOURCE_DIR "/HAND-M.CUR"));
        QVERIFY(cursor.has_value());
        QCOMPARE(cursor->shape(), Qt::BitmapCursor);
        QCOMPARE(cursor->hotSpot(), QPoint(7, 0));
        const QImage image = cursor->pixmap().toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);              // transparent corner
        QCOMPARE(image.pixelColor(7, 5), QColor(Qt::white)); // inside the finger
    }

    void qtReadsTheFileByItsName() {
        // Windows pick the file up by name; the ICO plugin must recognise the upper-case suffix.
        QImageReader reader(QStringLiteral(QUARVEL_RESOURCE_DIR "/HAND-M.CUR"));
        QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
    }

    void hotspotComesFromTheDirectoryEntry() {
        QByteArray bytes = handFile();
        QVERIFY(!bytes.isEmpty());
        bytes[10] = 3;
        bytes[12] = 9;
        const auto cursor = CursorFile::fromBytes(bytes);
        QVERIFY(cursor.has_value());
        QCOMPARE(cursor->hotSpot(), QPoint(3, 9));
    }

    void notACursorGivesNothing() {
        QByteArray icon = handFile();
        icon[2] = 1; // an icon, not a cursor
        QVERIFY(!CursorFile::hotspot(icon));
        QVERIFY(!CursorFile::fromBytes(QByteArray("not a cursor at all, just text")));
        QVERIFY(!CursorFile::fromBytes(handFile().left(30))); // header only, picture cut off
        QVERIFY(!CursorFile::load(QStringLiteral("/nonexistent/HAND-M.CUR")));
    }
};

QTEST_MAIN(TestCursorFile)
#include "tst_cursorfile.moc"
