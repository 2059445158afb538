#pragma once

class QWidget;

namespace quarvel {
class Recordset;
}

namespace quarvel::shell {

// Writes the current row of `rs` (Update). When the write is refused because another user
// changed the row since it was read, the stored values are read again without losing what
// was typed, and a question shows them against the typed ones: Yes writes the typed values
// over them, No drops the edit and shows the stored values. Any other failure is thrown.
// True when the row was written (or had nothing to write), false when the user took the
// stored values.
bool updateAskingOnConflict(QWidget* parent, Recordset& rs);

} // namespace quarvel::shell
