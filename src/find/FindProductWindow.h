#pragma once

#include "shell/FormWindow.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace quarvel::shell {
class Session;
}

namespace quarvel {

class FindModel;

// "Find a Product": a box to type into (txtFind) over the list of the products whose name or
// category contains the typed text, ignoring case and accents (lstProducts), and the buttons
// "Show Product" and "Close". The list follows each keystroke. Up and Down (and Page Up, Page
// Down) move through the list from the box; Enter or a double click chooses the product, which
// closes the window; Esc closes it without a choice. The window only chooses (the session's
// productToShow): the Products window makes the chosen product current.
class FindProductWindow : public shell::FormWindow {
    Q_OBJECT

public:
    // The product chosen is left in the session's productToShow.
    explicit FindProductWindow(shell::Session& session, const QString& programFolder = QString(),
                               QWidget* parent = nullptr);

    // Reads the products (the failure of each numbered statement is reported).
    void Form_Load() override;

    QLineEdit* findBox() const { return m_find; }
    QTableView* list() const { return m_list; }
    FindModel* model() const { return m_model; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& typed);
    void choose();

    FindModel* m_model = nullptr;
    QLineEdit* m_find = nullptr;
    QTableView* m_list = nullptr;
    QPushButton* m_show = nullptr;
    QPushButton* m_close = nullptr;
    shell::Session& m_session;
};

} // namespace quarvel
