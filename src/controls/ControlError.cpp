#include "controls/ControlError.h"

#include "data/DatabaseError.h"
#include "platform/MessageBox.h"

namespace quarvel::controls {

void showControlError(QWidget* parent, const QString& message) {
    platform::MessageBoxSpec spec;
    spec.text = message;
    spec.icon = QMessageBox::Critical;
    spec.buttons = QMessageBox::Ok;
    try {
        platform::showMessageBox(parent, spec);
    } catch (...) {
        // A box that cannot be shown must not take the program down from inside a slot.
    }
}

QString messageOf(const std::exception& error) {
    if (const auto* databaseError = dynamic_cast<const DatabaseError*>(&error))
        return databaseError->message();
    return QString::fromLocal8Bit(error.what());
}

} // namespace quarvel::controls
