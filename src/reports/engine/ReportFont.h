#pragma once

#include <QString>

namespace quarvel::reports {

// The font of one report item. Arial is served by Liberation Sans on Linux (same metrics).
struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 9.75;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const ReportFont&) const = default;
};

} // namespace quarvel::reports
