// The report runtime: report definitions as data (sections with twips geometry), master/detail
// rows, layout into pages, painting onto any QPagedPaintDevice, preview and PDF.
//
// Written by hand because Debian 12 packages no report engine for Qt 6, and the reports are
// fixed positions in twips with master/detail bands, which a small layout pass expresses
// directly: this file turns a definition and its rows into pages of positioned items
// (ReportDocument); ReportPainter paints them; ReportPreview shows and saves them.

#include "ReportLayout.h"

#include "ReportError.h"
#include "ReportFormat.h"
#include "ReportText.h"
#include "Tr.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace quarvel::reports {

namespace {

// The row a section is printed for.
struct RowContext {
    int master = -1;
    int child = -1;
    bool group = false; // inside a group: sums run over the master row's child rows
    bool detail = false;
    bool continued = false; // a group header repeated on a new page
};

int requireColumn(const ReportTable& table, const QString& name) {
    const int column = table.columnIndex(name);
    if (column < 0) {
        throw ReportError(Tr::tr("The report data has no field named '%1'. Its fields are: %2.")
                              .arg(name, table.columns().join(QStringLiteral(", "))));
    }
    return column;
}

// The font of a report item, resolved once per layout rather than once per printed copy.
struct ItemFont {
    QFont font;
    QFontMetricsF metrics;
    int lineHeight;
};

// Lays a report out in one pass. Without a page count it only measures: it builds no items
// and keeps no pages, and works out the section heights (which only fields that grow can
// change) to count the pages. With the page count it builds every page in turn and hands it
// to the sink, so no more than one page is held at a time.
class Layouter {
public:
    Layouter(const ReportDefinition& def, const ReportData& data, const LayoutOptions& options,
             int pageCount, const PageSink* sink)
        : m_def(def), m_data(data), m_options(options), m_pageCount(pageCount), m_sink(sink),
          m_measureOnly(pageCount <= 0), m_continuedItem(continuedItemOf(def)) {}

    // Returns the number of pages.
    int run();

private:
    static const ReportItem* continuedItemOf(const ReportDefinition& def);
    void placeGroup(int master);
    // Starts a new page unless `height` still fits below what this page holds (or nothing
    // but the page's top sections is on it yet).
    void keepTogether(int height);
    int heightOf(const ReportSection& section, const RowContext& row);
    void startPage();
    void finishPage();
    // An item built for a section; a label with page codes keeps its caption until placed.
    struct BuiltItem {
        LaidOutItem item;
        const ReportItem* source = nullptr;
        QString caption;
        int maxLines = 1;
    };

    void place(const ReportSection& section, const RowContext& row);
    std::vector<BuiltItem> build(const ReportSection& section, const RowContext& row, int* height,
                                 bool heightOnly = false);
    QString textOf(const ReportItem& item, const RowContext& row) const;
    QVariant fieldValue(const ReportItem& item, const RowContext& row) const;
    QVariant sumOf(const ReportItem& item, const RowContext& row) const;
    QString substitute(QString caption, int pageNumber, int pageCount) const;
    const ItemFont& fontOf(const ReportItem& item);

