#pragma once

#include "shell/FormWindow.h"

#include <QList>
#include <QMap>
#include <QString>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {
class DataControl;
}

namespace quarvel::shell {
class RecordEditor;
class Trap;
} // namespace quarvel::shell

namespace quarvel::reference {

// The single-record editor: one row of a table at a time, in a column of captioned boxes
// (the box array Text1, the caption array Label1, in the frame Frame1) bound to the row's
// fields through the data control dc, which is also the navigation bar; under the frame one
// row of buttons, left to right Add (PushButton3), Delete (PushButton2) and Save
// (PushButton1). The Suppliers window is the model; the other editors are built on it with
// their differences.
//
// Two labels tell which row is current: the identifier label shows the row's key and the
// heading across the top its name. Neither is bound: SetFullName sets both, and only when
// another row has become current, so renaming a row and saving it leaves the heading (and the
// "saved." note, which names it) as it was until the user moves to another row and back.
class SingleRecordWindow : public shell::FormWindow {
    Q_OBJECT

public:
    // The row current in the window, for its history (Ctrl+H).
    Recordset* historyRecordset() const override { return m_recordset.get(); }
    // One captioned box: Text1(index) under Label1(captionIndex), bound to `field`.
    struct Box {
        int index = 0;
        int captionIndex = 0;
        QString caption;
        QString field;
        int lines = 1; // more than one: a multi-line box that many lines high
    };

    struct Layout {
        QString name;    // designer name, "Form5"
        QString caption; // window caption, also the closing question's
        int width = 0;   // in twips; the height follows from the rows
        QString source;  // the recordset's command text
        QString barCaption;
        bool navigation = true; // dc shown as the navigation bar
        qreal pointSize = 9.75; // boxes and captions, Arial bold
        // The heading label (SupplierName, Arial bold 27.75), with its text until SetFullName
        // first sets it; headingFollowsRow: SetFullName shows the row's name there.
        QString heading;
        bool headingFollowsRow = true;
        // The identifier row: Label1(0) captioned idCaption and the label idName showing
        // keyField ("FullName" until SetFullName first sets it). No row when idName is empty.
        QString idCaption;
        QString idName;
        QString keyField;
        QString nameField; // the row's name: the heading's text, given to an added row
        QList<Box> boxes;  // in screen order, top to bottom
        // The buttons; an empty caption leaves the button out.
        QString addCaption;
        QString deleteCaption;
        QString saveCaption;
        QString newName;        // the name of an added row
        QString recordKind;     // "Supplier", for the closing question
        QString deleteQuestion; // "Do you really want to delete this Supplier ?"
        // The row's name in the delete question and the "saved." note: the text of
        // Text1(nameBox) as edited, or the heading's text when nameBox is -1.
        int nameBox = -1;
        // The note after a successful save; when empty, the name, CR LF and "   saved.".
        QString savedNote;
        bool handOverBoxes = false; // the boxes show the hand pointer (else the default)
    };

    // The address block the supplier and company rows share: Address (two lines) to Fax
    // Number, Text1(4) to Text1(11).
    static QList<Box> addressBoxes();

    ~SingleRecordWindow() override;

    void Form_Load() override;

    // Public procedure: refreshes the identifier label and the heading when another row
    // than the one they show is current; does nothing without a current row. No trap:
    // failures go to the caller's.
    void SetFullName();

    // Text1(index) (a one-line box or a multi-line box), or nullptr.
    QWidget* box(int index) const { return m_boxes.value(index); }
    QString boxText(int index) const;
    QLabel* heading() const { return m_heading; }
    QLabel* idLabel() const { return m_id; }
    controls::DataControl* dc() const { return m_dc; }
    // PushButton<number>, or nullptr.
    QPushButton* button(int number) const;
    Recordset* recordset() const { return m_recordset.get(); }

protected:
    SingleRecordWindow(const Layout& layout, const QString& programFolder, QWidget* parent);

    // The load's own last steps from `line` on: with a current row, SetFullName, then the
    // move to the first row.
    virtual void finishLoad(shell::Trap& trap, int line);
    // Asks about an edit not yet written (Yes writes, No drops); a write that fails keeps the
    // window open.
    bool queryUnload() override;

    std::shared_ptr<Recordset>& recordsetVariable() { return m_recordset; }
    bool hasCurrentRow() const;
    const Layout& layout() const { return m_layout; }

private:
    void buildFrame(int top);
    void buildButtons(int top);
    void attachHoverFeedback();
    void setReadingTabOrder();
    // The record editor over the recordset, with the boxes and buttons.
    void declareRecord();

    Layout m_layout;
    QLabel* m_heading = nullptr;
    QFrame* m_frame = nullptr;
    QLabel* m_id = nullptr;
    QMap<int, QWidget*> m_boxes;
    QMap<int, QPushButton*> m_buttons;
    controls::DataControl* m_dc = nullptr;
    std::shared_ptr<Recordset> m_recordset;
    shell::RecordEditor* m_editor = nullptr;
};

} // namespace quarvel::reference
