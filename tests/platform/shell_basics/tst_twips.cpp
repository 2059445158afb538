#include "platform/Twips.h"

#include <QWidget>
#include <QtTest>

using quarvel::platform::Twips;

class TestTwips : public QObject {
    Q_OBJECT

private slots:
    void oneInchIsTheLogicalDpi() {
        QWidget widget;
        QCOMPARE(Twips::toPixels(1440, Qt::Horizontal, &widget), widget.logicalDpiX());
        QCOMPARE(Twips::toPixels(1440, Qt::Vertical, &widget), widget.logicalDpiY());
        QCOMPARE(quarvel::platform::twipsToPixels(2880), qRound(2 * Twips::dpi(Qt::Horizontal)));
        QCOMPARE(Twips::toPixels(0), 0);
        QCOMPARE(Twips::toPixels(-1440, Qt::Horizontal, &widget), -widget.logicalDpiX());
    }

    void touchingRectsStillTouch() {
        // 1000 twips is not a whole number of pixels at 96 DPI (66.67).
        const QRect left = quarvel::platform::twipsRect(120, 120, 1000, 300);
        const QRect right = quarvel::platform::twipsRect(1120, 120, 1000, 300);
        QCOMPARE(left.right() + 1, right.left());
        QCOMPARE(left.top(), right.top());
    }

    void largeWindowDoesNotOverflow() {
        // The Products window is 10920 x 8790 twips.
        const QSize size = Twips::size(10920, 8790);
        QCOMPARE(size.width(), qRound(10920 * Twips::dpi(Qt::Horizontal) / 1440));
        QCOMPARE(size.height(), qRound(8790 * Twips::dpi(Qt::Vertical) / 1440));
    }
};

QTEST_MAIN(TestTwips)
#include "tst_twips.moc"
