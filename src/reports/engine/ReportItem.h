#pragma once

#include "ReportFont.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>

namespace quarvel::reports {

// One control of a report section. Geometry is in twips, relative to the left edge of the
// printable area and to the top of the section. Items are built with the static makers and
// adjusted with the chained setters, e.g.
//   ReportItem::field("Text2", {5490, 0, 1755, 285}, "Avg Unit Price").right().formatted("$##0.00")
struct ReportItem {
    enum class Kind { Label, Field, Sum, Line, Shape };
    // Which row a field or sum reads. Automatic: the child row in the detail section of a
    // master/detail report, the master row everywhere else.
    enum class Source { Automatic, Master, Child };

    // Changes to the report's default font; unset members keep the default.
    struct FontChange {
        std::optional<QString> family;
        std::optional<double> pointSize;
        std::optional<bool> bold;
        std::optional<bool> italic;
        std::optional<bool> underline;
        ReportFont applyTo(ReportFont font) const;
    };

    Kind kind = Kind::Label;
    QString name;
    QRect rect;
    QString caption;   // Label: text, may hold the runtime codes %D, %T, %p and %P
    QString dataField; // Field and Sum: the column name
    Source source = Source::Automatic;
    QString format; // empty: the general form
    Qt::Alignment alignment = Qt::AlignLeft;
    bool canGrow = false; // may wrap onto more lines than its height holds, pushing the section
    FontChange fontChange;
    QColor foreColor = Qt::black;   // text
    QColor borderColor = Qt::black; // line, shape border
    QColor fillColor;               // shape fill; invalid: not filled
    int lineWidth = 15;             // line and shape border, twips

    // A fixed text.
    static ReportItem label(const QString& name, const QRect& rect, const QString& caption);
    // A column of the current row.
    static ReportItem field(const QString& name, const QRect& rect, const QString& dataField);
    // The sum of a column: over the current master row's child rows (source Child) when placed
    // in a group or detail section, otherwise over every row of the report of its source.
    static ReportItem sum(const QString& name, const QRect& rect, const QString& dataField,
                          Source source = Source::Master);
    // A straight line from (left, top) to (left + width, top + height).
    static ReportItem line(const QString& name, const QRect& rect);
    // A rectangle with a border colour and an optional fill colour.
    static ReportItem shape(const QString& name, const QRect& rect, const QColor& border,
                            const QColor& fill = QColor());

    ReportItem& right() { return aligned(Qt::AlignRight); }
    ReportItem& centered() { return aligned(Qt::AlignHCenter); }
    ReportItem& aligned(Qt::Alignment a);
    ReportItem& grows(bool on = true);
    ReportItem& formatted(const QString& f);
    // Text colour for labels and fields, line or border colour for lines and shapes.
    ReportItem& color(const QColor& c);
    ReportItem& fromMaster() { return from(Source::Master); }
    ReportItem& fromChild() { return from(Source::Child); }
    ReportItem& from(Source s);
    ReportItem& bold(bool on = true);
    ReportItem& italic(bool on = true);
    ReportItem& underline(bool on = true);
    ReportItem& size(double pointSize);
    ReportItem& family(const QString& name);
    ReportItem& font(const ReportFont& f);

    bool isText() const { return kind == Kind::Label || kind == Kind::Field || kind == Kind::Sum; }
};

} // namespace quarvel::reports
