#pragma once

#include <QString>
#include <stdexcept>

namespace quarvel::reports {

// Thrown by the report runtime for a malformed data-shaping command, a field a report names
// that its data does not have, or an output file that cannot be written.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace quarvel::reports
