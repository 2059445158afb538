#pragma once

class QWidget;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {

// What became of an edit that another user's change met.
enum class SaveOutcome {
    Written,    // the row was written (or had nothing to write)
    TookStored, // the user took the stored values: the edit is gone, the row shows them
    KeptTyping, // the user kept the typed values in the row, unwritten, to go on editing
};

// Writes the current row of `rs` (Update). When the write is refused because another user
// changed the row since it was read, a question shows the stored values beside the typed ones
// and offers three ways on: write the typed values over the stored ones, take the stored
// values, or keep the typed values in the window to go on editing (the default, and Esc).
// Nothing typed is lost without that choice. A row kept this way is still checked against the
// values it was first read with, so its next save asks again. Any other failure is thrown.
SaveOutcome updateAskingOnConflict(QWidget* parent, Recordset& rs);

// Before the cursor leaves the current row: writes a pending edit as updateAskingOnConflict
// does. False when the user kept typing, so that the row stays current.
bool settleBeforeLeaving(QWidget* parent, Recordset& rs);

} // namespace quarvel::controls
