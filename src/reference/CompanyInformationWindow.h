#pragma once

#include "reference/SingleRecordWindow.h"

namespace quarvel::reference {

// Form7 "My Company Information": the company's own name, address and numbers, the one row of
// My Company Information, under the fixed heading "Edit Company Information". No navigation,
// no add, no delete: one save button, and a silent write of pending changes when the window
// closes. An empty table shows an empty new row, which the first save inserts.
//
// A write that fails while the window closes is reported and the window stays open; from then
// on closing with changes asks first (Yes writes, No drops), so the window can always be closed.
class CompanyInformationWindow : public SingleRecordWindow {
    Q_OBJECT

public:
    explicit CompanyInformationWindow(const QString& programFolder = QString(),
                                      QWidget* parent = nullptr);

protected:
    // On an empty table, a new row to fill; else the first row.
    void finishLoad(shell::Trap& trap, int line) override;
    bool queryUnload() override;

private:
    static Layout companyLayout();
    // True when the row holds something not yet written: an edit, or a value in a new row.
    bool hasChangesToWrite() const;

    bool m_askBeforeWriting = false;
};

} // namespace quarvel::reference
