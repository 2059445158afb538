#include "orders/PauseWindow.h"

#include "shell/Trap.h"
#include "shell/WindowLook.h"

#include <QTimer>

namespace quarvel::orders {

PauseWindow::PauseWindow(const QString& programFolder, QWidget* parent)
    : FormWindow({QStringLiteral("Form9"), QString(), 555, 540}, programFolder, parent),
      m_timer(new QTimer(this)) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(interval);
    connect(m_timer, &QTimer::timeout, this, shell::guarded(this, [this] { Timer1_Timer(); }));
    m_timer->start();
    attachHover(shell::HoverFeedback::Reset, {this});
}

void PauseWindow::Form_Load() {
    shell::Trap trap(objectName(), QStringLiteral("Form_Load"), 102, this);
    trap(104, [&] { shell::SetButtonFaceColors(this); });
    trap(106, [&] { setProgramIcon(); });
}

void PauseWindow::Timer1_Timer() {
    m_timer->stop();
    close();
}

} // namespace quarvel::orders
