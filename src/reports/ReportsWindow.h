#pragma once

#include "shell/FormWindow.h"

#include <QString>

class QPushButton;

namespace quarvel::shell {
class Session;
}

namespace quarvel::reports {

// Form3 "Reports": the report menu. One button per report hands its number to ShowReport;
// "Close" unloads the window. Every procedure carries the error trap, so a report that fails
// is reported under its button's procedure name ("Form3.PushButton2_Click").
class ReportsWindow : public shell::FormWindow {
    Q_OBJECT

public:
    explicit ReportsWindow(shell::Session& session, const QString& programFolder = QString(),
                           QWidget* parent = nullptr);

    // The designer's PushButton<number> (1 to 5).
    QPushButton* button(int number) const;

    void Form_Load() override;

public slots:
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();

private:
    shell::Session& m_session;
    void showReport(const QString& procedure, int reportNumber);
};

} // namespace quarvel::reports
