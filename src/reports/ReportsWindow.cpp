#include "ReportsWindow.h"

#include "Printers.h"
#include "platform/Twips.h"
#include "shell/FileExists.h"
#include "shell/HoverFeedback.h"
#include "shell/Trap.h"
#include "shell/WindowLook.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>

namespace quarvel::reports {

namespace {

const QString formName = QStringLiteral("Form3");

struct ButtonSpec {
    int number;
    int top;
    const char* caption;
};

// Stacked top to bottom in this order.
constexpr ButtonSpec buttons[] = {
    {1, 120, "Product Cost Comparisons"},
    {2, 630, "Product Purchases by Supplier"},
    {3, 1140, "Product Summary"},
    {5, 1650, "Product Transaction Detail"},
    {4, 2160, "Close"},
};

} // namespace

ReportsWindow::ReportsWindow(const QString& programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : programFolder) {
    setObjectName(formName);
    setWindowTitle(QStringLiteral("Reports"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(platform::Twips::size(8040, 2670, this));
    for (const ButtonSpec& spec : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(spec.caption), this);
        button->setObjectName(QStringLiteral("PushButton%1").arg(spec.number));
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        button->setGeometry(platform::Twips::rect(120, spec.top, 7800, 400, this));
        shell::HoverFeedback::attach(button, shell::HoverFeedback::Hand);
    }
    shell::HoverFeedback::attach(this, shell::HoverFeedback::Reset);
    connect(button(1), &QPushButton::clicked, this, &ReportsWindow::PushButton1_Click);
    connect(button(2), &QPushButton::clicked, this, &ReportsWindow::PushButton2_Click);
    connect(button(3), &QPushButton::clicked, this, &ReportsWindow::PushButton3_Click);
    connect(button(4), &QPushButton::clicked, this, &ReportsWindow::PushButton4_Click);
    connect(button(5), &QPushButton::clicked, this, &ReportsWindow::PushButton5_Click);
}

void ReportsWindow::showModal(QWidget* parent, const QString& programFolder) {
    ReportsWindow window(programFolder, parent);
    window.Form_Load();
    window.exec();
}

QPushButton* ReportsWindow::button(int number) const {
    return findChild<QPushButton*>(QStringLiteral("PushButton%1").arg(number));
}

void ReportsWindow::Form_Load() {
    shell::Trap trap(formName, QStringLiteral("Form_Load"), 102, this);
    trap(104, [&] { shell::SetButtonFaceColors(this); });
    trap(106, [&] { setWindowIcon(QIcon(QStringLiteral(":/icons/quarvel.png"))); });
    trap(108, [&] {
        if (shell::FileExists(m_programFolder + QStringLiteral("/HAND-M.CUR")))
            shell::HoverFeedback::loadHandCursor(this, m_programFolder);
    });
}

void ReportsWindow::showReport(const QString& procedure, int reportNumber) {
    shell::Trap trap(formName, procedure, 100, this);
    trap(102, [&] { ShowReport(reportNumber, this); });
}

void ReportsWindow::PushButton1_Click() {
    showReport(QStringLiteral("PushButton1_Click"), 1);
}

void ReportsWindow::PushButton2_Click() {
    showReport(QStringLiteral("PushButton2_Click"), 2);
}

void ReportsWindow::PushButton3_Click() {
    showReport(QStringLiteral("PushButton3_Click"), 3);
}

void ReportsWindow::PushButton5_Click() {
    showReport(QStringLiteral("PushButton5_Click"), 5);
}

void ReportsWindow::PushButton4_Click() {
    shell::Trap trap(formName, QStringLiteral("PushButton4_Click"), 100, this);
    trap(102, [&] { close(); });
}

} // namespace quarvel::reports
