#pragma once

#include <QString>
#include <stdexcept>

namespace quarvel::dbtool {

// A failure of the database tool, with a message meant for the person at the terminal. The
// message is kept whole as a QString (what() would stop at a NUL character in it).
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace quarvel::dbtool
