#pragma once

#include "shell/FormWindow.h"

#include <memory>

class QLabel;
class QPushButton;
class QTableView;

namespace quarvel {
class Connection;
}

namespace quarvel::shell {
class Session;
}

namespace quarvel::reorder {

class ReorderModel;
class SupplierDelegate;

// "Reorder Stock": the products whose stock on hand and on order is at or below their reorder
// level, or will fall below it before a new order could arrive (grdReorder, see Suggestion),
// with the figures that led there, a suggested quantity, and the supplier and unit price of
// their last order line, which the user can change or untick. "Create Purchase Orders"
// (PushButton1) makes one order per supplier in one transaction and offers to show the first
// in the Purchase Orders window; "Preview List" (PushButton2) prints the list; "Close"
// (PushButton3). Closing with changes not yet made into orders asks first.
class ReorderWindow : public shell::FormWindow {
    Q_OBJECT

public:
    explicit ReorderWindow(shell::Session& session, const QString& programFolder = QString(),
                           QWidget* parent = nullptr);

    void Form_Load() override;

    // The buttons' procedures (trapped).
    void PushButton1_Click(); // "Create Purchase Orders"
    void PushButton2_Click(); // "Preview List"

    ReorderModel* model() const { return m_model; }
    QTableView* grid() const { return m_grid; }
    QLabel* summary() const { return m_summary; }

protected:
    bool queryUnload() override;

private:
    // Reads the list anew (the user's changes are dropped).
    void readList();
    // Another program's change: the figures of the listed products it touches are read again.
    void followChange(const QString& table, const QVariant& key);
    void showSummary();

    shell::Session& m_session;
    ReorderModel* m_model = nullptr;
    SupplierDelegate* m_suppliers = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_close = nullptr;
    bool m_changed = false;
    bool m_following = false; // figures being read again: not the user's change
    // The connection the list was read on, which reads the figures again as they change.
    std::shared_ptr<Connection> m_connection;
};

} // namespace quarvel::reorder
