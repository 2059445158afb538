#include "platform/Twips.h"

#include <QtTest>

using quarvel::platform::Twips;

class TestTwips : public QObject {
    Q_OBJECT

private slots:
    void touchingRectsStillTouch() {
        // 1000 twips is not a whole number of pixels at 96 DPI (66.67).
        const QRect left = quarvel::platform::twipsRect(120, 120, 1000, 300);
        const QRect right = quarvel::platform::twipsRect(1120, 120, 1000, 300);
        QCOMPARE(left.right() + 1, right.left());
        QCOMPARE(left.top(), right.top());
    }
};

QTEST_MAIN(TestTwips)
#include "tst_twips.moc"
