#pragma once

#include <QString>
#include <stdexcept>

namespace quarvel::reports {

// Thrown by the report runtime for a malformed data-shaping command, a field a report names
// that its data does not have, or an output file that cannot be written.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    // The whole text, also past a NUL character that what() would end at.
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace quarvel::reports
