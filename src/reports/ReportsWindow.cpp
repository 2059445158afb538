#include "ReportsWindow.h"

#include "DataReports.h"
#include "Printers.h"
#include "shell/FormBuilder.h"
#include "shell/Trap.h"

#include <QPushButton>

namespace quarvel::reports {

namespace {

const QString formName = QStringLiteral("Form3");

} // namespace

ReportsWindow::ReportsWindow(shell::Session& session, const QString& programFolder, QWidget* parent)
    : FormWindow({formName, tr("Reports"), 8040, 2670}, programFolder, parent), m_session(session) {
    struct ButtonSpec {
        int number;
        QString caption;
    };
    // Stacked top to bottom in this order, 510 twips apart; a report's button is its title.
    const ButtonSpec buttons[] = {
        {1, reportTitle(dataReportOf(ProductCostComparisons))},
        {2, reportTitle(dataReportOf(ProductPurchasesBySupplier))},
        {3, reportTitle(dataReportOf(ProductSummary))},
        {5, reportTitle(dataReportOf(ProductTransactionDetail))},
        {4, tr("Close")},
    };
    int top = 120;
    for (const ButtonSpec& spec : buttons) {
        shell::form::button(this, QStringLiteral("PushButton%1").arg(spec.number), spec.caption,
                            120, top, 7800, 400);
        top += 510;
    }
    attachHover(shell::HoverFeedback::Reset, {this});
    attachHoverByName(shell::HoverFeedback::Hand,
                      {"PushButton1", "PushButton2", "PushButton3", "PushButton4", "PushButton5"});
    connect(button(1), &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton1_Click(); }));
    connect(button(2), &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton2_Click(); }));
    connect(button(3), &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton3_Click(); }));
    connect(button(4), &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton4_Click(); }));
    connect(button(5), &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton5_Click(); }));
}

QPushButton* ReportsWindow::button(int number) const {
    return findChild<QPushButton*>(QStringLiteral("PushButton%1").arg(number));
}

void ReportsWindow::Form_Load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    loadLook(trap, 104);
}

void ReportsWindow::showReport(const QString& procedure, int reportNumber) {
    shell::Trap trap(formName, procedure, 100, this);
    trap(102, [&] { ShowReport(reportNumber, m_session, this); });
}

void ReportsWindow::PushButton1_Click() {
    showReport(QStringLiteral("PushButton1_Click"), ProductCostComparisons);
}

void ReportsWindow::PushButton2_Click() {
    showReport(QStringLiteral("PushButton2_Click"), ProductPurchasesBySupplier);
}

void ReportsWindow::PushButton3_Click() {
    showReport(QStringLiteral("PushButton3_Click"), ProductSummary);
}

void ReportsWindow::PushButton5_Click() {
    showReport(QStringLiteral("PushButton5_Click"), ProductTransactionDetail);
}

void ReportsWindow::PushButton4_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton4_Click"), 100, this);
    trap(102, [&] { close(); });
}

} // namespace quarvel::reports
