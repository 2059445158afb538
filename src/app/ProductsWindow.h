#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

namespace quarvel {

class ProductEditor;
class ProductTransactions;
class TaskMenu;

// The Products window (Form1), the program's main window: the product editor in its upper
// half, the product's transactions and stock figures on the first tab page, and the task menu
// from which every other window is opened. load() is its start-up sequence (Form_Load); the
// program ends when the window closes.
class ProductsWindow : public QWidget {
    Q_OBJECT

public:
    // The windows this one opens, modally, from the task menu, "View Reports" and "Edit".
    enum class Opens {
        Categories,
        PurchaseOrders,
        Reports,
        Employees,
        Suppliers,
        ShippingMethods,
        CompanyInformation
    };
    using WindowOpener = std::function<void(QWidget* parent)>;

    // programFolder is where HAND-M.CUR and x/o.cjs are looked for: the program's own folder
    // unless given.
    explicit ProductsWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~ProductsWindow() override;

    // The start-up sequence (Form_Load); call once before the window is shown.
    void load();

    // An empty opener (the default) opens nothing.
    void setWindowOpener(Opens which, WindowOpener opener);

    // Public procedures of Form1.
    void HighLightMenuPrompt(int lngIndex = -1);
    void SetFullName();
    void SetCalls(bool blnStart);
    void SetSum();
    void SaveTransactions();
    void ShowForm2();

    // Task menu click (Label3_Click), trapped.
    void Label3_Click(int index);

    ProductEditor* editor() const { return m_editor; }
    ProductTransactions* transactions() const { return m_transactions; }
    TaskMenu* taskMenu() const { return m_menu; }
    QString programFolder() const { return m_programFolder; }

    // The closing question's text.
    static QString closingQuestion();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void attachHoverFeedback();
    void setReadingTabOrder();
    void openWindow(Opens which);
    // Asks about an unwritten edit; false when the window must stay open.
    bool confirmClose();

    QString m_programFolder;
    TaskMenu* m_menu = nullptr;
    ProductEditor* m_editor = nullptr;
    ProductTransactions* m_transactions = nullptr;
    std::array<WindowOpener, 7> m_openers;
    bool m_centred = false;
};

} // namespace quarvel
