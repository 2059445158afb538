#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

namespace quarvel::reports {

// One positioned element of a laid-out page, everything resolved: geometry in twips from the
// top-left corner of the paper, the text already formatted, substituted and wrapped.
struct LaidOutItem {
    enum class Kind { Text, Line, Rect };

    Kind kind = Kind::Text;
    QString name;    // the report item's designer name
    QString section; // the section's designer name
    QRect rect;      // Line: from topLeft to (left + width, top + height)
    QStringList lines;
    QFont font; // pixel size in twips
    int lineHeight = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor color; // text, line or border colour
    QColor fill;  // Rect: invalid when not filled
    int lineWidth = 0;

    QString text() const { return lines.join(u'\n'); }
};

} // namespace quarvel::reports
