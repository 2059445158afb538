#pragma once

#include <QPlainTextEdit>

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {

class DataControl;
class FieldBinding;

// The multi-line bound text box: the same binding as BoundTextBox over a QPlainTextEdit.
// The user's edits reach the current row as they are typed; a move shows the new row's value
// and fires changed(). Tab and Ctrl+Tab (Shift+Tab, Ctrl+Shift+Tab) go on to the next
// (previous) control.
class BoundTextArea : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit BoundTextArea(QWidget* parent = nullptr);
    ~BoundTextArea() override;

    void bind(DataControl* control, const QString& fieldName);
    void bind(Recordset* recordset, const QString& fieldName);
    void unbind();

    Recordset* recordset() const;
    QString dataField() const;
    QString text() const { return toPlainText(); }

    // Shows the bound field's current value again.
    void refresh();

signals:
    void changed();

protected:
    bool event(QEvent* event) override;

private:
    void onContentsChanged();

    FieldBinding* m_binding;
    bool m_showing = false;
};

} // namespace quarvel::controls
