#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QMetaObject>
#include <QPointer>
#include <QSet>

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {

// A table model over a Recordset: one model column per field, one model row per recordset row
// and, when new rows are allowed, an empty last row (the "new row"). Every change of the
// recordset (moves do not change the model; edits, writes, inserts, deletes, re-queries do)
// reaches the views with the proper notifications.
//
// Display: Null as empty text, dates in the date format (the short date unless set), numbers
// in general form. The edit role gives the field's value itself (a QDate, a number, Null).
// Edits come as text, read as the grid shows it (a date typed as "12/31/2021" in the date
// format), or as values. setData() moves the recordset to the row first (which writes the pending
// edits of the row left) and sets the field; in the new row it first calls AddNew and emits
// newRowBegun(), so its handler can fill in defaults before the typed value is set. A failure
// is not thrown: setData() returns false and writeFailed() carries the message.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RecordsetModel(QObject* parent = nullptr);
    ~RecordsetModel() override;

    void setRecordset(Recordset* recordset);
    Recordset* recordset() const;

    // Captions default to the field names; setting a recordset clears captions, locks and lists.
    void setCaption(int column, const QString& caption);
    QString caption(int column) const;
    void setLocked(int column, bool locked);
    bool isLocked(int column) const;

    // A list column: its cells show `listField` of the row of `list` whose `boundColumn` holds
    // the row's `dataColumn` value (the row's own value when no list row does), so the cell
    // follows each write of `dataColumn` at once. Its edit role is the `dataColumn` value,
    // and setData() on it writes `dataColumn`; it is editable when `dataColumn` is.
    struct ColumnList {
        QPointer<Recordset> list;
        QString listField;
        QString boundColumn;
        int dataColumn = -1;
        QString editorName; // the list editor's objectName
    };
    void setColumnList(int column, const ColumnList& list);
    // The column's list, or nullptr.
    const ColumnList* columnList(int column) const;

    void setDateFormat(const QString& format);
    QString dateFormat() const;

    // Whether the empty last row is offered (default true).
    void setAllowAddNew(bool allow);
    bool allowAddNew() const { return m_allowAddNew; }
    bool isNewRow(int row) const;
    // Model row of the empty last row, or -1 when there is none.
    int newRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A new row was begun in the empty last row; its first value is not yet set.
    void newRowBegun();
    // A write (an edit, or the move it needed) failed with `message`.
    void writeFailed(const QString& message);

private:
    int recordCount() const;
    // A typed date as a QDate when it reads in the date format; otherwise `value` unchanged.
    QVariant typedValue(int column, const QVariant& value) const;
    QString listText(const ColumnList& list, int row, int column) const;
    // The first row of `list` whose `boundColumn` holds `key`, or -1.
    int listRowOf(const Recordset& list, int boundColumn, const QVariant& key) const;
    void announceColumn(int column);
    void connectRecordset();
    void onRowsReset();
    void onRowInserted(int row);
    void onRowRemoved(int row);
    void onRowChanged(int row);

    QPointer<Recordset> m_recordset;
    QList<QMetaObject::Connection> m_connections;
    QHash<int, QString> m_captions;
    QSet<int> m_locked;
    QHash<int, ColumnList> m_lists;
    // Per list recordset: the first list row of each bound value, by the value's text.
    struct ListRows {
        int boundColumn = -1;
        QHash<QString, int> rows;
    };
    mutable QHash<const Recordset*, ListRows> m_listRows;
    mutable QSet<const Recordset*> m_watchedLists;
    QString m_dateFormat;
    bool m_allowAddNew = true;
    // Rows and columns as last announced to the views.
    int m_rows = 0;
    int m_columns = 0;
};

} // namespace quarvel::controls
