#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace quarvel::controls {

// The plain error box of the controls: the failure's message, a critical icon and the
// application title. Signal handlers of the controls catch every failure and report it here,
// so that no exception leaves a slot and the program goes on.
void showControlError(QWidget* parent, const QString& message);

// The text of an exception: the data layer's own message when it is a DatabaseError.
QString messageOf(const std::exception& error);

// Runs `action`; a thrown exception is reported with showControlError. True when it succeeded.
template <typename Action> bool runReported(QWidget* parent, Action&& action) {
    QString message;
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        message = messageOf(error);
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    showControlError(parent, message);
    return false;
}

} // namespace quarvel::controls
