#pragma once

#include "shell/FormWindow.h"

class QTimer;

namespace quarvel::orders {

// Form9, the pause window: a small window without caption or controls that closes itself on
// the first tick of its timer Timer1 (500 milliseconds, running from the start). Shown
// modally, it makes its caller wait that long with the program still drawing.
class PauseWindow : public shell::FormWindow {
    Q_OBJECT

public:
    static constexpr int interval = 500;

    explicit PauseWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);

    void Form_Load() override;
    void Timer1_Timer();

    QTimer* timer() const { return m_timer; }

private:
    QTimer* m_timer;
};

} // namespace quarvel::orders
