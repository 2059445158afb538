#pragma once

#include "shell/FormWindow.h"

#include <QString>
#include <memory>

class QPushButton;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {
class DataControl;
class DataGrid;
} // namespace quarvel::controls

namespace quarvel::shell {
class Trap;
}

namespace quarvel::reference {

// A window that edits a small lookup table in a grid: the grid DataGrid1 over the recordset of
// the navigation bar dc3 under it, and between them two buttons side by side, PushButton2
// (add, on the left) and PushButton1 (delete). Rows are edited in the grid's cells; new rows
// come only from the add button.
//
// The recordset is a member of the session (`records`), which the window's Form_Load binds to
// dc3. Closing the window with a grid edit not yet written asks whether to write it; a write
// that fails keeps the window open.
class LookupGridWindow : public shell::FormWindow {
    Q_OBJECT

public:
    // The grid's current row, for its history (Ctrl+H).
    Recordset* historyRecordset() const override { return m_records ? m_records->get() : nullptr; }
    struct Texts {
        QString caption;        // the window's and the navigation bar's caption
        QString addCaption;     // "Add New ..."
        QString deleteCaption;  // "Delete Current ..."
        QString deleteQuestion; // asked with CR LF, "For: " and the row's column 1
        QString recordKind;     // "<kind> is changed." when closing
    };

    controls::DataGrid* grid() const { return m_grid; }
    controls::DataControl* dc3() const { return m_dc3; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* deleteButton() const { return m_delete; }

public slots:
    // "Delete Current ...": with a current row, asks (No the default) and deletes that row,
    // then shows the first row. Nothing happens without a current row. A delete the database
    // refuses is reported and the row stays current.
    void PushButton1_Click();
    // "Add New ...".
    virtual void PushButton2_Click() = 0;

protected:
    // width in twips; the grid, the buttons and the bar fill it.
    LookupGridWindow(const QString& name, const Texts& texts, int width,
                     std::shared_ptr<Recordset>& records, const QString& programFolder,
                     QWidget* parent);
    ~LookupGridWindow() override;

    // The grid's width in twips.
    int gridWidth() const { return m_gridWidth; }
    // The recordset variable the window was made with (the session's).
    std::shared_ptr<Recordset>& records() const { return *m_records; }

    // The add steps from `line` on: AddNew, `firstValue` into the row's second field (position
    // 1), Update. Returns the next free line number.
    int addNewRow(shell::Trap& trap, int line, const QString& firstValue);
    // Puts the focus into the grid, on the current row.
    void focusGrid();

    // The grid's notification after the text of a cell edit has reached the row.
    virtual void gridEditCommitted() {}

    bool queryUnload() override;

private:
    Texts m_texts;
    std::shared_ptr<Recordset>* m_records;
    int m_gridWidth;
    controls::DataGrid* m_grid = nullptr;
    controls::DataControl* m_dc3 = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace quarvel::reference
