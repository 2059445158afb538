#pragma once

#include <QtGlobal>

namespace quarvel {

// The extent of one event procedure: the error trap holds one while its procedure runs.
// Procedures nest (a modal window's handler runs inside the handler that opened it); each
// scope has its own number. The procedure that counts is the innermost one, and only while
// its own code runs: inside a modal window's event loop that it opened, none does (the user
// is working in that window).
// Recordsets use it to keep a failed AddNew's consequences inside the procedure that made it
// (see Recordset::AddNew). Single-threaded, like the windows that use it.
class ProcedureScope {
public:
    ProcedureScope();
    ~ProcedureScope();
    ProcedureScope(const ProcedureScope&) = delete;
    ProcedureScope& operator=(const ProcedureScope&) = delete;

    quint64 id() const { return m_id; }

    // The innermost scope when its own code is running (see above), 0 otherwise.
    static quint64 current();
    // True when `id` is current().
    static bool isRunning(quint64 id);

private:
    quint64 m_id;
};

} // namespace quarvel
