#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace quarvel::reorder {

// One product's reorder figures and what they suggest. Projected stock is what is on hand
// and on order; the demand is what is expected to sell before a new order could arrive (the
// units sold per day over the last period times the lead time, none when the lead time cannot
// be read). A product is listed when its projected stock is at or below its reorder level, or
// will fall below it during the lead time. The suggested quantity is the smallest whole number
// of units that brings projected stock, less the demand, back above the level.
struct Suggestion {
    qint64 productId = 0;
    QString productName;
    double onHand = 0;
    double onOrder = 0;
    double reorderLevel = 0;
    double soldPerDay = 0;
    QString leadTimeText;               // as the product states it
    std::optional<double> leadTimeDays; // nullopt when the text could not be read

    // The last order line's supplier and unit price (Null when the product was never ordered).
    QVariant supplierId;
    QVariant unitPrice;

    // What the user decides in the list.
    bool ticked = true;
    qint64 quantity = 0;

    double projected() const { return onHand + onOrder; }
    double demand() const { return leadTimeDays ? soldPerDay * *leadTimeDays : 0.0; }
    // Whether the figures call for an order.
    bool needsOrder() const;
    // The suggested quantity (at least 1).
    qint64 suggestedQuantity() const;
    // How the figures were worked out, in one sentence for the user.
    QString working() const;
    // The lead time as the list shows it: in days when it was read, else the text as written
    // and that it was not read.
    QString leadTimeShown() const;
};

// A figure as the list shows it: a whole number plainly, any other to `decimals` places (at
// least one), in the user's locale.
QString figureText(double value, int decimals = 1);

} // namespace quarvel::reorder
