#include "platform/UpdateFreeze.h"

#include <QtTest>

using quarvel::platform::UpdateFreeze;

class TestUpdateFreeze : public QObject {
    Q_OBJECT

private slots:
    void nestedGuardsThawOnlyAtTheOutermost() {
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
    }

    void widgetFrozenBeforeStaysFrozen() {
        QWidget window;
        window.setUpdatesEnabled(false);
        { UpdateFreeze guard(&window); }
        QVERIFY(!window.updatesEnabled());
    }
};

QTEST_MAIN(TestUpdateFreeze)
#include "tst_updatefreeze.moc"
