#include "ReportText.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextLayout>
#include <cmath>

namespace quarvel::reports {

QFont ReportText::qfont(const ReportFont& font) {
    QFont f(font.family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * 20))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

int ReportText::lineHeight(const QFont& font) {
    return static_cast<int>(std::ceil(QFontMetricsF(font).lineSpacing()));
}

double ReportText::width(const QString& text, const QFont& font) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

QStringList ReportText::wrap(const QString& text, const QFont& font, int width) {
    return wrap(text, font, QFontMetricsF(font), width);
}

QStringList ReportText::wrap(const QString& text, const QFont& font, const QFontMetricsF& metrics,
                             int width) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    static const QRegularExpression trailingBlanks(QStringLiteral("\\s+$"));
    const bool oneParagraph = !text.contains(u'\n') && !text.contains(u'\r');
    if (oneParagraph && width > 0 && metrics.horizontalAdvance(text) <= width) {
        QString line = text;
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        return {line};
    }
    QStringList lines;
    for (const QString& paragraph : oneParagraph ? QStringList{text} : text.split(breaks)) {
        if (paragraph.trimmed().isEmpty() || width <= 0) {
            lines << QString(paragraph).remove(trailingBlanks);
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back().isSpace())
                part.chop(1);
            lines << part;
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace quarvel::reports
