#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <utility>

class QPushButton;
class QWidget;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {
class DataControl;
class DataGrid;
} // namespace quarvel::controls

namespace quarvel::shell {

// The rows that belong to the record a window shows (a product's transactions, an order's
// lines), in a grid over a recordset variable and its bar, with the three row buttons: "Add
// New Transaction" (PushButton2), "Save Transaction" (PushButton8) and "Delete Current
// Transaction" (PushButton1). The window builds and lays out the controls; this is the one
// lifecycle they share, configured by a Declaration as QDataWidgetMapper is by its model and
// submit policy: re-reading the rows for another record, writing a pending row (asking on
// another user's change), settling it before the grid is left, and the buttons' procedures.
//
// Each button's procedure is a trapped procedure named after the button ("PushButton8_Click"),
// its statements numbered from 102 in steps of two in the order below; a statement the
// declaration leaves out takes no number.
class GridEditor : public QObject {
    Q_OBJECT

public:
    // A value a new row gets: the field and a function giving the value (it may throw).
    using NewValue = std::pair<QString, std::function<QVariant()>>;

    struct Declaration {
        QString object; // the window's designer name, for the trap's reports
        // The rows' source text, without the key of the record they belong to.
        QString source;
        // The key of the record on show; Null when there is none (nothing is re-read).
        std::function<QVariant()> parentKey;
        // The Add button's values, each one statement after AddNew (and before Update).
        QList<NewValue> addedRow;
        // The values of a row the user begins in the grid's empty last row.
        QList<NewValue> gridRow;
        // Lays the columns out after each re-read.
        std::function<void()> layoutColumns;
        // Re-reads what the rows add up to (shown elsewhere): after each re-read, each write,
        // and each cell edit begun. None when empty.
        std::function<void()> refigure;
        // After "Save Transaction" the rows themselves are re-read and the current row is
        // made current again (by its keyField, else by its place).
        bool reReadAfterSave = false;
        QString keyField = QStringLiteral("TransactionID");
        // The current row's date, as the delete question and the "saved." note give it.
        QString dateField = QStringLiteral("TransactionDate");
        std::function<QString()> dateFormat;
        // What follows the date in the "saved." note (one statement, first of the procedure).
        std::function<QString()> savedSuffix;
        // What follows the date in the delete question; when empty, nothing, and no statement.
        std::function<QString()> deleteSuffix;
        // Asked (Yes/No) before a pending row is written on leaving the grid's record: Yes
        // writes, No drops the row's edits. When empty the row is written without asking.
        QString pendingQuestion;
        // Runs first when the user begins to edit a cell.
        std::function<void()> cellEditBegun;
    };

    GridEditor(QWidget* form, controls::DataGrid* grid, controls::DataControl* bar,
               std::shared_ptr<Recordset>& rows, Declaration declaration);

    // Connects the row buttons to their procedures.
    void setButtons(QPushButton* add, QPushButton* save, QPushButton* remove);

    // Re-reads the rows of the record on show (SetCalls). A row with edits not yet written is
    // written first; when it is not, nothing is re-read.
    void reload();
    // Writes the current row's pending edits, then re-figures (SaveTransactions). False when
    // the user took another user's stored values instead, or kept typing.
    bool save();
    // Before the record changes or the window closes: hands an open cell editor's text to the
    // row and settles a pending row as the declaration says. False when the grid refused the
    // text (it has said so) or the user kept typing; throws when the write fails. Either way
    // the row keeps its edits and the caller must not go on.
    bool settlePendingRow();
    // Makes the row with `key` current again after a re-read (the row at `row` when it is gone).
    void showRow(const QVariant& key, int row);

    // The buttons' procedures (trapped).
    void addRow();
    void saveRow();
    void deleteRow();

    controls::DataGrid* grid() const { return m_grid; }
    controls::DataControl* bar() const { return m_bar; }
    std::shared_ptr<Recordset>& rows() { return m_rows; }

private:
    Recordset& current() const;
    QString rowDate() const;
    // The grid's notifications.
    void gridRowBegun();
    void cellEditBegun();

    QWidget* m_form;
    controls::DataGrid* m_grid;
    controls::DataControl* m_bar;
    std::shared_ptr<Recordset>& m_rows;
    Declaration m_declaration;
    QPushButton* m_add = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace quarvel::shell
