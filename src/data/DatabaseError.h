#pragma once

#include <QString>
#include <stdexcept>

namespace quarvel {

// The one exception type of the data layer. Its text is the engine's own message, or a
// sentence of ours that names the field or row concerned; windows show it unchanged.
// The kind tells apart the failures a window answers differently from a plain report.
class DatabaseError : public std::runtime_error {
public:
    enum class Kind {
        Failure,  // any other failure
        Conflict, // another user changed the row since it was read; it is still there
        ReadOnly, // the database file cannot be written
        NotAdded  // a field write or Update after the procedure's AddNew failed
    };

    // The rule of the schema that refused a write, as the engine names it (SQLite's extended
    // result code, PostgreSQL's SQLSTATE class 23).
    enum class Constraint { None, ForeignKey, NotNull, Unique, Check, Other };

    explicit DatabaseError(const QString& message, Kind kind = Kind::Failure,
                           Constraint constraint = Constraint::None)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind),
          m_constraint(constraint) {}

    QString message() const { return m_message; }
    Kind kind() const { return m_kind; }
    Constraint constraint() const { return m_constraint; }

private:
    QString m_message;
    Kind m_kind;
    Constraint m_constraint;
};

} // namespace quarvel
