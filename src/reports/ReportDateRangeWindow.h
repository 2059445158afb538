#pragma once

#include "shell/FormWindow.h"

#include <QString>
#include <memory>

class QLabel;
class QPushButton;

namespace quarvel::shell {
class Session;
}

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {
class BoundTextBox;
class DataControl;
} // namespace quarvel::controls

namespace quarvel::reports {

// Form10 "Report Date Range": the period of "Product Purchases by Supplier", kept in BeginDate
// and EndDate of the My Company Information row and edited in two boxes as "MM/dd/yyyy".
// A date may also be typed with a two-digit year (1/5/21 is January 5, 2021) or in the
// locale's short form. However it closes ("Preview..." or the close box), pending edits are written
// and the two dates are copied into strBeginDate and strEndDate for the report's period line. When
// the dates cannot be written, the failure is reported and the period texts take the dates the
// database still holds, so the period line states the period the report's figures use.
class ReportDateRangeWindow : public shell::FormWindow {
    Q_OBJECT

public:
    explicit ReportDateRangeWindow(shell::Session& session,
                                   const QString& programFolder = QString(),
                                   QWidget* parent = nullptr);
    ~ReportDateRangeWindow() override;

    controls::BoundTextBox* beginDateBox() const { return m_begin; }
    controls::BoundTextBox* endDateBox() const { return m_end; }
    QPushButton* previewButton() const { return m_preview; }
    Recordset* recordset() const { return m_recordset.get(); }

    void Form_Load() override;

public slots:
    void PushButton1_Click();

protected:
    // Form_QueryUnload: writes the pending dates and copies the period texts; always closes.
    bool queryUnload() override;

private:
    shell::Session& m_session;
    // The dates typed in the boxes go into the row as the user means them ("MM/dd/yyyy", a
    // two-digit year being this century's), whatever the locale would make of them.
    void storeTypedDates();

    controls::DataControl* m_dc = nullptr;
    controls::BoundTextBox* m_begin = nullptr;
    controls::BoundTextBox* m_end = nullptr;
    QPushButton* m_preview = nullptr;
    std::shared_ptr<Recordset> m_recordset;
};

} // namespace quarvel::reports
