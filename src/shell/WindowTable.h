#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quarvel::shell {

class Session;

// The program's windows that other windows open, by designer name.
enum class WindowId {
    Form2,  // Product Categories
    Form3,  // Reports
    Form4,  // Shipping Methods
    Form5,  // Suppliers
    Form6,  // Employees
    Form7,  // My Company Information
    Form8,  // Purchase Orders
    Form9,  // the pause window
    Form10, // the report's date range
    // The windows added since, named after what they do.
    FindProduct,
    ReorderStock,
    CountStock,
    ImportData,
    History,
};
inline constexpr WindowId allWindowIds[] = {
    WindowId::Form2,      WindowId::Form3,       WindowId::Form4,        WindowId::Form5,
    WindowId::Form6,      WindowId::Form7,       WindowId::Form8,        WindowId::Form9,
    WindowId::Form10,     WindowId::FindProduct, WindowId::ReorderStock, WindowId::CountStock,
    WindowId::ImportData, WindowId::History,
};

// The window's designer name ("Form5", "FindProduct").
QString designerName(WindowId id);

// The windows of the program by id: whoever opens a window opens it by its id, and one table
// (registerProgramWindows in app/) says which class each id is.
class WindowTable {
public:
    // Shows the window over `parent`, modally, and returns when it has closed.
    using Opener = std::function<void(QWidget* parent)>;

    // Makes `opener` what opens window `id`, in place of any before; returns the one before
    // (empty when there was none), so that a caller can put it back.
    static Opener registerWindow(WindowId id, Opener opener);
    // Forgets every opener.
    static void clear();
    // Opens window `id` over parent. An id with no opener is a fault of the program, not a
    // button that does nothing: it throws std::logic_error naming the window.
    static void openWindow(WindowId id, QWidget* parent);
    // Throws std::logic_error naming the first window that has no opener (at start-up).
    static void requireEveryWindow();

    // The opener of a window class: the window is created over parent, loaded (Form_Load),
    // shown modally and unloaded when it closes.
    template <typename Window> static Opener modal() {
        return [](QWidget* parent) {
            Window window(QString(), parent);
            window.Form_Load();
            window.exec();
        };
    }
    // The same for a window that works with the main window's session.
    template <typename Window> static Opener modal(Session& session) {
        return [&session](QWidget* parent) {
            Window window(session, QString(), parent);
            window.Form_Load();
            window.exec();
        };
    }
};

} // namespace quarvel::shell
