#include "shell/Trap.h"

namespace quarvel::shell {

Trap::Trap(QString object, QString procedure, int line, QWidget* parent)
    : m_where{std::move(object), std::move(procedure), line}, m_parent(parent) {}

void Trap::reportCurrentFailure() noexcept {
    ++m_failures;
    controls::reportCurrentFailure(m_parent.data(), m_where);
}

} // namespace quarvel::shell
