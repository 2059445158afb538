#include "platform/Twips.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <cmath>

namespace quarvel::platform {

double Twips::dpi(Qt::Orientation orientation, const QPaintDevice* device) {
    if (device != nullptr) {
        return orientation == Qt::Horizontal ? device->logicalDpiX() : device->logicalDpiY();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        return orientation == Qt::Horizontal ? screen->logicalDotsPerInchX()
                                             : screen->logicalDotsPerInchY();
    }
    return 96.0;
}

int Twips::toPixels(int twips, Qt::Orientation orientation, const QPaintDevice* device) {
    return static_cast<int>(std::lround(twips * dpi(orientation, device) / perInch));
}

QSize Twips::size(int width, int height, const QPaintDevice* device) {
    return {toPixels(width, Qt::Horizontal, device), toPixels(height, Qt::Vertical, device)};
}

QRect Twips::rect(int left, int top, int width, int height, const QPaintDevice* device) {
    const int x0 = toPixels(left, Qt::Horizontal, device);
    const int y0 = toPixels(top, Qt::Vertical, device);
    const int x1 = toPixels(left + width, Qt::Horizontal, device);
    const int y1 = toPixels(top + height, Qt::Vertical, device);
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace quarvel::platform
