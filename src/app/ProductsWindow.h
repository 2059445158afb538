#pragma once

#include "shell/FormWindow.h"
#include "shell/Session.h"

#include <QString>

namespace quarvel {

class ProductEditor;
class ProductTransactions;
class TaskMenu;

// The Products window (Form1), the program's main window: the product editor in its upper
// half, the product's transactions and stock figures on the first tab page, and the task menu
// from which every other window is opened by name (shell::WindowTable). Form_Load is its
// start-up sequence; the program ends when the window closes.
class ProductsWindow : public shell::FormWindow {
    Q_OBJECT

public:
    // The product current in the window (Ctrl+H, "Show History").
    Recordset* historyRecordset() const override;
    // programFolder is where HAND-M.CUR and x/o.cjs are looked for: the program's own folder
    // unless given.
    explicit ProductsWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~ProductsWindow() override;

    // The start-up sequence; call once before the window is shown.
    void Form_Load() override;

    // Public procedures of Form1.
    void HighLightMenuPrompt(int lngIndex = -1);
    void SetFullName();
    void SetCalls(bool blnStart);
    void SetSum();
    void SaveTransactions();
    void ShowForm2();

    // Task menu click (Label3_Click), trapped.
    void Label3_Click(int index);
    // Ctrl+F: the find box; the product chosen there becomes the current one.
    void findProduct();
    // The About box (F1): the database in use, its schema version, the user, the versions.
    void showAbout();

    ProductEditor* editor() const { return m_editor; }
    shell::Session& session() { return m_session; }
    ProductTransactions* transactions() const { return m_transactions; }
    TaskMenu* taskMenu() const { return m_menu; }

    // The closing question's text.
    static QString closingQuestion();

protected:
    // Asks about an unwritten edit of the product or the transaction; false when the window
    // must stay open.
    bool queryUnload() override;

private:
    // Shared with the windows this one opens; it goes with this window, after them.
    shell::Session m_session;
    void attachHoverFeedback();
    void setReadingTabOrder();

    TaskMenu* m_menu = nullptr;
    ProductEditor* m_editor = nullptr;
    ProductTransactions* m_transactions = nullptr;
};

} // namespace quarvel
