#pragma once

#include <QPointer>
#include <QWidget>

namespace quarvel::platform {

// Suspends the drawing of a widget (and its children) for the lifetime of the guard, and puts
// the widget's own setting back afterwards. Guards nest: only the outermost one lets the
// widget draw again. A widget destroyed meanwhile is left alone.
class UpdateFreeze {
public:
    explicit UpdateFreeze(QWidget* widget);
    ~UpdateFreeze();
    UpdateFreeze(const UpdateFreeze&) = delete;
    UpdateFreeze& operator=(const UpdateFreeze&) = delete;

private:
    QPointer<QWidget> m_widget;
    bool m_wasFrozen = false;
};

} // namespace quarvel::platform
