#pragma once

#include <QString>
#include <stdexcept>

namespace quarvel::sqlite {

// A failure reported by SQLite: the engine's whole message, its extended result code
// (SQLITE_CONSTRAINT_FOREIGNKEY, SQLITE_BUSY_SNAPSHOT, ...) and, when a statement failed,
// that statement's text. The message is kept as a QString, so nothing in it is lost to a
// C string's terminator; what() carries the same text for code that only knows
// std::exception.
class Error : public std::runtime_error {
public:
    Error(const QString& message, int extendedCode, const QString& sql = {});

    QString message() const { return m_message; }
    int extendedCode() const { return m_extendedCode; }
    // The primary result code (SQLITE_BUSY for SQLITE_BUSY_SNAPSHOT, and so on).
    int code() const { return m_extendedCode & 0xff; }
    QString sql() const { return m_sql; }

private:
    QString m_message;
    int m_extendedCode;
    QString m_sql;
};

} // namespace quarvel::sqlite
