#include "reference/CategoriesWindow.h"

#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/SaveConflict.h"
#include "data/Recordset.h"
#include "shell/Globals.h"
#include "shell/Session.h"
#include "shell/Trap.h"

namespace quarvel::reference {

namespace {

const QString formName = QStringLiteral("Form2");

} // namespace

CategoriesWindow::CategoriesWindow(shell::Session& session, const QString& programFolder,
                                   QWidget* parent)
    : LookupGridWindow(
          formName,
          {tr("Product Categories"), tr("Add New Category"), tr("Delete Current Category"),
           tr("Do you really want to delete this Product Category ?"), tr("Product Category")},
          5520, session.rsCategories, programFolder, parent),
      m_session(session) {}

void CategoriesWindow::Form_Load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    const int line = loadLook(trap, 104);
    trap(line, [&] { dc3()->setRecordset(&recordsetOf(m_session.rsCategories)); });
    trap(line + 2, [&] {
        grid()->setColumnCaption(QStringLiteral("CategoryID"), tr("Category ID"));
        grid()->setColumnCaption(QStringLiteral("CategoryName"), tr("Category Name"));
        grid()->setColumnHidden(QStringLiteral("CategoryID"), true);
    });
    trap(line + 4,
         [&] { grid()->setColumnWidthTwips(QStringLiteral("CategoryName"), gridWidth() - 500); });
}

void CategoriesWindow::PushButton2_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton2_Click"), 100, this);
    const int line = addNewRow(trap, 102, tr("New Category"));
    trap(line, [&] { controls::updateAskingOnConflict(this, recordsetOf(m_session.rsProducts)); });
    trap(line + 2, [&] { focusGrid(); });
}

} // namespace quarvel::reference
