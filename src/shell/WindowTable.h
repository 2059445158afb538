#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quarvel::shell {

// The windows of the program by designer name ("Form3"): whoever opens a window opens it by
// name, and one table (registerProgramWindows in app/) says which class each name is.
class WindowTable {
public:
    // Shows the window over `parent`, modally, and returns when it has closed.
    using Opener = std::function<void(QWidget* parent)>;

    // Makes `opener` what opens window `name`, in place of any before; returns the one before
    // (empty when there was none), so that a caller can put it back.
    static Opener registerWindow(const QString& name, Opener opener);
    // Forgets every opener.
    static void clear();
    // Opens window `name` over parent; a name with no opener opens nothing.
    static void openWindow(const QString& name, QWidget* parent);

    // The opener of a window class: the window is created over parent, loaded (Form_Load),
    // shown modally and unloaded when it closes.
    template <typename Window> static Opener modal() {
        return [](QWidget* parent) {
            Window window(QString(), parent);
            window.Form_Load();
            window.exec();
        };
    }
};

} // namespace quarvel::shell
