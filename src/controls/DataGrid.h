#pragma once

#include <QPointer>
#include <QTableView>

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {

class DataControl;
class GridList;
class RecordsetModel;

// The data grid: a table view over a RecordsetModel. Columns are laid out by field name
// (caption, width in twips, hidden, locked); dates show in the short date form with a
// four-digit year. The grid's current row follows the recordset's current row and the other
// way round: selecting a row moves the recordset there, which writes the edits of the row
// left. Typing into the empty last row begins a new row (newRowBegun() before the first value
// lands); cellEditBegun() fires when a cell edit begins, before its editor opens; listChosen()
// follows a choice in a list column's editor, once the choice is written. Failures are
// reported in a plain error box, once per failure; the grid stays usable.
//
// The current cell is always a visible one, selected and scrolled into view. Tab and
// Shift+Tab go from cell to cell and leave the grid after its last (before its first) cell;
// Ctrl+Tab and Ctrl+Shift+Tab leave it from any cell.
//
// Setting a recordset rebuilds the columns from it: captions, widths, hidden and locked
// columns and lists return to their defaults, so the owner applies its layout after each binding.
class DataGrid : public QTableView {
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    void setRecordset(Recordset* recordset);
    Recordset* recordset() const;
    // Follows the data control's recordset (re-bound whenever the control's is replaced).
    void setDataControl(DataControl* control);
    RecordsetModel* recordsetModel() const { return m_model; }

    // Column of a field (any case), or -1.
    int columnOf(const QString& fieldName) const;

    // Column layout by field name; unknown names are ignored.
    using QTableView::setColumnHidden;
    void setColumnHidden(const QString& fieldName, bool hidden);
    void setColumnCaption(const QString& fieldName, const QString& caption);
    void setColumnWidthTwips(const QString& fieldName, int twips);
    void setColumnLocked(const QString& fieldName, bool locked);
    // Gives a column a list editor: a list of `list`'s rows showing `listField`; choosing one
    // writes its `boundColumn` value into `dataField` of the row (in the empty last row it
    // begins a new row). The column shows the chosen row's `listField` at once, so a column
    // joined from the list's table (a product's name beside its ProductID) follows the write.
    // The list, while open, is named `editorName` (its objectName) and, for a screen reader,
    // by the column's caption.
    void setColumnList(const QString& fieldName, Recordset* list, const QString& listField,
                       const QString& boundColumn, const QString& dataField,
                       const QString& editorName = {});
    QString columnCaption(int column) const;
    bool isColumnLocked(int column) const;

    // Whether the empty last row is offered (default true).
    void setAllowAddNew(bool allow);

    int currentColumn() const;
    void setCurrentColumn(int column);
    // Model row of the empty last row, or -1.
    int newRow() const;
    // Rectangle of a cell in viewport coordinates (empty when hidden or out of range).
    QRect cellRect(int row, int column) const;
    // Hands an open cell editor's text to the recordset and closes the editor. False when the
    // value was refused (reported); the editor is closed either way.
    bool finishEdit();
    // Whether a cell editor is open (its text not yet handed to the recordset).
    bool isEditingCell() const { return state() == EditingState; }

signals:
    void newRowBegun();
    void cellEditBegun(int column);
    void listChosen(int column);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    using QTableView::edit;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    bool event(QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void followRecordset();
    void moveToRecordsetRow();
    int firstVisibleColumn() const;
    // Makes `target` the current, selected cell in view without moving the recordset.
    void showAsCurrent(const QModelIndex& target);
    // Makes the first visible column current when the current one is hidden.
    void keepCurrentVisible();
    // Passes the focus on to the next (previous) control of the window.
    void leave(bool forward);
    // A cell of a list column that may be changed: it is chosen with the grid's list.
    bool isListCell(const QModelIndex& index) const;
    // Lays the grid's list over a list column's cell and gives it the focus.
    void openList(const QModelIndex& index);
    void listChoiceMade(const QVariant& value);

    RecordsetModel* m_model;
    QPointer<DataControl> m_control;
    QMetaObject::Connection m_controlConnection;
    QList<QMetaObject::Connection> m_recordsetConnections;
    // The list of the list columns, a control of the grid's window; made when first opened.
    QPointer<GridList> m_list;
    QPersistentModelIndex m_listCell;
    bool m_syncing = false;
    bool m_followPending = false;
    // The message of the last refused move, until the row is changed or left.
    QString m_refusal;
};

} // namespace quarvel::controls
