#pragma once

#include "shell/FormWindow.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace quarvel::history {

// "History" (Ctrl+H in a record's window): the changes of the record current in the window that
// opened it, newest first, one line per changed field: when (local time), who, the table and
// key, what was done, the field, its old and new value. A product's history holds its
// transactions', an order's its lines'. "Deleted records" (chkDeleted) shows instead the
// deleted rows of the record's table with their last values. The list exports with Ctrl+E.
// A database without a history says how to get one.
class HistoryWindow : public shell::FormWindow {
    Q_OBJECT

public:
    // The record is the current row of parent's historyRecordset().
    explicit HistoryWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);

    void Form_Load() override;

    QLabel* heading() const { return m_heading; }
    QTableView* grid() const { return m_grid; }
    QStandardItemModel* model() const { return m_model; }
    QCheckBox* deletedOption() const { return m_deleted; }

private:
    void showEntries();

    QString m_table;
    QVariant m_key;
    QLabel* m_heading = nullptr;
    QTableView* m_grid = nullptr;
    QStandardItemModel* m_model = nullptr;
    QCheckBox* m_deleted = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace quarvel::history
