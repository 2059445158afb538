#pragma once

#include <QString>
#include <concepts>
#include <optional>
#include <utility>

class QWidget;

namespace quarvel::controls {

// Where a trapped procedure stood when it failed: the window's and the procedure's designer
// names and the last numbered statement it passed.
struct TrapLocation {
    QString object;
    QString procedure;
    int line = 0;
};

// The one error path of the program. Every place that catches a failure (the trap of an event
// procedure, the handlers without a trap, the controls' own slots, the grid's writes) reports
// it here:
//  - with a location, the trapped report: "Application Error", OK only, the warning icon, and
//    the text of errorReportText();
//  - without one, the plain box: the description alone, OK only, the critical icon and the
//    application title.
// Reporting never throws: a box that cannot be shown leaves nothing more to tell the user.
void reportFailure(QWidget* parent, const QString& description,
                   const std::optional<TrapLocation>& where = std::nullopt) noexcept;

// The same for the exception being handled; call it only inside a catch block.
void reportCurrentFailure(QWidget* parent,
                          const std::optional<TrapLocation>& where = std::nullopt) noexcept;

// The text of the exception being handled (only inside a catch block): the data layer's and the
// engine's own message, what() of any other std::exception, "Unknown error" for anything else.
QString currentFailureText() noexcept;

// The trapped report's text: the description, CR LF, "in Quarvel2021/08/31.<object>.<procedure>
// ", "at line ", the number, CR CR and the request to e-mail a screenshot.
QString errorReportText(const QString& description, const TrapLocation& where);
QString supportAddress();
QString unknownErrorText();

// Runs `action`; a failure is reported in the plain box and goes no further. True when it ran to
// the end. No exception leaves a slot or an event handler that runs its work through it.
template <std::invocable Action> bool runReported(QWidget* parent, Action&& action) noexcept {
    try {
        std::forward<Action>(action)();
        return true;
    } catch (...) {
        reportCurrentFailure(parent);
    }
    return false;
}

} // namespace quarvel::controls
