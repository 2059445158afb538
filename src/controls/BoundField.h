#pragma once

#include "controls/FieldBinding.h"

namespace quarvel::controls {

// What every bound control shares (text box, text area, combo): its FieldBinding and the
// binding calls. The control shows the field in showField(), which runs whenever the value to
// show may have changed (a move, a re-query, a re-bind, an unbind, a change of the field from
// elsewhere), and hands the user's edits to writeField().
class BoundField {
public:
    void bind(DataControl* control, const QString& fieldName);
    void bind(Recordset* recordset, const QString& fieldName);
    // Unbinds; the control then shows no value.
    void unbind();

    Recordset* recordset() const;
    QString dataField() const;

    // Shows the bound field's current value again.
    void refresh() { showField(false); }

protected:
    explicit BoundField(QWidget* control);
    virtual ~BoundField();
    BoundField(const BoundField&) = delete;
    BoundField& operator=(const BoundField&) = delete;

    // Shows the field's value. `moved` is true when the current row or the recordset changed,
    // false when only the value may have: a control keeps what it shows when that is the same.
    virtual void showField(bool moved) = 0;

    FieldBinding* binding() const { return m_binding; }
    // The field's value as a box shows it (Null as empty text, dates in `dateFormat`).
    QString fieldText(const QString& dateFormat = {}) const;
    // Writes the user's value into the current row, unless the control is read-only
    // (its readOnly property). A refusal is reported. True when the value was written.
    bool writeField(const QVariant& value);

private:
    QWidget* m_control;
    FieldBinding* m_binding;
};

} // namespace quarvel::controls
