#pragma once

#include <QString>
#include <stdexcept>

namespace quarvel::dbtool {

// A failure of the database tool, with a message meant for the person at the terminal.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace quarvel::dbtool