    const ReportDefinition& m_def;
    const ReportData& m_data;
    const LayoutOptions& m_options;
    const int m_pageCount;
    const PageSink* m_sink;
    const bool m_measureOnly;
    const ReportItem* const m_continuedItem;
    std::unordered_map<const ReportItem*, ItemFont> m_fonts;
    LaidOutPage m_page;
    int m_pagesDone = 0;
    int m_y = 0;
    int m_bodyTop = 0;
    int m_bodyBottom = 0;
    int m_currentMaster = -1;
    bool m_inGroup = false; // between a group's header and its footer
};

int Layouter::run() {
    const ReportDocument setup = pageSetup(m_def, m_options);
    m_bodyBottom =
        setup.paper.height() - m_def.margins.bottom() - std::max(0, m_def.pageFooter.height);

    const int masters = m_data.master().rowCount();
    m_currentMaster = masters > 0 ? 0 : -1;
    startPage();
    place(m_def.reportHeader, {m_currentMaster, -1, false, false});
    place(m_def.pageHeader, {m_currentMaster, -1, false, false});
    m_bodyTop = m_y;
    for (int m = 0; m < masters; ++m) {
        m_currentMaster = m;
        placeGroup(m);
    }
    place(m_def.reportFooter, {m_currentMaster, -1, false, false});
    finishPage();
    return m_pagesDone;
}

const ReportItem* Layouter::continuedItemOf(const ReportDefinition& def) {
    for (const ReportItem& item : def.groupHeader.items) {
        if (def.continuedItem.isEmpty() ? item.kind == ReportItem::Kind::Field
                                        : item.name == def.continuedItem)
            return &item;
    }
    return nullptr;
}

void Layouter::placeGroup(int master) {
    const RowContext group{master, -1, true, false};
    std::vector<RowContext> details;
    if (m_data.hasChild()) {
        for (const int c : m_data.childRows(master))
            details.push_back({master, c, true, true});
    } else {
        details.push_back({master, -1, true, true});
    }
    const bool hasHeader = !m_def.groupHeader.isEmpty();
    const bool hasFooter = !m_def.groupFooter.isEmpty();
    if (hasHeader) {
        int together = heightOf(m_def.groupHeader, group);
        if (!details.empty())
            together += heightOf(m_def.detail, details.front());
        if (details.size() <= 1)
            together += heightOf(m_def.groupFooter, group);
        keepTogether(together);
    }
    place(m_def.groupHeader, group);
    m_inGroup = hasHeader;
    for (size_t i = 0; i < details.size(); ++i) {
        const bool last = i + 1 == details.size();
        if (last && hasFooter && (i > 0 || !hasHeader))
            keepTogether(heightOf(m_def.detail, details[i]) + heightOf(m_def.groupFooter, group));
        place(m_def.detail, details[i]);
    }
    place(m_def.groupFooter, group);
    m_inGroup = false;
}

void Layouter::keepTogether(int height) {
    if (m_y + height > m_bodyBottom && m_y > m_bodyTop) {
        finishPage();
        startPage();
    }
}

int Layouter::heightOf(const ReportSection& section, const RowContext& row) {
    if (section.isEmpty())
        return 0;
    int height = 0;
    build(section, row, &height, true);
    return height;
}

const ItemFont& Layouter::fontOf(const ReportItem& item) {
    auto found = m_fonts.find(&item);
    if (found == m_fonts.end()) {
        const QFont font = ReportText::qfont(item.fontChange.applyTo(m_def.font));
        const QFontMetricsF metrics(font);
        found = m_fonts.emplace(&item, ItemFont{font, metrics, ReportText::lineHeight(font)}).first;
    }
    return found->second;
}

void Layouter::startPage() {
    m_page = LaidOutPage();
    m_page.number = m_pagesDone + 1;
    m_y = m_def.margins.top();
    if (m_page.number > 1) {
        place(m_def.pageHeader, {m_currentMaster, -1, false, false});
        m_bodyTop = m_y;
        // The group goes on here: its header again, marked as continued, unless that header
        // alone would fill the page.
        const RowContext repeated{m_currentMaster, -1, true, false, true};
        if (m_inGroup && m_y + heightOf(m_def.groupHeader, repeated) < m_bodyBottom) {
            place(m_def.groupHeader, repeated);
            m_bodyTop = m_y;
        }
    }
}

void Layouter::finishPage() {
    m_y = m_bodyBottom; // the footer band below the body
    place(m_def.pageFooter, {m_currentMaster, -1, false, false});
    ++m_pagesDone;
    if (m_sink && !m_measureOnly)
        (*m_sink)(std::move(m_page));
}

void Layouter::place(const ReportSection& section, const RowContext& row) {
    if (section.isEmpty())
        return;
    int height = 0;
    std::vector<BuiltItem> items = build(section, row, &height);
    const bool band = &section == &m_def.pageHeader || &section == &m_def.pageFooter;
    if (!band && m_y + height > m_bodyBottom && m_y > m_bodyTop) {
        finishPage();
        startPage();
    }
    for (BuiltItem& built : items) {
        LaidOutItem& item = built.item;
        item.rect.translate(m_def.margins.left(), m_y);
        if (!built.caption.isEmpty()) {
            const QString text = substitute(built.caption, m_page.number, m_pageCount);
            item.lines =
                ReportText::wrap(text, item.font, fontOf(*built.source).metrics, item.rect.width())
                    .mid(0, built.maxLines);
        }
        m_page.items.push_back(std::move(item));
    }
    m_y += height;
}

std::vector<Layouter::BuiltItem>
Layouter::build(const ReportSection& section, const RowContext& row, int* height, bool heightOnly) {
    struct Growth {
        int bottom; // the grown item's designed bottom
        int extra;
    };
    std::vector<BuiltItem> items;
    std::vector<Growth> growths;
    for (const ReportItem& src : section.items) {
        if ((m_measureOnly || heightOnly) &&
            !(src.isText() && src.canGrow && src.kind != ReportItem::Kind::Label))
            continue; // only a field that grows can change the section's height
        BuiltItem built;
        built.source = &src;
        LaidOutItem& out = built.item;
        out.name = src.name;
        out.section = section.name;
        out.rect = src.rect;
        out.alignment = src.alignment;
        out.lineWidth = src.lineWidth;
        if (!src.isText()) {
            out.kind = src.kind == ReportItem::Kind::Line ? LaidOutItem::Kind::Line
                                                          : LaidOutItem::Kind::Rect;
            out.color = src.borderColor;
            out.fill = src.fillColor;
            items.push_back(std::move(built));
            continue;
        }
        out.kind = LaidOutItem::Kind::Text;
        out.color = src.foreColor;
        const ItemFont& font = fontOf(src);
        out.font = font.font;
        out.lineHeight = font.lineHeight;
        const int fits = std::max(1, src.rect.height() / std::max(1, out.lineHeight));
        if (src.kind == ReportItem::Kind::Label && src.caption.contains(u'%')) {
            // Page codes: substituted once the page is known (labels with codes never grow).
            built.caption = src.caption;
            built.maxLines = fits;
            items.push_back(std::move(built));
            continue;
        }
        QStringList lines =
            ReportText::wrap(textOf(src, row), out.font, font.metrics, src.rect.width());
        const int needed = static_cast<int>(lines.size()) * out.lineHeight;
        if (src.canGrow && needed > src.rect.height()) {
            growths.push_back({src.rect.y() + src.rect.height(), needed - src.rect.height()});
            out.rect.setHeight(needed);
        } else if (!src.canGrow && lines.size() > fits) {
            lines = lines.mid(0, fits);
        }
        out.lines = lines;
        items.push_back(std::move(built));
    }
    // Items below a grown item move down with it; the section grows by the largest growth.
    int extra = 0;
    for (const Growth& g : growths)
        extra = std::max(extra, g.extra);
    for (BuiltItem& built : items) {
        int shift = 0;
        for (const Growth& g : growths) {
            if (built.source->rect.y() >= g.bottom)
                shift = std::max(shift, g.extra);
        }
        built.item.rect.translate(0, shift);
    }
    *height = std::max(section.height, 0) + extra;
    return items;
}

QString Layouter::textOf(const ReportItem& item, const RowContext& row) const {
    switch (item.kind) {
    case ReportItem::Kind::Label:
        return item.caption;
    case ReportItem::Kind::Field: {
        const QString text = formatValue(fieldValue(item, row), item.format, m_options.locale);
        if (row.continued && &item == m_continuedItem)
            return text + u' ' + m_options.continuedMark;
        return text;
    }
    case ReportItem::Kind::Sum:
        return formatValue(sumOf(item, row), item.format, m_options.locale);
    default:
        return QString();
    }
}

QVariant Layouter::fieldValue(const ReportItem& item, const RowContext& row) const {
    ReportItem::Source source = item.source;
    if (source == ReportItem::Source::Automatic) {
        const bool childFirst = row.detail && m_data.hasChild() &&
                                (m_data.child().hasColumn(item.dataField) ||
                                 !m_data.master().hasColumn(item.dataField));
        source = childFirst ? ReportItem::Source::Child : ReportItem::Source::Master;
    }
    const bool child = source == ReportItem::Source::Child;
    const ReportTable& table = child ? m_data.child() : m_data.master();
    const int column = requireColumn(table, item.dataField);
    const int index = child ? row.child : row.master;
    return index < 0 ? QVariant() : table.value(index, column);
}

QVariant Layouter::sumOf(const ReportItem& item, const RowContext& row) const {
    std::vector<QVariant> values;
    const bool child = item.source == ReportItem::Source::Child;
    const ReportTable& table = child ? m_data.child() : m_data.master();
    const int column = requireColumn(table, item.dataField);
    if (row.group && row.master >= 0) {
        if (child) {
            for (const int c : m_data.childRows(row.master))
                values.push_back(table.value(c, column));
        } else {
            values.push_back(table.value(row.master, column));
        }
    } else if (child) {
        for (int m = 0; m < m_data.master().rowCount(); ++m) {
            for (const int c : m_data.childRows(m))
                values.push_back(table.value(c, column));
        }
    } else {
        for (int m = 0; m < table.rowCount(); ++m)
            values.push_back(table.value(m, column));
    }
    bool integral = true;
    qlonglong whole = 0;
    double total = 0;
    for (const QVariant& v : values) {
        if (v.isNull())
            continue;
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (!ok)
            continue;
        const int type = v.typeId();
        if (type == QMetaType::Double || type == QMetaType::Float || type == QMetaType::QString)
            integral = false;
        total += d;
        whole += v.toLongLong();
    }
    return integral ? QVariant(whole) : QVariant(total);
}

QString Layouter::substitute(QString caption, int pageNumber, int pageCount) const {
    if (!caption.contains(u'%'))
        return caption;
    caption.replace(QStringLiteral("%D"), longDate(m_options.now.date(), m_options.locale));
    caption.replace(QStringLiteral("%T"), longTime(m_options.now.time(), m_options.locale));
    caption.replace(QStringLiteral("%p"), QString::number(pageNumber));
    if (pageCount > 0)
        caption.replace(QStringLiteral("%P"), QString::number(pageCount));
    return caption;
}

} // namespace

