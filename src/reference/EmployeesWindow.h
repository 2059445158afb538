#pragma once

#include "reference/LookupGridWindow.h"

namespace quarvel::shell {
class Session;
}

namespace quarvel::reference {

// Form6 "Employees": the employees in a grid over rsEmployees, which each load opens afresh.
// A work phone typed in the grid is brought into the telephone mask "(999) 999-9999" when the
// mask keeps all it says; anything else (an extension, a longer number, a note) stays as typed.
class EmployeesWindow : public LookupGridWindow {
    Q_OBJECT

public:
    explicit EmployeesWindow(shell::Session& session, const QString& programFolder = QString(),
                             QWidget* parent = nullptr);

    static QString recordSource();

    void Form_Load() override;

public slots:
    // "Add New Employee": a row whose first name is "New Employee", written at once.
    void PushButton2_Click() override;

protected:
    // The grid's notification after a cell edit: the current row's work phone into the mask
    // (not written until the row is).
    void gridEditCommitted() override;

private:
    void layoutColumns();
};

} // namespace quarvel::reference
