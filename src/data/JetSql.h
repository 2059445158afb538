#pragma once

#include <QString>

namespace quarvel {

// The engine a command text is translated for.
enum class JetTarget { Sqlite, Postgres };

// Translates a command text written in the desktop-database dialect the windows send into
// the engine's dialect, without changing its results:
//   * DISTINCTROW is dropped (every query it appears in selects from one table, where it
//     changes nothing);
//   * [name] becomes "name";
//   * a double-quoted text is a string literal there and becomes a single-quoted one;
//   * & (text concatenation, where Null counts as an empty text) becomes ||, with each column
//     operand wrapped in ifnull(..., '') so that a Null does not swallow the whole result.
//   * "A RIGHT JOIN B ON" becomes "B LEFT JOIN A ON" when the select list names its columns
//     (same rows; the engine then reads only the filtered rows of B).
// For PostgreSQL, besides, every name that is no SQL keyword or function is double-quoted,
// so that the mixed-case names of the tables and columns keep their case (and come back with
// it as the result's field names); `name` becomes "name", and ifnull becomes coalesce.
// Single-quoted literals and the rest of the text pass through unchanged.
QString TranslateJetSql(const QString& jetSql, JetTarget target = JetTarget::Sqlite);

} // namespace quarvel
