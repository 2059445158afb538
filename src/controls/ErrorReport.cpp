#include "controls/ErrorReport.h"

#include "data/DatabaseError.h"
#include "platform/MessageBox.h"

#include <exception>

namespace quarvel::controls {

QString supportAddress() {
    return QStringLiteral("support@quarvel.example");
}

QString unknownErrorText() {
    return QStringLiteral("Unknown error");
}

QString errorReportText(const QString& description, const TrapLocation& where) {
    return description + QStringLiteral("\r\nin Quarvel2021/08/31.") + where.object + u'.' +
           where.procedure + QStringLiteral(" at line ") + QString::number(where.line) +
           QStringLiteral("\r\rPlease email screenshot of this message to ") + supportAddress();
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
            spec.title = QStringLiteral("Application Error");
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
