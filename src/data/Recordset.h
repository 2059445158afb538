#pragma once

#include "data/FieldValue.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>

namespace quarvel {

class Connection;
class DatabaseError;
class RecordWriter;

// What Recordset::RefreshRow() did with a row another program changed.
enum class RowRefresh {
    Absent,    // the row is not in the result and does not belong there
    Unchanged, // read again, it holds what it held
    Refreshed, // read again, it shows the stored values now
    Added,     // new to the result: added at its end
    Removed,   // gone from the database or from the result's rows: removed
    Held,      // being edited here (or new): left as it is
};

// One row of a Recordset's result.
struct RecordsetRow {
    QVector<QVariant> values;
    // The values as read, kept from the first edit until the row is written.
    std::optional<QVector<QVariant>> original;
    bool isNew = false;
};

// A client-side cursor over the result of one command text: the whole result is read into
// memory when the recordset is opened or re-queried, and can be walked in both directions.
// Edits are made to the current row and written with Update(); moving to another row writes
// pending edits first, so nothing typed is dropped by navigation.
//
// Writes go to one table: the table whose key column is part of the result (found from the
// engine's column metadata). Columns of other tables and computed columns can be read but
// not assigned. Updates and deletes are optimistic: the row is written only if the columns
// being written (for a delete, all of the table's columns in the result) still hold the
// values that were read; otherwise the write is refused and nothing is overwritten.
//
// A write refused because another user changed the row throws DatabaseError of kind
// Conflict; Resync() then reads the stored values without losing what was typed, so the
// edit can be written over them knowingly (Update) or dropped for them (CancelUpdate).
//
// A failed AddNew writes into no other row. The statements after it in the same procedure
// (the ProcedureScope running when it failed) were meant for the new row: setField() and
// Update() throw DatabaseError of kind NotAdded and leave the current row, with any edit the
// user made to it, as it was. The refusal ends with that procedure, or earlier with an
// explicit step of the cursor: a move, AddNew, CancelUpdate, Requery, Open or Close.
// Outside any procedure a failed AddNew refuses nothing further (the caller stops anyway).
//
// Text fields take at most DefinedSize() characters; setField() refuses a longer text.
// Number fields take values from -2,147,483,648 to 2,147,483,647, typed as the user's locale
// writes numbers; other text stays in the row as typed and Update() refuses it by name.
//
// Command texts in the desktop-database dialect are translated by TranslateJetSql().
// Every failure throws DatabaseError with the engine's message or one that names the field.
class Recordset : public QObject {
    Q_OBJECT

public:
    // Values of EditMode().
    enum EditModeValue { adEditNone = 0, adEditInProgress = 1, adEditAdd = 2 };

    explicit Recordset(QObject* parent = nullptr);
    ~Recordset() override;

    // Opens the command text on the connection and reads its whole result; the current row
    // is the first one. Replaces what the recordset held before (pending edits are dropped).
    void Open(const QString& source, std::shared_ptr<Connection> connection);
    // Writes pending edits, then reads the result again; the current row is the first one.
    void Requery();
    // Forgets the result and the connection; pending edits are dropped.
    void Close();

    bool isOpen() const { return m_open; }
    QString Source() const { return m_source; }
    std::shared_ptr<Connection> ActiveConnection() const { return m_connection; }
    // The table that writes go to; empty when the result has none.
    QString UpdatableTable() const;

    // Cursor. BOF is before the first row, EOF after the last; both hold on an empty result.
    // (The names differ from the usual BOF/EOF because EOF is a C library macro.)
    bool isBOF() const;
    bool isEOF() const;
    int RecordCount() const { return int(m_rows.size()); }
    // Index of the current row, or -1 when there is none (BOF, EOF or a deleted row).
    int AbsolutePosition() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Makes row `index` (0-based) current; writes pending edits of the row left.
    void MoveTo(int index);

    // Fields of the current row, by position (0 is the first column) or by name (any case).
    int fieldCount() const { return int(m_columns.size()); }
    QString fieldName(int column) const;
    int fieldIndex(const QString& name) const; // -1 when there is no such field
    FieldKind fieldKind(int column) const;
    bool isFieldUpdatable(int column) const;
    // The most characters a text field takes; 0 for fields that are not text.
    int DefinedSize(int column) const;
    QVariant Fields(int column) const;
    QVariant Fields(const QString& name) const;
    void setField(int column, const QVariant& value);
    void setField(const QString& name, const QVariant& value);
    // The field's value as stored when the row was read (or last re-read by Resync), before
    // the pending edit; the current value when the row has no pending edit.
    QVariant OriginalValue(int column) const;

