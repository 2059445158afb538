#include "ReportItem.h"

namespace quarvel::reports {

ReportFont ReportItem::FontChange::applyTo(ReportFont font) const {
    if (family)
        font.family = *family;
    if (pointSize)
        font.pointSize = *pointSize;
    if (bold)
        font.bold = *bold;
    if (italic)
        font.italic = *italic;
    if (underline)
        font.underline = *underline;
    return font;
}

namespace {
ReportItem make(ReportItem::Kind kind, const QString& name, const QRect& rect) {
    ReportItem item;
    item.kind = kind;
    item.name = name;
    item.rect = rect;
    return item;
}
} // namespace

ReportItem ReportItem::label(const QString& name, const QRect& rect, const QString& caption) {
    ReportItem item = make(Kind::Label, name, rect);
    item.caption = caption;
    return item;
}

ReportItem ReportItem::field(const QString& name, const QRect& rect, const QString& dataField) {
    ReportItem item = make(Kind::Field, name, rect);
    item.dataField = dataField;
    return item;
}

ReportItem ReportItem::sum(const QString& name, const QRect& rect, const QString& dataField,
                           Source source) {
    ReportItem item = make(Kind::Sum, name, rect);
    item.dataField = dataField;
    item.source = source;
    return item;
}

ReportItem ReportItem::line(const QString& name, const QRect& rect) {
    return make(Kind::Line, name, rect);
}

ReportItem ReportItem::shape(const QString& name, const QRect& rect, const QColor& border,
                             const QColor& fill) {
    ReportItem item = make(Kind::Shape, name, rect);
    item.borderColor = border;
    item.fillColor = fill;
    return item;
}

ReportItem& ReportItem::aligned(Qt::Alignment a) {
    alignment = a;
    return *this;
}

ReportItem& ReportItem::grows(bool on) {
    canGrow = on;
    return *this;
}

ReportItem& ReportItem::formatted(const QString& f) {
    format = f;
    return *this;
}

ReportItem& ReportItem::color(const QColor& c) {
    if (isText())
        foreColor = c;
    else
        borderColor = c;
    return *this;
}

ReportItem& ReportItem::from(Source s) {
    source = s;
    return *this;
}

ReportItem& ReportItem::bold(bool on) {
    fontChange.bold = on;
    return *this;
}

ReportItem& ReportItem::italic(bool on) {
    fontChange.italic = on;
    return *this;
}

ReportItem& ReportItem::underline(bool on) {
    fontChange.underline = on;
    return *this;
}

ReportItem& ReportItem::size(double pointSize) {
    fontChange.pointSize = pointSize;
    return *this;
}

ReportItem& ReportItem::family(const QString& name) {
    fontChange.family = name;
    return *this;
}

ReportItem& ReportItem::font(const ReportFont& f) {
    fontChange = FontChange{f.family, f.pointSize, f.bold, f.italic, f.underline};
    return *this;
}

} // namespace quarvel::reports
