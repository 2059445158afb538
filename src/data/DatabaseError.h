#pragma once

#include <QString>
#include <stdexcept>

namespace quarvel {

// The one exception type of the data layer. Its text is the engine's own message, or a
// sentence of ours that names the field or row concerned; windows show it unchanged.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace quarvel
