#pragma once

#include "controls/BoundField.h"

#include <QLineEdit>

namespace quarvel::controls {

// A one-line text box bound to a field of a recordset's current row. What the user types goes
// into the row at once (so the recordset's EditMode is non-zero while the row is unsaved); a
// move to another row, a re-query, a re-bind or a change of the field from elsewhere shows the
// new value. changed() is the box's Change event: it fires on the user's edits and whenever a
// new value is shown. Null shows as empty text; without a current row (BOF/EOF) the box is
// empty and edits are not written. The box takes as many characters as the field does
// (its maximum length follows the field's defined size); a paste that does not fit is
// refused as a whole, with a box that says so, instead of being cut.
class BoundTextBox : public QLineEdit, public BoundField {
    Q_OBJECT

public:
    explicit BoundTextBox(QWidget* parent = nullptr);
    ~BoundTextBox() override;

    // Pattern for date values, e.g. "MM/dd/yyyy"; empty means the short date.
    void setDateFormat(const QString& format);
    QString dateFormat() const { return m_dateFormat; }

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showField(bool moved) override;

private:
    void onUserEdit(const QString& text);
    void followFieldSize();

    QString m_dateFormat;
    // The most characters the field takes (0: no limit of its own).
    int m_characters = 0;
    // Set when the box refused part of an input for its maximum length.
    bool m_inputCut = false;
    // Set while a typed key (not a paste) is handled.
    bool m_typing = false;
    bool m_undoing = false;
};

} // namespace quarvel::controls