ReportDocument pageSetup(const ReportDefinition& definition, const LayoutOptions& options) {
    ReportDocument doc;
    doc.title = definition.title;
    doc.pageSize = options.pageSize.value_or(definition.pageSize);
    doc.orientation = options.orientation.value_or(definition.orientation);
    const QSizeF points = doc.pageSize.size(QPageSize::Point);
    QSize paper(static_cast<int>(std::lround(points.width() * 20)),
                static_cast<int>(std::lround(points.height() * 20)));
    if (doc.orientation == QPageLayout::Landscape)
        paper.transpose();
    doc.paper = paper;
    doc.margins = definition.margins;
    return doc;
}

int layoutReportPages(const ReportDefinition& definition, const ReportData& data,
                      const LayoutOptions& options, const PageSink& sink) {
    const int pages = Layouter(definition, data, options, 0, nullptr).run();
    Layouter(definition, data, options, pages, &sink).run();
    return pages;
}

ReportDocument layoutReport(const ReportDefinition& definition, const ReportData& data,
                            const LayoutOptions& options) {
    ReportDocument doc = pageSetup(definition, options);
    layoutReportPages(definition, data, options,
                      [&doc](LaidOutPage&& page) { doc.pages.push_back(std::move(page)); });
    return doc;
}

} // namespace quarvel::reports
