#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace quarvel::platform {

// Everything a message box of the program shows. An empty title means "no title of its own":
// the box then carries the application title (QCoreApplication::applicationName; the display
// name is left unset, as the window system would append it to every window title).
struct MessageBoxSpec {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    // NoButton: the first button (OK, Yes, Abort, Retry) is the default.
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // Captions of the program's own for some of the buttons ("&Save Mine" for Yes, say); the
    // others keep the standard ones.
    QList<QPair<QMessageBox::StandardButton, QString>> captions;
};

// Builds the box, shows it application-modal and returns the button the user chose
// (the escape button, or NoButton, when the box was closed otherwise).
QMessageBox::StandardButton showMessageBox(QWidget* parent, const MessageBoxSpec& spec);

// The classic message-box style number: buttons (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore,
// 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel) + icon (16 critical, 32 question, 48 warning,
// 64 information) + default button (0 first, 256 second, 512 third).
namespace msgstyle {
// The styles the program's boxes use.
constexpr int okOnly = 0;           // a note: OK, no icon
constexpr int yesNo = 4;            // a closing question: Yes and No, Yes the default
constexpr int exclamation = 48;     // OK with the warning icon
constexpr int yesNoDefaultNo = 260; // a deletion question: Yes and No, No the default
} // namespace msgstyle

QMessageBox::StandardButton msgBox(QWidget* parent, const QString& text, int style = 0,
                                   const QString& title = {});

// The spec a style number stands for (used by msgBox; exposed for tests).
MessageBoxSpec messageBoxSpec(const QString& text, int style, const QString& title = {});

// Each CR LF, and each lone CR or LF, becomes one "\n".
QString toDisplayText(const QString& text);

// Replaces exec(): receives the fully built box and returns the answer. Pass {} to restore
// the real dialog. Tests answer boxes through it.
using MessageBoxHandler = std::function<QMessageBox::StandardButton(QMessageBox&)>;
void setMessageBoxHandler(MessageBoxHandler handler);

// Installs a handler for the lifetime of the object and puts the previous one back after.
class ScopedMessageBoxHandler {
public:
    explicit ScopedMessageBoxHandler(MessageBoxHandler handler);
    ~ScopedMessageBoxHandler();
    ScopedMessageBoxHandler(const ScopedMessageBoxHandler&) = delete;
    ScopedMessageBoxHandler& operator=(const ScopedMessageBoxHandler&) = delete;

private:
    MessageBoxHandler m_previous;
};

} // namespace quarvel::platform
