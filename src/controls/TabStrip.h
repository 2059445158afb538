#pragma once

#include <QTabBar>

namespace quarvel::controls {

// The tab strip: Qt's tab bar with the platform's 1-based selected index. clicked() fires
// whenever the selected tab changes, by the user or by setSelectedIndex().
class TabStrip : public QTabBar {
    Q_OBJECT

public:
    explicit TabStrip(QWidget* parent = nullptr);

    // 1-based index of the selected tab (0 when there is none).
    int selectedIndex() const { return currentIndex() + 1; }
    void setSelectedIndex(int index) { setCurrentIndex(index - 1); }

signals:
    void clicked();
};

} // namespace quarvel::controls
