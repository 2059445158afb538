#pragma once

#include "ReportFont.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace quarvel::reports {

// Text measurement in twips. A report font becomes a QFont whose pixel size is its size in
// twips (20 per point), which is the font at 1440 dots per inch whatever the screen; the
// painter scales twips to the device, so measuring and painting agree on every device.
class ReportText {
public:
    static QFont qfont(const ReportFont& font);
    // The distance between two baselines of the font, in twips.
    static int lineHeight(const QFont& font);
    // The text broken into lines no wider than `width` twips: at line feeds, then at word
    // boundaries (inside a word only when it alone is too wide). Trailing blanks are dropped.
    static QStringList wrap(const QString& text, const QFont& font, int width);
    // The same with the font's metrics at hand: a single line that fits is not laid out.
    static QStringList wrap(const QString& text, const QFont& font, const QFontMetricsF& metrics,
                            int width);
    // The width of one line of text, in twips.
    static double width(const QString& text, const QFont& font);
};

} // namespace quarvel::reports
