#include "ReportPainter.h"

#include "ReportError.h"
#include "Tr.h"

#include <QPrinter>
#include <optional>

namespace quarvel::reports {

void paintPage(QPainter& painter, const LaidOutPage& page) {
    for (const LaidOutItem& item : page.items) {
        switch (item.kind) {
        case LaidOutItem::Kind::Text: {
            painter.setFont(item.font);
            painter.setPen(item.color);
            const int flags = static_cast<int>(item.alignment & Qt::AlignHorizontal_Mask) |
                              Qt::AlignTop | Qt::TextSingleLine;
            for (int i = 0; i < item.lines.size(); ++i) {
                const QRectF line(item.rect.x(), item.rect.y() + i * item.lineHeight,
                                  item.rect.width(), item.lineHeight);
                painter.drawText(line, flags, item.lines.at(i));
            }
            break;
        }
        case LaidOutItem::Kind::Line: {
            QPen pen(item.color, std::max(1, item.lineWidth));
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(
                QPointF(item.rect.x(), item.rect.y()),
                QPointF(item.rect.x() + item.rect.width(), item.rect.y() + item.rect.height()));
            break;
        }
        case LaidOutItem::Kind::Rect: {
            QPen pen(item.color, std::max(1, item.lineWidth));
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(item.color.isValid() ? pen : QPen(Qt::NoPen));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(QRectF(item.rect));
            painter.setBrush(Qt::NoBrush);
            break;
        }
        }
    }
}

ReportPagePainter::ReportPagePainter(const ReportDocument& setup, QPagedPaintDevice& device)
    : m_device(device) {
    if (auto* printer = dynamic_cast<QPrinter*>(&device))
        printer->setFullPage(true);
    QPageLayout layout(setup.pageSize, setup.orientation, QMarginsF(0, 0, 0, 0));
    layout.setMode(QPageLayout::FullPageMode);
    const QPageLayout current = device.pageLayout();
    if (!current.pageSize().isEquivalentTo(setup.pageSize) ||
        current.orientation() != setup.orientation || !current.margins().isNull()) {
        device.setPageLayout(layout);
    }
    if (!m_painter.begin(&device))
        throw ReportError(
            Tr::tr("The report \"%1\" cannot be printed on this device.").arg(setup.title));
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_scaleX = device.logicalDpiX() / 1440.0;
    m_scaleY = device.logicalDpiY() / 1440.0;
}

ReportPagePainter::~ReportPagePainter() {
    if (m_painter.isActive())
        m_painter.end();
}

void ReportPagePainter::paint(const LaidOutPage& page) {
    if (!m_first)
        m_device.newPage();
    m_first = false;
    m_painter.save();
    m_painter.scale(m_scaleX, m_scaleY);
    paintPage(m_painter, page);
    m_painter.restore();
}

void paintReport(const ReportDocument& document, QPagedPaintDevice& device) {
    ReportPagePainter painter(document, device);
    for (const LaidOutPage& page : document.pages)
        painter.paint(page);
}

int paintReport(const ReportDefinition& definition, const ReportData& data,
                const LayoutOptions& options, QPagedPaintDevice& device) {
    // Measured first, so a faulty report fails before anything is painted.
    const ReportDocument setup = pageSetup(definition, options);
    std::optional<ReportPagePainter> painter;
    return layoutReportPages(definition, data, options, [&](LaidOutPage&& page) {
        if (!painter)
            painter.emplace(setup, device);
        painter->paint(page);
    });
}

} // namespace quarvel::reports
