#include "shell/Trap.h"

#include "platform/MessageBox.h"

namespace quarvel::shell {

Trap::Trap(QString object, QString procedure, int line, QWidget* parent)
    : m_object(std::move(object)), m_procedure(std::move(procedure)), m_line(line),
      m_parent(parent) {}

QString Trap::supportAddress() {
    return QStringLiteral("support@quarvel.example");
}

QString Trap::unknownErrorText() {
    return QStringLiteral("Unknown error");
}

QString Trap::message(const QString& description, const QString& object, const QString& procedure,
                      int line) {
    return description + QStringLiteral("\r\n") + QStringLiteral("in Quarvel2021/08/31.") + object +
           u'.' + procedure + u' ' + QStringLiteral("at line ") + QString::number(line) +
           QStringLiteral("\r\r") + QStringLiteral("Please email screenshot of this message to ") +
           supportAddress();
}

void Trap::showReport(QWidget* parent, const QString& description, const QString& object,
                      const QString& procedure, int line) noexcept {
    try {
        platform::MessageBoxSpec spec;
        spec.title = QStringLiteral("Application Error");
        spec.text = message(description, object, procedure, line);
        spec.icon = QMessageBox::Warning;
        spec.buttons = QMessageBox::Ok;
        spec.defaultButton = QMessageBox::Ok;
        platform::showMessageBox(parent, spec);
    } catch (...) {
        // Nothing is left to tell the user with; the procedure goes on regardless.
    }
}

void Trap::report(const QString& description) noexcept {
    ++m_failures;
    showReport(m_parent.data(), description, m_object, m_procedure, m_line);
}

void reportUntrapped(QWidget* parent, const QString& description) noexcept {
    try {
        platform::MessageBoxSpec spec;
        spec.text = description;
        spec.icon = QMessageBox::Critical;
        spec.buttons = QMessageBox::Ok;
        platform::showMessageBox(parent, spec);
    } catch (...) {
        // As above: the box was the last resort.
    }
}

void reportUntrapped(QWidget* parent, const std::exception& error) noexcept {
    reportUntrapped(parent, QString::fromUtf8(error.what()));
}

} // namespace quarvel::shell
