#pragma once

#include <QtGlobal>

namespace quarvel {

// The extent of one event procedure: the error trap holds one while its procedure runs.
// Procedures nest (a modal window's handler runs inside the handler that opened it); each
// scope has its own number, and a scope is running from its construction to its destruction.
// Recordsets use it to keep a failed AddNew's consequences inside the procedure that made it
// (see Recordset::AddNew). Single-threaded, like the windows that use it.
class ProcedureScope {
public:
    ProcedureScope();
    ~ProcedureScope();
    ProcedureScope(const ProcedureScope&) = delete;
    ProcedureScope& operator=(const ProcedureScope&) = delete;

    quint64 id() const { return m_id; }

    // The innermost running scope, 0 when no procedure is running.
    static quint64 current();
    static bool isRunning(quint64 id);

private:
    quint64 m_id;
};

} // namespace quarvel
