#pragma once

#include "reference/SingleRecordWindow.h"

namespace quarvel::reference {

// Form5 "Suppliers": the Suppliers table one row at a time, the model of the single-record
// editors. The heading shows the current supplier's name, the label beside "Supplier ID:" its
// identifier; an added supplier is written at once as "New Supplier" and shows its new
// identifier. The delete question and the "saved." note name the supplier by the heading.
class SuppliersWindow : public SingleRecordWindow {
    Q_OBJECT

public:
    explicit SuppliersWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);

private:
    static Layout suppliersLayout();
};

} // namespace quarvel::reference
