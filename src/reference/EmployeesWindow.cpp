#include "reference/EmployeesWindow.h"

#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "data/PhoneNumber.h"
#include "data/Recordset.h"
#include "shell/Globals.h"
#include "shell/Session.h"
#include "shell/Trap.h"

namespace quarvel::reference {

namespace {

const QString formName = QStringLiteral("Form6");
const QString workPhone = QStringLiteral("WorkPhone");

// Whether the telephone mask keeps everything a typed number says: seven to ten digits, with
// nothing else but the blanks, dots, hyphens and parentheses that only separate them. An
// extension, a longer international number or a note such as "n/a" would lose digits or words.
bool maskKeepsNumber(const QString& text) {
    int digits = 0;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (!QStringView(u" .-()").contains(c))
            return false;
    }
    return digits >= 7 && digits <= 10;
}

} // namespace

EmployeesWindow::EmployeesWindow(shell::Session& session, const QString& programFolder,
                                 QWidget* parent)
    : LookupGridWindow(formName,
                       {tr("Employees"), tr("Add New Employee"), tr("Delete Current Employee"),
                        tr("Do you really want to delete this Employee ?"), tr("Employee")},
                       9960, session.rsEmployees, programFolder, parent) {}

QString EmployeesWindow::recordSource() {
    return QStringLiteral("SELECT EmployeeID,FirstName,LastName,Title,WorkPhone,Extension,"
                          "EmailName FROM [Employees] ORDER BY [Employees].EmployeeID;");
}

void EmployeesWindow::Form_Load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    int line = loadLook(trap, 104);
    line = openRecordset(trap, line, dc3(), records(), [] { return recordSource(); });
    trap(line, [&] { layoutColumns(); });
}

void EmployeesWindow::layoutColumns() {
    struct Column {
        const char* field;
        int width;
        QString caption; // empty: the field name
    };
    const Column columns[] = {{"FirstName", 1200, tr("First Name")},
                              {"LastName", 1500, tr("Last Name")},
                              {"Title", 2000, QString()},
                              {"WorkPhone", 1500, tr("Work Phone")},
                              {"Extension", 1000, QString()},
                              {"EmailName", 2000, tr("Email Name")}};
    grid()->setColumnHidden(QStringLiteral("EmployeeID"), true);
    for (const Column& column : columns) {
        const QString field = QLatin1String(column.field);
        grid()->setColumnWidthTwips(field, column.width);
        if (!column.caption.isEmpty())
            grid()->setColumnCaption(field, column.caption);
    }
}

void EmployeesWindow::PushButton2_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton2_Click"), 100, this);
    const int line = addNewRow(trap, 102, tr("New Employee"));
    trap(line, [&] { focusGrid(); });
}

void EmployeesWindow::gridEditCommitted() {
    Recordset& employees = recordsetOf(dc3()->recordset());
    if (employees.AbsolutePosition() < 0)
        return;
    const QVariant phone = employees.Fields(workPhone);
    if (phone.isNull() || !maskKeepsNumber(phone.toString()))
        return;
    const QString masked = FormatPhoneNumber(phone.toString());
    if (masked != phone.toString())
        employees.setField(workPhone, masked);
}

} // namespace quarvel::reference
