#pragma once

#include <QColor>
#include <QFrame>
#include <array>

class QLabel;

namespace quarvel {

// The task menu of the Products window: the white panel Frame1(2) with the headings "Tasks"
// and "Setup" and the eight link-style entries Label3(0) to Label3(7). The entry's index, not
// its place on screen, says what it opens; entry 0 sits between entries 5 and 6. An entry
// opens on a left click, or on Enter or Space when it has the focus. The entries added since
// (Label3(8) "Find a Product", Label3(9) "Reorder Stock", Label3(10) "Count Stock", Label3(11)
// "Back Up Database", Label3(12) "Import Data", Label3(13) "Show History")
// follow the
// eight, below them: the panel is taller than its place in the window, which shows it in a scroll
// area.
class TaskMenu : public QFrame {
    Q_OBJECT

public:
    // The eight entries of the menu as first designed, and all of them.
    static constexpr int EntryCount = 8;
    static constexpr int FindEntry = 8;
    static constexpr int ReorderEntry = 9;
    static constexpr int CountEntry = 10;
    static constexpr int BackupEntry = 11;
    static constexpr int ImportEntry = 12;
    static constexpr int HistoryEntry = 13;
    static constexpr int AllEntries = 14;
    // The panel's height in twips, with every entry.
    static constexpr int panelHeight = 5340;
    // Light blue (the normal colour) and blue (the hover colour).
    static QColor normalColor() { return QColor(128, 128, 255); }
    static QColor hoverColor() { return QColor(0, 0, 255); }

    explicit TaskMenu(QWidget* parent);

    static QString caption(int index);
    // The entries' indexes from top to bottom.
    static std::array<int, AllEntries> screenOrder() {
        return {1, 2, 3, 4, 5, 0, 6, 7, 8, 9, 10, 11, 12, 13};
    }

    // Entry `index` in the hover colour, every other entry in the normal colour; -1 (or any
    // number that is not an entry) highlights none. Entries already in the normal colour are
    // left alone.
    void HighLightMenuPrompt(int index = -1);

    // The panel's background (white unless the window is skinned).
    void setBackgroundColor(const QColor& color);

    QLabel* entry(int index) const;
    QColor entryColor(int index) const;
    QLabel* heading(int index) const { return m_headings[std::size_t(index)]; }

signals:
    // Label3_Click and Label3_MouseMove.
    void entryClicked(int index);
    void entryHovered(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOf(QObject* watched) const;

    std::array<QLabel*, AllEntries> m_entries{};
    std::array<QLabel*, 2> m_headings{};
};

} // namespace quarvel
