#pragma once

#include "shell/HoverFeedback.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {
class DataControl;
}

namespace quarvel::shell {

class LiveRows;
class Trap;

// What every window of the program shares. A window declares its design (designer name,
// caption, fixed size in twips, font), builds its controls with shell::form and wires them;
// its load handler (Form_Load) runs its numbered statements through a Trap, using the steps
// below for the look, the hand cursor and its recordsets. The main window (the Products
// window) closes with the program; every other window is shown modally.
//
// Closing: queryUnload() (Form_QueryUnload) runs once, however the window is closed (the close
// box, Escape, close()); false keeps the window open.
class FormWindow : public QDialog {
    Q_OBJECT

public:
    enum class Kind { Main, Modal };

    struct Design {
        QString name;    // the designer name, as objectName: "Form3"
        QString caption; // empty when the load handler sets it
        int width = 0;   // in twips
        int height = 0;
        Kind kind = Kind::Modal;
        bool boldFont = false; // Arial 8, bold or not
    };

    // programFolder is where HAND-M.CUR and x/o.cjs are looked for; when empty, the folder of
    // the window that parent belongs to (when it is a FormWindow), else the program's data
    // folder (dataFolder(): the program's own folder, or share/quarvel when installed).
    FormWindow(const Design& design, const QString& programFolder, QWidget* parent);

    QString programFolder() const { return m_programFolder; }

    // The load handler; the window's own statements, each through the window's Trap.
    virtual void Form_Load() {}

    // The question of a record editor closed with an edit not yet written: "  <kind> is
    // changed.", CR LF, and the request to choose Yes or No for `recordName` (a window's
    // caption, or the record's own heading).
    static QString closingQuestion(const QString& recordKind, const QString& recordName);
    // The program's main window (the Products window), which ends the program when it closes.
    bool isMainWindow() const { return m_kind == Kind::Main; }

    // The record editor's close: when one of the recordsets has an edit not yet written, asks
    // closingQuestion(recordKind, recordName, or the window's caption when it is empty) (Yes
    // the default). Yes writes each pending edit with Update, as numbered statements of the
    // trap of Form_QueryUnload from line 102 on, and keeps the window open when a write
    // failed; No drops them. True when the window may close.
    // The records whose current row's history Ctrl+H shows (window History); none by default.
    virtual Recordset* historyRecordset() const { return nullptr; }
    // Opens the history of historyRecordset()'s current row, when there is one (Ctrl+H).
    void showHistory();

    // The window's follower of other programs' changes (created on first use).
    LiveRows& liveRows();

    bool askToWriteEdits(const QString& recordKind,
                         const QList<std::shared_ptr<Recordset>*>& recordsets,
                         const QString& recordName = {});

protected:
    // Load steps, each one numbered statement of the caller's trap from `line` on; each
    // returns the next free line number.
    // The look of a modal window: the button-face colours, the program's icon, the hand cursor.
    int loadLook(Trap& trap, int line);
    // The window recordset convention: release the variable, open a new connection into
    // SharedConnection, a new recordset on it, Open it on the source text, Requery it and bind
    // it to the data control (then afterBind).
    int openRecordset(Trap& trap, int line, controls::DataControl* control,
                      std::shared_ptr<Recordset>& variable, const std::function<QString()>& source,
                      const std::function<void()>& afterBind = {});

    // The single steps.
    void setProgramIcon();
    // The hand cursor from programFolder/HAND-M.CUR when the file exists; none otherwise.
    void loadHandCursor();

    // Gives each control the hover action (HoverFeedback::attach).
    static void attachHover(HoverFeedback::Action action, std::initializer_list<QWidget*> controls,
                            const std::function<void()>& clear = {});
    // The same for the window's controls by designer name; an array's name ("Label1") stands
    // for all its members ("Label1(0)", "Label1(1)", ...).
    void attachHoverByName(HoverFeedback::Action action,
                           std::initializer_list<const char*> designerNames,
                           const std::function<void()>& clear = {});

    // Form_QueryUnload; true lets the window close.
    virtual bool queryUnload() { return true; }

    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool unload();

    Kind m_kind;
    QString m_programFolder;
    bool m_unloaded = false;
    bool m_placed = false;
    LiveRows* m_liveRows = nullptr;
};

} // namespace quarvel::shell
