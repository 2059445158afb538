#include "reference/CompanyInformationWindow.h"

#include "controls/SaveConflict.h"
#include "data/Recordset.h"
#include "shell/Globals.h"
#include "shell/Trap.h"

namespace quarvel::reference {

CompanyInformationWindow::CompanyInformationWindow(const QString& programFolder, QWidget* parent)
    : SingleRecordWindow(companyLayout(), programFolder, parent) {}

SingleRecordWindow::Layout CompanyInformationWindow::companyLayout() {
    Layout layout;
    layout.name = QStringLiteral("Form7");
    layout.caption = tr("My Company Information");
    layout.width = 8400;
    layout.source = QStringLiteral("Select * from [My Company Information]");
    layout.barCaption = tr(" Company Information");
    layout.navigation = false;
    layout.heading = tr("Edit Company Information");
    layout.headingFollowsRow = false;
    layout.boxes = {{0, 1, tr("Company Name:"), QStringLiteral("CompanyName")}};
    layout.boxes += addressBoxes();
    layout.saveCaption = tr("Save Company Information");
    layout.recordKind = tr("Company Information");
    layout.savedNote = tr("Company Information saved.");
    layout.handOverBoxes = true;
    return layout;
}

void CompanyInformationWindow::finishLoad(shell::Trap& trap, int line) {
    trap(line, [&] {
        Recordset& rs = recordsetOf(recordsetVariable());
        if (rs.RecordCount() == 0)
            rs.AddNew();
        else
            rs.MoveFirst();
    });
}

bool CompanyInformationWindow::hasChangesToWrite() const {
    if (!hasCurrentRow())
        return false;
    const Recordset& rs = *recordset();
    if (rs.EditMode() == Recordset::adEditInProgress)
        return true;
    if (rs.EditMode() != Recordset::adEditAdd)
        return false;
    for (int column = 0; column < rs.fieldCount(); ++column) {
        if (!rs.Fields(column).isNull())
            return true;
    }
    return false;
}

bool CompanyInformationWindow::queryUnload() {
    if (!hasChangesToWrite())
        return true;
    if (m_askBeforeWriting)
        return askToWriteEdits(layout().recordKind, {&recordsetVariable()});
    shell::Trap trap(objectName(), QStringLiteral("Form_QueryUnload"), 100, this);
    // A user who keeps typing after another user's change keeps the window too.
    bool kept = false;
    const bool written = trap(102, [&] {
        kept = controls::updateAskingOnConflict(this, recordsetOf(recordsetVariable())) ==
               controls::SaveOutcome::KeptTyping;
    });
    m_askBeforeWriting = !written;
    return written && !kept;
}

} // namespace quarvel::reference
