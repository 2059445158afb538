#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QWidget;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {
class DataControl;
}

namespace quarvel::shell {

class FormWindow;
class GridEditor;

// One record of a recordset variable at a time, in bound boxes the window has built: the one
// lifecycle of the record windows, configured by a Declaration as QDataWidgetMapper is by its
// model and submit policy.
//
// - The identifier label shows the row's key and the heading its name. Neither is bound:
//   SetFullName sets both when another row has become current (or, with headingFollowsTyping,
//   when the heading's text differs), so that renaming a row and saving it leaves the heading
//   and the "saved." note as they were until the user moves away and back. A box's Change
//   (Text1(0) and Text1(1)) and every box's GotFocus run SetFullName.
// - The buttons' procedures: Add (AddNew, the new row's name, Update, focus to the first box),
//   Delete (asks with No as the default; a row the database refuses stays current), Save
//   (the "saved." note only after a write), each a trapped procedure named after its button
//   ("PushButton7_Click"), its statements numbered from 102 in steps of two in that order; a
//   statement the declaration leaves out takes no number.
// - The rows that belong to the record (a GridEditor) are settled before Add, Delete, a move
//   and closing, and re-read when another row shows.
// - Closing with an edit not yet written asks first (FormWindow::askToWriteEdits).
class RecordEditor : public QObject {
    Q_OBJECT

public:
    struct Declaration {
        QString object;     // the window's designer name, for the trap's reports
        QString recordKind; // "Supplier": the closing question's
        // The identifier label (none: SetFullName does nothing) and the field it shows.
        QLabel* idLabel = nullptr;
        QString keyField;
        // The heading label, its largest type size, and its text for the current row. Without
        // a text function the heading is fixed.
        QLabel* heading = nullptr;
        qreal headingPointSize = 27.75;
        std::function<QString(const Recordset&)> headingText;
        bool headingFollowsTyping = false;
        // SetFullName without a current row reads the key all the same, and so fails (reported
        // by the caller's trap) instead of doing nothing.
        bool rowRequired = false;
        // The new row's name: AddNew writes `newName` into `nameField`.
        QString nameField;
        QVariant newName;
        // "Do you really want to delete this Supplier ?"; CR LF "For: " and the name follow.
        QString deleteQuestion;
        // The record's name in the delete question and the "saved." note; by default the
        // heading's text.
        std::function<QString()> recordName;
        // The note after a successful save; by default the name, CR LF, "   saved.".
        std::function<QString()> savedNote;
        // The record's name in the closing question; by default the window's caption.
        std::function<QString()> closingName;
        // The rows of the record, if any.
        GridEditor* lines = nullptr;
        // Add's first statement after settling the lines, if any.
        std::function<void()> beforeAdd;
        // Whether Add puts the focus into the first box.
        bool focusAfterAdd = false;
    };

    RecordEditor(FormWindow* form, controls::DataControl* bar, std::shared_ptr<Recordset>& records,
                 Declaration declaration);

    // Text1(index), watched for its Change and GotFocus. The first box added is the first box.
    void addBox(int index, QWidget* box);
    // Connects the record buttons (any may be nullptr) to their procedures.
    void setButtons(QPushButton* add, QPushButton* remove, QPushButton* save);

    // Public procedure: refreshes the labels as described above; without a current row it does
    // nothing, or fails when the declaration says the row is required.
    void SetFullName();
    // Neither BOF nor EOF, and not the place of a row just deleted.
    bool hasCurrentRow() const;
    // The record's name as the delete question and the "saved." note give it.
    QString recordName() const;
    // The heading shows `text` whole (smaller when it must), and names itself by it.
    void showHeading(const QString& text);
    // After another program's change: the labels follow the current row's stored values.
    void showStoredRow();
    // The window's Form_QueryUnload: true when the window may close.
    bool queryUnload();
    // Makes the row whose key is `key` current, as a move of the bar does (its pending edits
    // and lines settled first). A row that another program added since the recordset was read
    // is found after re-reading it. False when the move did not happen: the user kept editing,
    // or no such row exists any more (said in a box).
    bool showRecord(const QVariant& key);

    // The buttons' procedures (trapped).
    void addRecord();
    void deleteRecord();
    void saveRecord();

    QWidget* box(int index) const { return m_boxes.value(index); }

private:
    // Puts the focus into Text1(index); its GotFocus runs even when the window is not the
    // active one and the focus cannot arrive.
    void focusBox(int index);
    bool eventFilter(QObject* watched, QEvent* event) override;

    FormWindow* m_form;
    controls::DataControl* m_bar;
    std::shared_ptr<Recordset>& m_records;
    Declaration m_declaration;
    QMap<int, QWidget*> m_boxes;
    int m_firstBox = -1;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace quarvel::shell
