#pragma once

#include <QRect>
#include <QSize>
#include <Qt>

class QPaintDevice;

namespace quarvel::platform {

// Window and report layouts are given in twips (1440 to the inch). These convert them to
// pixels at the logical DPI of a paint device (a widget), or of the primary screen when no
// device is given (96 DPI when there is no screen at all).
class Twips {
public:
    static constexpr int perInch = 1440;

    static int toPixels(int twips, Qt::Orientation orientation = Qt::Horizontal,
                        const QPaintDevice* device = nullptr);
    static QSize size(int width, int height, const QPaintDevice* device = nullptr);
    // Converts the edges, not the width and height, so that controls that touch in twips
    // still touch in pixels.
    static QRect rect(int left, int top, int width, int height,
                      const QPaintDevice* device = nullptr);
    static double dpi(Qt::Orientation orientation, const QPaintDevice* device = nullptr);
};

inline int twipsToPixels(int twips, Qt::Orientation orientation = Qt::Horizontal) {
    return Twips::toPixels(twips, orientation);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return Twips::rect(left, top, width, height);
}

} // namespace quarvel::platform
