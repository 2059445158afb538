#include "controls/TabStrip.h"

namespace quarvel::controls {

TabStrip::TabStrip(QWidget* parent) : QTabBar(parent) {
    connect(this, &QTabBar::currentChanged, this, [this](int) { emit clicked(); });
}

} // namespace quarvel::controls
