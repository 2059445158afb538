#include "shell/HoverFeedback.h"

#include "platform/CursorFile.h"
#include "shell/FileExists.h"
#include "shell/Trap.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

namespace quarvel::shell {

namespace {
constexpr char pointerProperty[] = "quarvelMousePointer";
constexpr char iconProperty[] = "quarvelMouseIcon";

void applyCursor(QWidget* window, int kind) {
    switch (kind) {
    case HoverFeedback::Hourglass:
        window->setCursor(Qt::WaitCursor);
        break;
    case HoverFeedback::Custom:
        if (const auto icon = HoverFeedback::mouseIcon(window)) {
            window->setCursor(*icon);
        } else {
            window->setCursor(Qt::ArrowCursor);
        }
        break;
    default:
        window->unsetCursor();
        break;
    }
}
} // namespace

int HoverFeedback::mousePointer(const QWidget* window) {
    return window == nullptr ? Default : window->property(pointerProperty).toInt();
}

void HoverFeedback::setMousePointer(QWidget* window, int kind) {
    if (window == nullptr) {
        return;
    }
    window->setProperty(pointerProperty, kind);
    applyCursor(window, kind);
}

void HoverFeedback::setMouseIcon(QWidget* window, const std::optional<QCursor>& icon) {
    if (window == nullptr) {
        return;
    }
    window->setProperty(iconProperty, icon ? QVariant::fromValue(*icon) : QVariant());
    if (mousePointer(window) == Custom) {
        applyCursor(window, Custom);
    }
}

std::optional<QCursor> HoverFeedback::mouseIcon(const QWidget* window) {
    const QVariant value = window == nullptr ? QVariant() : window->property(iconProperty);
    if (!value.canConvert<QCursor>() || value.isNull()) {
        return std::nullopt;
    }
    return value.value<QCursor>();
}

bool HoverFeedback::loadHandCursor(QWidget* window, const QString& programFolder) {
    const QString path = programFolder + QStringLiteral("/HAND-M.CUR");
    std::optional<QCursor> icon;
    if (FileExists(path)) {
        icon = platform::CursorFile::load(path);
    }
    setMouseIcon(window, icon);
    return icon.has_value();
}

void HoverFeedback::hand(QWidget* window) {
    if (mousePointer(window) != Hourglass) {
        setMousePointer(window, Custom);
    }
}

void HoverFeedback::reset(QWidget* window) {
    if (mousePointer(window) != Hourglass) {
        setMousePointer(window, Default);
    }
}

void HoverFeedback::perform(Action action, QWidget* window, const std::function<void()>& clear) {
    switch (action) {
    case Hand:
        hand(window);
        break;
    case Reset:
        reset(window);
        break;
    case ResetAndClear:
        reset(window);
        if (clear) {
            clear();
        }
        break;
    case Clear:
        if (clear) {
            clear();
        }
        break;
    }
}

HoverFeedback::HoverFeedback(QWidget* control, Action action, std::function<void()> clear)
    : QObject(control), m_action(action), m_clear(std::move(clear)) {}

void HoverFeedback::attach(QWidget* control, Action action, std::function<void()> clear) {
    if (control == nullptr) {
        return;
    }
    auto* filter = new HoverFeedback(control, action, std::move(clear));
    control->setMouseTracking(true);
    control->installEventFilter(filter);
    // A combo's or spin box's edit field is part of the control; a container's children are
    // controls of their own, with their own actions.
    if (!qobject_cast<QComboBox*>(control) && !qobject_cast<QAbstractSpinBox*>(control)) {
        return;
    }
    const auto inner = control->findChildren<QWidget*>();
    for (QWidget* w : inner) {
        if (!w->isWindow()) {
            w->setMouseTracking(true);
            w->installEventFilter(filter);
        }
    }
}

bool HoverFeedback::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    QWidget* window = widget->window();
    catchAndReport(window, [&] { perform(m_action, window, m_clear); });
    return static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
}

} // namespace quarvel::shell
