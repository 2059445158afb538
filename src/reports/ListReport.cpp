#include "reports/ListReport.h"

#include "reports/DataReports.h"

#include <QCoreApplication>

namespace quarvel::reports {

namespace {

constexpr int textHeight = 240;
constexpr int listWidth = 9360;

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::reports::ListReport)
};

} // namespace

ReportSection listHeader(const QString& title, int height) {
    return {QStringLiteral("Header"),
            height,
            {ReportItem::label(QStringLiteral("Title"), {0, 0, 6000, 480}, title).size(18).bold(),
             ReportItem::label(QStringLiteral("Date"), {listWidth - 3000, 120, 3000, textHeight},
                               QStringLiteral("%D"))
                 .right()
                 .color(reportcolors::headerTime)}};
}

ReportSection pageNumberFooter() {
    return {QStringLiteral("PageFooter"),
            360,
            {ReportItem::label(QStringLiteral("Page"), {listWidth - 3000, 60, 3000, textHeight},
                               Tr::tr("Page %p of %P"))
                 .right()
                 .color(reportcolors::heading)}};
}

} // namespace quarvel::reports
