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

#include <algorithm>
#include <cmath>

namespace quarvel::reports {

namespace {

// The row a section is printed for.
struct RowContext {
    int master = -1;
    int child = -1;
    bool group = false; // inside a group: sums run over the master row's child rows
    bool detail = false;
};

int requireColumn(const ReportTable& table, const QString& name) {
    const int column = table.columnIndex(name);
    if (column < 0) {
        throw ReportError(
            QStringLiteral("The report data has no field named '%1'. Its fields are: %2.")
                .arg(name, table.columns().join(QStringLiteral(", "))));
    }
    return column;
}

// A label whose text holds %P waits for the page count.
struct PendingText {
    size_t page;
    size_t item;
    QString caption;
    int maxLines;
};

class Layouter {
public:
    Layouter(const ReportDefinition& def, const ReportData& data, const LayoutOptions& options)
        : m_def(def), m_data(data), m_options(options) {}

    ReportDocument run();

private:
    void startPage();
    void finishPage();
    // An item built for a section; a label with page codes keeps its caption until placed.
    struct BuiltItem {
        LaidOutItem item;
        QString caption;
        int maxLines = 1;
    };

    void place(const ReportSection& section, const RowContext& row);
    std::vector<BuiltItem> build(const ReportSection& section, const RowContext& row, int* height);
    QString textOf(const ReportItem& item, const RowContext& row) const;
    QVariant fieldValue(const ReportItem& item, const RowContext& row) const;
    QVariant sumOf(const ReportItem& item, const RowContext& row) const;
    QString substitute(QString caption, int pageNumber, int pageCount) const;

    const ReportDefinition& m_def;
    const ReportData& m_data;
    const LayoutOptions& m_options;
    ReportDocument m_doc;
    LaidOutPage m_page;
    std::vector<PendingText> m_pending;
    int m_y = 0;
    int m_bodyTop = 0;
    int m_bodyBottom = 0;
    int m_currentMaster = -1;
};

ReportDocument Layouter::run() {
    m_doc.title = m_def.title;
    m_doc.pageSize = m_options.pageSize.value_or(m_def.pageSize);
    m_doc.orientation = m_options.orientation.value_or(m_def.orientation);
    const QSizeF points = m_doc.pageSize.size(QPageSize::Point);
    QSize paper(static_cast<int>(std::lround(points.width() * 20)),
                static_cast<int>(std::lround(points.height() * 20)));
    if (m_doc.orientation == QPageLayout::Landscape)
        paper.transpose();
    m_doc.paper = paper;
    m_doc.margins = m_def.margins;
    m_bodyBottom = paper.height() - m_def.margins.bottom() - std::max(0, m_def.pageFooter.height);

    const int masters = m_data.master().rowCount();
    m_currentMaster = masters > 0 ? 0 : -1;
    startPage();
    place(m_def.reportHeader, {m_currentMaster, -1, false, false});
    place(m_def.pageHeader, {m_currentMaster, -1, false, false});
    m_bodyTop = m_y;
    for (int m = 0; m < masters; ++m) {
        m_currentMaster = m;
        place(m_def.groupHeader, {m, -1, true, false});
        if (m_data.hasChild()) {
            for (const int c : m_data.childRows(m))
                place(m_def.detail, {m, c, true, true});
        } else {
            place(m_def.detail, {m, -1, true, true});
        }
        place(m_def.groupFooter, {m, -1, true, false});
    }
    place(m_def.reportFooter, {m_currentMaster, -1, false, false});
    finishPage();

    const int count = m_doc.pageCount();
    for (const PendingText& p : m_pending) {
        LaidOutItem& item = m_doc.pages[p.page].items[p.item];
        const QString text = substitute(p.caption, m_doc.pages[p.page].number, count);
        item.lines = ReportText::wrap(text, item.font, item.rect.width()).mid(0, p.maxLines);
    }
    return std::move(m_doc);
}

void Layouter::startPage() {
    m_page = LaidOutPage();
    m_page.number = m_doc.pageCount() + 1;
    m_y = m_def.margins.top();
    if (m_page.number > 1) {
        place(m_def.pageHeader, {m_currentMaster, -1, false, false});
        m_bodyTop = m_y;
    }
}

void Layouter::finishPage() {
    m_y = m_bodyBottom; // the footer band below the body
    place(m_def.pageFooter, {m_currentMaster, -1, false, false});
    m_doc.pages.push_back(std::move(m_page));
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
            const QString text = substitute(built.caption, m_page.number, 0);
            item.lines =
                ReportText::wrap(text, item.font, item.rect.width()).mid(0, built.maxLines);
            if (built.caption.contains(QStringLiteral("%P"))) {
                m_pending.push_back(
                    {m_doc.pages.size(), m_page.items.size(), built.caption, built.maxLines});
            }
        }
        m_page.items.push_back(std::move(item));
    }
    m_y += height;
}

std::vector<Layouter::BuiltItem> Layouter::build(const ReportSection& section,
                                                 const RowContext& row, int* height) {
    struct Growth {
        int bottom; // the grown item's designed bottom
        int extra;
    };
    std::vector<BuiltItem> items;
    std::vector<Growth> growths;
    for (const ReportItem& src : section.items) {
        BuiltItem built;
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
        out.font = ReportText::qfont(src.fontChange.applyTo(m_def.font));
        out.lineHeight = ReportText::lineHeight(out.font);
        const int fits = std::max(1, src.rect.height() / std::max(1, out.lineHeight));
        if (src.kind == ReportItem::Kind::Label && src.caption.contains(u'%')) {
            // Page codes: substituted once the page is known (labels with codes never grow).
            built.caption = src.caption;
            built.maxLines = fits;
            items.push_back(std::move(built));
            continue;
        }
        QStringList lines = ReportText::wrap(textOf(src, row), out.font, src.rect.width());
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
    for (size_t i = 0; i < items.size(); ++i) {
        int shift = 0;
        for (const Growth& g : growths) {
            if (section.items[i].rect.y() >= g.bottom)
                shift = std::max(shift, g.extra);
        }
        items[i].item.rect.translate(0, shift);
    }
    *height = std::max(section.height, 0) + extra;
    return items;
}

QString Layouter::textOf(const ReportItem& item, const RowContext& row) const {
    switch (item.kind) {
    case ReportItem::Kind::Label:
        return item.caption;
    case ReportItem::Kind::Field:
        return formatValue(fieldValue(item, row), item.format, m_options.locale);
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

ReportDocument layoutReport(const ReportDefinition& definition, const ReportData& data,
                            const LayoutOptions& options) {
    return Layouter(definition, data, options).run();
}

} // namespace quarvel::reports
