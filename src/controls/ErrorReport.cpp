#include "controls/ErrorReport.h"

#include "controls/Tr.h"
#include "data/DatabaseError.h"
#include "platform/MessageBox.h"

#include <exception>

namespace quarvel::controls {

QString supportAddress() {
    return QStringLiteral("support@quarvel.example");
}

QString unknownErrorText() {
    return Tr::tr("Unknown error");
}

QString errorReportText(const QString& description, const TrapLocation& where) {
    // One sentence with its places: the description, the procedure, its line, the address.
    return Tr::tr("%1\r\nin Quarvel2021/08/31.%2.%3 at line %4\r\rPlease email screenshot of "
                  "this message to %5")
        .arg(description, where.object, where.procedure, QString::number(where.line),
             supportAddress());
}

QString currentFailureText() noexcept {
    if (!std::current_exception())
        return unknownErrorText();
    try {
        try {
            throw;
        } catch (const DatabaseError& error) {
            return error.message();
        } catch (const std::exception& error) {
            return QString::fromUtf8(error.what());
        } catch (...) {
            return unknownErrorText();
        }
    } catch (...) {
        return {}; // not even the text could be made
    }
}

void reportFailure(QWidget* parent, const QString& description,
                   const std::optional<TrapLocation>& where) noexcept {
    try {
        platform::MessageBoxSpec spec;
        spec.buttons = QMessageBox::Ok;
        if (where) {
            spec.title = Tr::tr("Application Error");
            spec.text = errorReportText(description, *where);
            spec.icon = QMessageBox::Warning;
            spec.defaultButton = QMessageBox::Ok;
        } else {
            spec.text = description;
            spec.icon = QMessageBox::Critical;
        }
        platform::showMessageBox(parent, spec);
    } catch (...) {
        // Nothing is left to tell the user with; the caller goes on regardless.
    }
}

void reportCurrentFailure(QWidget* parent, const std::optional<TrapLocation>& where) noexcept {
    reportFailure(parent, currentFailureText(), where);
}

} // namespace quarvel::controls
