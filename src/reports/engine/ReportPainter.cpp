#include "ReportPainter.h"

#include "ReportError.h"

#include <QPrinter>

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

void paintReport(const ReportDocument& document, QPagedPaintDevice& device) {
    if (auto* printer = dynamic_cast<QPrinter*>(&device))
        printer->setFullPage(true);
    QPageLayout layout(document.pageSize, document.orientation, QMarginsF(0, 0, 0, 0));
    layout.setMode(QPageLayout::FullPageMode);
    const QPageLayout current = device.pageLayout();
    if (!current.pageSize().isEquivalentTo(document.pageSize) ||
        current.orientation() != document.orientation || !current.margins().isNull()) {
        device.setPageLayout(layout);
    }
    QPainter painter;
    if (!painter.begin(&device))
        throw ReportError(QStringLiteral("The report \"%1\" cannot be printed on this device.")
                              .arg(document.title));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double sx = device.logicalDpiX() / 1440.0;
    const double sy = device.logicalDpiY() / 1440.0;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(sx, sy);
        paintPage(painter, document.pages[i]);
        painter.restore();
    }
    painter.end();
}

} // namespace quarvel::reports
