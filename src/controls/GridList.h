#pragma once

#include <QComboBox>
#include <QRect>
#include <QVariant>

class QLabel;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {

// The list a grid's list column is chosen with: a combo box of the grid's window, laid over
// the cell while it is open, so that it is a control like every other one (a screen reader
// finds it in the window, named by the column's caption, with its entries as list items).
// The arrow keys, Home and End move through the entries without choosing; Alt+Down or F4
// opens the entries; Enter, or a click on an entry, chooses; Esc, or leaving the list, closes
// it without a choice.
class GridList : public QComboBox {
    Q_OBJECT

public:
    explicit GridList(QWidget* window);

    // Shows the entries of `list` (the text of `listField`, the value of `boundColumn`) over
    // `rect` (in the window's coordinates), the entry of `value` current, and takes the focus.
    void open(const Recordset* list, const QString& listField, const QString& boundColumn,
              const QString& name, const QString& caption, const QRect& rect,
              const QVariant& value);
    // Hides the list without a choice.
    void dismiss();

signals:
    // The entry chosen: its value of the bound column.
    void chosen(const QVariant& value);
    // Closed without a choice.
    void dismissed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void choose();

    QLabel* m_caption;
};

} // namespace quarvel::controls
