#include "reorder/Suggestion.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace quarvel::reorder {

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::reorder::Suggestion)
};

} // namespace

QString figureText(double value, int decimals) {
    if (std::floor(value) == value)
        return QLocale().toString(qint64(value));
    return QLocale().toString(value, 'f', std::max(decimals, 1));
}

QString Suggestion::leadTimeShown() const {
    if (leadTimeDays)
        return Tr::tr("%1 days").arg(figureText(*leadTimeDays));
    return leadTimeText.trimmed().isEmpty() ? QString()
                                            : Tr::tr("\"%1\" (not read)").arg(leadTimeText);
}

bool Suggestion::needsOrder() const {
    return projected() <= reorderLevel || projected() - demand() < reorderLevel;
}

qint64 Suggestion::suggestedQuantity() const {
    // The smallest whole q with projected + q - demand > level.
    const double missing = reorderLevel + demand() - projected();
    return std::max<qint64>(1, qint64(std::floor(missing)) + 1);
}

QString Suggestion::working() const {
    const QString stock =
        Tr::tr("On hand %1 + on order %2 = %3")
            .arg(figureText(onHand), figureText(onOrder), figureText(projected()));
    QString lead;
    if (!leadTimeDays)
        lead = leadTimeText.trimmed().isEmpty()
                   ? Tr::tr("no lead time given, so no sales are expected before an order arrives")
                   : Tr::tr("the lead time \"%1\" is not read as days, weeks or months, so no "
                            "sales are expected before an order arrives")
                         .arg(leadTimeText.trimmed());
    else
        lead = Tr::tr("sold %1 a day x lead time %2 days = %3 expected to sell before an order "
                      "arrives")
                   .arg(QLocale().toString(soldPerDay, 'f', 2), figureText(*leadTimeDays),
                        figureText(demand(), 1));
    return Tr::tr("%1; reorder level %2; %3; order %4 to end above the level.")
        .arg(stock, figureText(reorderLevel), lead)
        .arg(suggestedQuantity());
}

} // namespace quarvel::reorder
