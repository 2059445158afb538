#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace quarvel::controls {
class BoundTextArea;
class BoundTextBox;
class DataCombo;
class DataControl;
class LinkLabel;
class TabStrip;
} // namespace quarvel::controls

namespace quarvel::shell {
class FormWindow;
class RecordEditor;
class Session;
} // namespace quarvel::shell

namespace quarvel {

class ProductTransactions;

// The upper half of the Products window: the current product of rsProducts in bound boxes and
// the category combo, the title and identifier labels (written by SetFullName, not bound),
// the four product buttons, the "Edit" link to the categories, the two-page tab strip and the
// navigation bar dc. The controls are made on the window `form`, laid out in twips.
class ProductEditor : public QObject {
    Q_OBJECT

public:
    // Builds the window's upper half, the transactions page under it, and their editors.
    ProductEditor(shell::FormWindow* form, shell::Session& session);

    // The window's question about edits not yet written, asked before they would be lost.
    static QString closingQuestion();

    // HighLightMenuPrompt of the window's task menu.
    void setHighlightMenuPrompt(std::function<void(int)> fn) { m_highlight = std::move(fn); }

    // Public procedures of the window. They have no trap: failures reach the caller.
    void SetFullName();
    void ShowForm2();
    // Opens "Import Data", then reads the products and categories again, the same product
    // current when it is still there.
    void ImportData();
    void tbsOptions_Click();
    // Makes rsCategories the category combo's list (CategoryName shown, CategoryID stored).
    void bindCategoryList();

    // "View Reports" (trapped) and the untrapped "Edit" link; the record's own buttons are
    // the record editor's.
    void PushButton6_Click();
    void Label2_Click();

    QWidget* form() const;
    ProductTransactions* transactions() const { return m_transactions; }
    shell::RecordEditor* record() const { return m_record; }
    controls::DataControl* dc() const { return m_dc; }
    controls::DataControl* dc2() const { return m_dc2; }
    controls::DataCombo* categoryCombo() const { return m_category; }
    controls::TabStrip* tabs() const { return m_tabs; }
    QLabel* titleLabel() const { return m_title; }
    QLabel* idLabel() const { return m_id; }
    controls::BoundTextBox* box(int index) const;
    controls::BoundTextArea* notesBox() const { return m_notes; }
    QWidget* page(int index) const { return m_pages[std::size_t(index)]; }
    QFrame* panel() const { return m_panel; }

private:
    void buildPanel();
    void buildPages();
    void buildButtons();
    void connectHandlers();
    // The record editor over rsProducts, with the transactions as its lines.
    void declareRecord();
    static void showAsFigure(controls::BoundTextBox* box);

    shell::FormWindow* m_form;
    shell::Session& m_session;
    ProductTransactions* m_transactions = nullptr;
    shell::RecordEditor* m_record = nullptr;
    std::function<void(int)> m_highlight;

    QLabel* m_title = nullptr;
    QFrame* m_panel = nullptr;
    QLabel* m_id = nullptr;
    controls::DataCombo* m_category = nullptr;
    controls::LinkLabel* m_editLink = nullptr;
    // Text1(0), Text1(1), Text1(3), Text1(4), Text1(7) by index; Text1(2) is the notes area.
    std::array<controls::BoundTextBox*, 8> m_boxes{};
    controls::BoundTextArea* m_notes = nullptr;
    controls::TabStrip* m_tabs = nullptr;
    std::array<QWidget*, 2> m_pages{};
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_reports = nullptr;
    controls::DataControl* m_dc = nullptr;
    controls::DataControl* m_dc2 = nullptr;
};

} // namespace quarvel
