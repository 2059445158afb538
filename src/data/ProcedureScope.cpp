#include "data/ProcedureScope.h"

#include <algorithm>
#include <vector>

namespace quarvel {

namespace {

std::vector<quint64>& running() {
    static thread_local std::vector<quint64> scopes;
    return scopes;
}

quint64 nextId() {
    static thread_local quint64 last = 0;
    return ++last;
}

} // namespace

ProcedureScope::ProcedureScope() : m_id(nextId()) {
    running().push_back(m_id);
}

ProcedureScope::~ProcedureScope() {
    auto& scopes = running();
    scopes.erase(std::remove(scopes.begin(), scopes.end(), m_id), scopes.end());
}

quint64 ProcedureScope::current() {
    const auto& scopes = running();
    return scopes.empty() ? 0 : scopes.back();
}

bool ProcedureScope::isRunning(quint64 id) {
    const auto& scopes = running();
    return id != 0 && std::find(scopes.begin(), scopes.end(), id) != scopes.end();
}

} // namespace quarvel