    // Any row by index, without moving the cursor (for grids).
    QVariant value(int row, int column) const;
    // The first row whose field `column` holds `value` (FieldValue::same), or -1; Null matches
    // no row.
    int rowOf(int column, const QVariant& value) const;

    // A new empty row at the end, made current (pending edits are written first).
    void AddNew();
    // Writes the current row's edits: an INSERT for a new row, whose database-assigned key is
    // readable at once, or an UPDATE of the changed columns. Nothing happens on an unchanged
    // row. On failure the row keeps its edits and the database keeps its row.
    void Update();
    // Drops the current row's edits; a new row that was never written disappears.
    void CancelUpdate();
    // Reads the current row's stored values again (adResyncUnderlyingValues): they become the
    // row's original values, fields the user edited keep the typed values, the other fields
    // show the stored ones. Update() then writes the typed values over the stored ones.
    // Throws when the row is gone from the database.
    void Resync();
    // The current row's values as they are stored now, read again; the row itself, its edit
    // and its original values are left as they are. Throws when the row is gone.
    QVector<QVariant> StoredValues() const;
    // Reads again the row whose key is `key`, after another program changed, added or deleted
    // it: a row that no longer belongs to the result (gone, or moved out of its WHERE) is
    // removed, one new to it is added at the end, any other row shows its stored values. The
    // current row stays current; when it is the one removed, the row that followed it becomes
    // current. A row with an edit not yet written, or a new row, is Held: it keeps what the
    // user typed and the values it was read with, so that its write meets the other change as
    // a conflict. A result without a key column (the company information) is read again whole,
    // unless one of its rows is being edited. Throws DatabaseError when the read fails.
    RowRefresh RefreshRow(const QVariant& key);
    // Whether row `row` is new or has an edit not yet written.
    bool isRowEdited(int row) const;
    // The index of the key column of UpdatableTable() in the result, or -1.
    int KeyColumn() const;

    // Deletes the current row from the database and from the result. The cursor then stays
    // on the deleted row's place until it is moved: MoveNext gives the row that followed it.
    void Delete();
    int EditMode() const;

signals:
    // The current row changed (a move, an open or a re-query).
    void currentChanged();
    // A field of the current row changed its value.
    void fieldChanged(int column);
    // The whole result was replaced (open, re-query, close).
    void rowsReset();
    void rowInserted(int row);
    void rowRemoved(int row);
    // Any value of the row changed (edit, write, cancel).
    void rowChanged(int row);

private:
    using Row = RecordsetRow;

    int checkedColumn(int column) const;
    int checkedColumn(const QString& name) const;
    Row& currentRow();
    const Row& currentRow() const;
    bool hasCurrentRow() const;
    bool isDirty(const Row& row) const;
    void load(std::shared_ptr<Connection> connection, const QString& source);
    void showFirstRow();
    // Every value of the current row may have changed (written, cancelled, re-read).
    void emitRowValuesChanged();
    void leaveCurrentRow();
    void addNew();
    void refuseAfterFailedAdd(const QString& what) const;
    void setPosition(int position);
    DatabaseError emptyResult();
    // The failure of any use of a closed recordset.
    static DatabaseError notOpen();
    // The row whose key column holds `key`, read through the command text; none when the
    // result holds no such row now.
    std::optional<QVector<QVariant>> readKeyedRow(int keyColumn, const QVariant& key) const;
    void removeRefreshedRow(int index);
    RowRefresh refreshWhole();

    std::shared_ptr<Connection> m_connection;
    QString m_source;
    bool m_open = false;
    QVector<QString> m_columns;
    std::unique_ptr<RecordWriter> m_writer;
    QVector<Row> m_rows;
    // -1 is BOF, RecordCount() is EOF.
    int m_position = -1;
    bool m_onDeletedRow = false;
    int m_positionBeforeAdd = -1;
    // The procedure in which AddNew failed, 0 when none (see the class comment).
    quint64 m_failedAddProcedure = 0;
    // The connection's change stamp when the result was read (see Requery).
    std::optional<quint64> m_loadedStamp;
};

} // namespace quarvel

// A row is two implicitly shared vectors and plain values: moving it is moving its bytes, so a
// growing result reallocates in place instead of moving each row.
Q_DECLARE_TYPEINFO(quarvel::RecordsetRow, Q_RELOCATABLE_TYPE);
