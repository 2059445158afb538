#include "data/ProcedureScope.h"

#include <QThread>
#include <algorithm>
#include <vector>

namespace quarvel {

namespace {

struct Running {
    quint64 id;
    int loopLevel; // the event loop the procedure was called from
};

std::vector<Running>& running() {
    static thread_local std::vector<Running> scopes;
    return scopes;
}

quint64 nextId() {
    static thread_local quint64 last = 0;
    return ++last;
}

int loopLevel() {
    return QThread::currentThread()->loopLevel();
}

} // namespace

ProcedureScope::ProcedureScope() : m_id(nextId()) {
    running().push_back({m_id, loopLevel()});
}

ProcedureScope::~ProcedureScope() {
    auto& scopes = running();
    scopes.erase(std::remove_if(scopes.begin(), scopes.end(),
                                [this](const Running& r) { return r.id == m_id; }),
                 scopes.end());
}

quint64 ProcedureScope::current() {
    // Inside a modal window that the innermost procedure opened, the code that runs belongs
    // to the user's work in that window, not to the procedure.
    const auto& scopes = running();
    if (scopes.empty() || scopes.back().loopLevel != loopLevel())
        return 0;
    return scopes.back().id;
}

bool ProcedureScope::isRunning(quint64 id) {
    return id != 0 && current() == id;
}

} // namespace quarvel
