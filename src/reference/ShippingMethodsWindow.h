#pragma once

#include "reference/SingleRecordWindow.h"

namespace quarvel::reference {

// Form4 "Shipping Methods": the Shipping Methods table one row at a time, built as the
// Suppliers window without a heading. The label beside "Shipping Method ID:" shows the
// current method's identifier; the delete question and the "saved." note name the method by
// the text in its box, as edited.
class ShippingMethodsWindow : public SingleRecordWindow {
    Q_OBJECT

public:
    explicit ShippingMethodsWindow(const QString& programFolder = QString(),
                                   QWidget* parent = nullptr);

private:
    static Layout shippingMethodsLayout();
};

} // namespace quarvel::reference
