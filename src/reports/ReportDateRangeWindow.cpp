#include "ReportDateRangeWindow.h"

#include "controls/BoundTextBox.h"
#include "controls/DataControl.h"
#include "controls/SaveConflict.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/TypedDate.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/Session.h"
#include "shell/Trap.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>

namespace quarvel::reports {

namespace {

const QString formName = QStringLiteral("Form10");
const QString dateFormat = QStringLiteral("MM/dd/yyyy");
const QString recordSource = QStringLiteral("Select * from [My Company Information]");

using shell::HoverFeedback;
namespace form = shell::form;

// The stored date of the company row as "MM/dd/yyyy", empty when there is none.
QString storedDate(const QString& field) {
    Recordset company;
    company.Open(recordSource, OpenConnection());
    if (company.RecordCount() == 0)
        return QString();
    company.MoveFirst();
    const QVariant value = company.Fields(field);
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(dateFormat);
    return value.toString();
}

} // namespace

ReportDateRangeWindow::ReportDateRangeWindow(shell::Session& session, const QString& programFolder,
                                             QWidget* parent)
    : FormWindow({formName, tr("Report Date Range"), 8040, 1950}, programFolder, parent),
      m_session(session) {
    m_dc = form::control<controls::DataControl>(this, QStringLiteral("dc"), 120, 1560, 7800, 330);
    m_dc->hide(); // the source of the two bindings; the window has no navigation of its own

    QLabel* beginLabel =
        form::label(this, QStringLiteral("Label1(0)"), tr("Beginning Date:"), 120, 165, 1320, 225);
    QLabel* endLabel =
        form::label(this, QStringLiteral("Label1(1)"), tr("Ending Date:"), 120, 645, 1050, 225);
    m_begin = form::box<controls::BoundTextBox>(this, QStringLiteral("Text1(0)"), beginLabel, 1680,
                                                120, 6240, 375);
    m_end = form::box<controls::BoundTextBox>(this, QStringLiteral("Text1(4)"), endLabel, 1680, 600,
                                              6240, 375);
    for (controls::BoundTextBox* box : {m_begin, m_end})
        box->setDateFormat(dateFormat);
    m_begin->bind(m_dc, QStringLiteral("BeginDate"));
    m_end->bind(m_dc, QStringLiteral("EndDate"));

    m_preview =
        form::button(this, QStringLiteral("PushButton1"), tr("Preview..."), 120, 1080, 7800, 400);
    attachHover(HoverFeedback::Reset, {this});
    attachHoverByName(HoverFeedback::Reset, {"Label1"});
    attachHoverByName(HoverFeedback::Hand, {"PushButton1", "Text1"});
    connect(m_preview, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton1_Click(); }));
}

ReportDateRangeWindow::~ReportDateRangeWindow() {
    m_dc->setRecordset(nullptr);
}

void ReportDateRangeWindow::Form_Load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    int line = loadLook(trap, 104);
    line = openRecordset(trap, line, m_dc, m_recordset, [] { return recordSource; });
    trap(line, [&] { recordsetOf(m_recordset).MoveFirst(); });
}

void ReportDateRangeWindow::PushButton1_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton1_Click"), 100, this);
    // Another user's change to the company row asks first; keeping the typing keeps the window.
    bool kept = false;
    trap(102, [&] {
        storeTypedDates();
        kept = controls::updateAskingOnConflict(this, recordsetOf(m_recordset)) ==
               controls::SaveOutcome::KeptTyping;
    });
    if (!kept)
        trap(104, [&] { close(); });
}

void ReportDateRangeWindow::storeTypedDates() {
    if (!m_recordset || m_recordset->EditMode() == Recordset::adEditNone)
        return;
    for (const controls::BoundTextBox* box : {m_begin, m_end}) {
        const QDate date = typedDate(box->text());
        if (date.isValid() && m_recordset->Fields(box->dataField()) != QVariant(date))
            m_recordset->setField(box->dataField(), date);
    }
}

bool ReportDateRangeWindow::queryUnload() {
    shell::Trap trap(formName, QStringLiteral("Form_QueryUnload"), 100, this);
    bool written = true;
    bool kept = false;
    trap(102, [&] {
        if (m_recordset && m_recordset->EditMode() != Recordset::adEditNone) {
            written = false;
            storeTypedDates();
            const controls::SaveOutcome outcome =
                controls::updateAskingOnConflict(this, *m_recordset);
            written = outcome == controls::SaveOutcome::Written;
            kept = outcome == controls::SaveOutcome::KeptTyping;
        }
    });
    if (kept)
        return false;
    // Dates that could not be written are not the period the report uses: the period line
    // then shows the dates the database holds.
    trap(104, [&] {
        m_session.strBeginDate =
            written ? m_begin->text() : storedDate(QStringLiteral("BeginDate"));
    });
    trap(106, [&] {
        m_session.strEndDate = written ? m_end->text() : storedDate(QStringLiteral("EndDate"));
    });
    return true;
}

} // namespace quarvel::reports
