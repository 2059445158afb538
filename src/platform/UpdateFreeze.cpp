#include "platform/UpdateFreeze.h"

namespace quarvel::platform {

// The widget's own setting is Qt::WA_ForceUpdatesDisabled (what setUpdatesEnabled(false) sets);
// updatesEnabled() would also be false when only a parent is frozen, and restoring that would
// leave the widget frozen after the parent thaws.
UpdateFreeze::UpdateFreeze(QWidget* widget)
    : m_widget(widget),
      m_wasFrozen(widget != nullptr && widget->testAttribute(Qt::WA_ForceUpdatesDisabled)) {
    if (m_widget) {
        m_widget->setUpdatesEnabled(false);
    }
}

UpdateFreeze::~UpdateFreeze() {
    if (m_widget) {
        m_widget->setUpdatesEnabled(!m_wasFrozen);
    }
}

} // namespace quarvel::platform
