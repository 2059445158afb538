#pragma once

#include "controls/ErrorReport.h"
#include "data/ProcedureScope.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <concepts>
#include <utility>

namespace quarvel::shell {

// The error trap of an event procedure. The procedure arms it first thing and runs each of
// its numbered statements through it:
//
//     Trap trap(QStringLiteral("Form1"), QStringLiteral("PushButton7_Click"), 100, this);
//     trap(102, [&] { rsProducts->Update(); });
//     trap(104, [&] { ... });
//
// A statement that throws (itself or in anything it calls) is reported in the "Application
// Error" box (controls::reportFailure) under the last line number passed, and the procedure
// goes on with its next statement. The trap stays armed: each failure gives its own report.
// While it lives its procedure is running (a ProcedureScope), so that the statements after a
// failed AddNew do not write into the row left current (see Recordset).
class Trap {
public:
    static constexpr int firstLine = 100;

    Trap(QString object, QString procedure, int line = firstLine, QWidget* parent = nullptr);

    // Runs one numbered statement. True when it ran to the end, false when it failed and was
    // reported.
    template <std::invocable F> bool operator()(int line, F&& statement) noexcept {
        m_where.line = line;
        try {
            std::forward<F>(statement)();
            return true;
        } catch (...) {
            reportCurrentFailure();
        }
        return false;
    }

    // Runs the procedure's next statement, numbered two after the last one passed. A
    // procedure whose statements depend on what the window declares numbers them in order,
    // so that a step left out takes no number.
    template <std::invocable F> bool next(F&& statement) noexcept {
        return (*this)(m_where.line + 2, std::forward<F>(statement));
    }

    // Passes `count` statements that the procedure does not run this time, keeping the numbers
    // of those after them.
    void skip(int count = 1) { m_where.line += 2 * count; }

    // Passes a numbered statement that cannot fail.
    void at(int line) { m_where.line = line; }

    int line() const { return m_where.line; }
    int failures() const { return m_failures; }
    QString object() const { return m_where.object; }
    QString procedure() const { return m_where.procedure; }

private:
    void reportCurrentFailure() noexcept;

    controls::TrapLocation m_where;
    int m_failures = 0;
    QPointer<QWidget> m_parent;
    ProcedureScope m_procedureScope;
};

// The event procedure of a button's click, by its designer name: "PushButton7_Click".
inline QString clickProcedure(const QWidget* button) {
    return button->objectName() + QStringLiteral("_Click");
}

// Runs fn; a failure is reported in the plain box and swallowed. True when fn ran to the end.
// For handlers without a trap (grid and combo notifications, change and focus handlers), so
// that no exception ever leaves a Qt slot or event handler.
template <std::invocable F> bool catchAndReport(QWidget* parent, F&& fn) noexcept {
    return controls::runReported(parent, std::forward<F>(fn));
}

// Wraps a handler for QObject::connect so that its failures go through catchAndReport:
//     connect(grid, &Grid::rowChanged, this, guarded(this, [this](int row) { ... }));
template <typename F> auto guarded(QWidget* parent, F fn) {
    return [ parent = QPointer<QWidget>(parent), fn = std::move(fn) ]<typename... Args>(
               Args && ... args) mutable -> void requires std::invocable<F&, Args...> {
        catchAndReport(parent.data(), [&] { fn(std::forward<Args>(args)...); });
    };
}

} // namespace quarvel::shell
