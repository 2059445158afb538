#pragma once

#include "count/StockCount.h"
#include "shell/FormWindow.h"

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {
class DataControl;
class DataGrid;
} // namespace quarvel::controls

namespace quarvel::count {

// "Count Stock": a physical stock count (see StockCount). Before a count: the category to
// count (cboCategory, or all) and whether it is blind (chkBlind: the expected units hidden),
// then "Start Count" (PushButton1). During one: the products in grdCount (bar dcCount) with
// their expected units, frozen when the count began, and the Counted column to type into;
// cboCategory then shows one category's products only. "Print Count Sheet" (PushButton2),
// "Post Count" (PushButton3: shows the differences in units and at the last unit price, asks,
// then posts them in one transaction), "Discard Count" (PushButton4), "Close" (PushButton5).
// The count stays in the database: closing asks whether to keep it for later or discard it.
// A database without the count tables (an older schema version) says how to get them.
class CountWindow : public shell::FormWindow {
    Q_OBJECT

public:
    explicit CountWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~CountWindow() override;

    void Form_Load() override;

    // The buttons' procedures (trapped).
    void PushButton1_Click(); // "Start Count"
    void PushButton2_Click(); // "Print Count Sheet"
    void PushButton3_Click(); // "Post Count"
    void PushButton4_Click(); // "Discard Count"

    controls::DataGrid* grid() const { return m_grid; }
    QLabel* status() const { return m_status; }
    QComboBox* categoryBox() const { return m_category; }
    QCheckBox* blindBox() const { return m_blind; }
    const std::optional<StockCount::Info>& count() const { return m_count; }

protected:
    bool queryUnload() override;

private:
    // Reads the count in progress and its lines (as far as the category chosen shows them).
    void readCount();
    void readLines();
    // Writes a pending row of the grid; false when it stays unwritten (the user kept typing).
    bool settleGrid();
    // Ends the count in progress without posting it; throws DatabaseError.
    void discardCount();
    void showState();

    std::shared_ptr<Connection> m_connection;
    bool m_available = false;
    std::optional<StockCount::Info> m_count;
    std::shared_ptr<Recordset> m_lines;
    QComboBox* m_category = nullptr;
    QCheckBox* m_blind = nullptr;
    QLabel* m_status = nullptr;
    controls::DataGrid* m_grid = nullptr;
    controls::DataControl* m_bar = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_post = nullptr;
    QPushButton* m_discard = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace quarvel::count
