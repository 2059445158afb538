#pragma once

#include <QCursor>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace quarvel::shell {

// The mouse pointer of a window and the hover convention every window follows: over clickable
// controls the pointer becomes the hand, over backgrounds it returns to the default, and the
// hourglass is never overridden.
//
// A window's pointer kind (0 default, 11 hourglass, 99 custom) is kept as a property of the
// window; the window's QCursor follows it. Custom shows the window's mouse icon, the hand
// cursor read from HAND-M.CUR, or the arrow when the window has none.
class HoverFeedback : public QObject {
    Q_OBJECT

public:
    enum PointerKind { Default = 0, Hourglass = 11, Custom = 99 };
    enum Action { Hand, Reset, ResetAndClear, Clear };

    static int mousePointer(const QWidget* window);
    static void setMousePointer(QWidget* window, int kind);

    static void setMouseIcon(QWidget* window, const std::optional<QCursor>& icon);
    static std::optional<QCursor> mouseIcon(const QWidget* window);
    // Makes programFolder + "/HAND-M.CUR" the window's mouse icon when the file exists and
    // reads as a cursor; otherwise the window has none. Nothing is reported. True when loaded.
    static bool loadHandCursor(QWidget* window, const QString& programFolder);

    // The four hover actions against the window's pointer kind. clear is the window's
    // "highlight nothing" (HighLightMenuPrompt(-1) of the Products window).
    static void hand(QWidget* window);
    static void reset(QWidget* window);
    static void perform(Action action, QWidget* window, const std::function<void()>& clear = {});

    // Gives control (with the edit field of a combo or spin box) the hover action: each mouse move
    // over it performs the action on the control's window. Mouse moves with no button held stop
    // there, so that the window's own Reset does not follow a control's Hand.
    static void attach(QWidget* control, Action action, std::function<void()> clear = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HoverFeedback(QWidget* control, Action action, std::function<void()> clear);

    Action m_action;
    std::function<void()> m_clear;
};

} // namespace quarvel::shell
