#include "ReportDateRangeWindow.h"

#include "data/TypedDate.h"

#include "controls/BoundTextBox.h"
#include "controls/DataControl.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "platform/Twips.h"
#include "shell/FileExists.h"
#include "shell/Globals.h"
#include "shell/HoverFeedback.h"
#include "shell/Trap.h"
#include "shell/WindowLook.h"

#include <QCoreApplication>
#include <QDate>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace quarvel::reports {

namespace {

const QString formName = QStringLiteral("Form10");
const QString dateFormat = QStringLiteral("MM/dd/yyyy");
const QString recordSource = QStringLiteral("Select * from [My Company Information]");

using platform::Twips;
using shell::HoverFeedback;

QLabel* makeLabel(QWidget* window, const QString& name, const QString& caption, const QRect& r) {
    auto* label = new QLabel(caption, window);
    label->setObjectName(name);
    label->setGeometry(r);
    HoverFeedback::attach(label, HoverFeedback::Reset);
    return label;
}

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

ReportDateRangeWindow::ReportDateRangeWindow(const QString& programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : programFolder) {
    setObjectName(formName);
    setWindowTitle(QStringLiteral("Report Date Range"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(Twips::size(8040, 1950, this));

    m_dc = new controls::DataControl(this);
    m_dc->setObjectName(QStringLiteral("dc"));
    m_dc->setGeometry(Twips::rect(120, 1560, 7800, 330, this));
    m_dc->hide(); // the source of the two bindings; the window has no navigation of its own

    auto box = [this](int index, int top, QLabel* label) {
        auto* b = new controls::BoundTextBox(this);
        b->setObjectName(QStringLiteral("Text1(%1)").arg(index));
        b->setGeometry(Twips::rect(1680, top, 6240, 375, this));
        b->setDateFormat(dateFormat);
        label->setBuddy(b);
        b->setAccessibleName(label->text());
        HoverFeedback::attach(b, HoverFeedback::Hand);
        return b;
    };
    QLabel* beginLabel =
        makeLabel(this, QStringLiteral("Label1(0)"), QStringLiteral("Beginning Date:"),
                  Twips::rect(120, 165, 1320, 225, this));
    QLabel* endLabel = makeLabel(this, QStringLiteral("Label1(1)"), QStringLiteral("Ending Date:"),
                                 Twips::rect(120, 645, 1050, 225, this));
    m_begin = box(0, 120, beginLabel);
    m_end = box(4, 600, endLabel);
    m_begin->bind(m_dc, QStringLiteral("BeginDate"));
    m_end->bind(m_dc, QStringLiteral("EndDate"));

    m_preview = new QPushButton(QStringLiteral("Preview..."), this);
    m_preview->setObjectName(QStringLiteral("PushButton1"));
    m_preview->setAccessibleName(m_preview->text());
    m_preview->setAutoDefault(false);
    m_preview->setGeometry(Twips::rect(120, 1080, 7800, 400, this));
    HoverFeedback::attach(m_preview, HoverFeedback::Hand);
    HoverFeedback::attach(this, HoverFeedback::Reset);
    connect(m_preview, &QPushButton::clicked, this, &ReportDateRangeWindow::PushButton1_Click);
}

ReportDateRangeWindow::~ReportDateRangeWindow() {
    m_dc->setRecordset(nullptr);
}

void ReportDateRangeWindow::showModal(QWidget* parent, const QString& programFolder) {
    ReportDateRangeWindow window(programFolder, parent);
    window.Form_Load();
    window.exec();
}

void ReportDateRangeWindow::Form_Load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    trap(104, [&] { shell::SetButtonFaceColors(this); });
    trap(106, [&] { setWindowIcon(QIcon(QStringLiteral(":/icons/quarvel.png"))); });
    trap(108, [&] {
        if (shell::FileExists(m_programFolder + QStringLiteral("/HAND-M.CUR")))
            HoverFeedback::loadHandCursor(this, m_programFolder);
    });
    // The window recordset: a fresh SharedConnection, a client cursor on the record source.
    trap(110, [&] {
        m_dc->setRecordset(nullptr);
        m_recordset.reset();
    });
    trap(112, [&] { SharedConnection = OpenConnection(); });
    trap(114, [&] {
        auto recordset = std::make_shared<Recordset>();
        recordset->Open(recordSource, SharedConnection);
        m_recordset = recordset;
    });
    trap(116, [&] {
        if (m_recordset)
            m_recordset->Requery();
        m_dc->setRecordset(m_recordset.get());
    });
    trap(118, [&] { recordsetOf(m_recordset).MoveFirst(); });
}

void ReportDateRangeWindow::PushButton1_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton1_Click"), 100, this);
    trap(102, [&] {
        storeTypedDates();
        recordsetOf(m_recordset).Update();
    });
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

void ReportDateRangeWindow::done(int result) {
    if (!m_unloaded) {
        m_unloaded = true;
        Form_QueryUnload();
    }
    QDialog::done(result);
}

void ReportDateRangeWindow::Form_QueryUnload() {
    shell::Trap trap(formName, QStringLiteral("Form_QueryUnload"), 100, this);
    bool written = true;
    trap(102, [&] {
        if (m_recordset && m_recordset->EditMode() != Recordset::adEditNone) {
            written = false;
            storeTypedDates();
            m_recordset->Update();
            written = true;
        }
    });
    // Dates that could not be written are not the period the report uses: the period line
    // then shows the dates the database holds.
    trap(104, [&] {
        strBeginDate = written ? m_begin->text() : storedDate(QStringLiteral("BeginDate"));
    });
    trap(106,
         [&] { strEndDate = written ? m_end->text() : storedDate(QStringLiteral("EndDate")); });
}

} // namespace quarvel::reports
