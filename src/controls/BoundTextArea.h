#pragma once

#include "controls/BoundField.h"

#include <QPlainTextEdit>

namespace quarvel::controls {

// The multi-line bound text box: the same binding as BoundTextBox over a QPlainTextEdit.
// The user's edits reach the current row as they are typed; a move shows the new row's value
// and fires changed(). Tab and Ctrl+Tab (Shift+Tab, Ctrl+Shift+Tab) go on to the next
// (previous) control.
class BoundTextArea : public QPlainTextEdit, public BoundField {
    Q_OBJECT

public:
    explicit BoundTextArea(QWidget* parent = nullptr);
    ~BoundTextArea() override;

    QString text() const { return toPlainText(); }

signals:
    void changed();

protected:
    bool event(QEvent* event) override;
    void showField(bool moved) override;

private:
    void onContentsChanged();

    bool m_showing = false;
};

} // namespace quarvel::controls
