#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QToolButton;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {

// The navigation bar over a recordset (first, previous, caption, next, last). Moving writes
// the pending edits of the row left (the recordset does that in its moves); a move that fails
// is reported in a plain error box and the cursor stays where it was. The buttons at an end
// are disabled, all of them when the recordset is empty or absent. Bound boxes, combos and
// grids can follow the bar's recordset, which the owning window replaces with
// setRecordset(). A list source that must not be seen is the same control, hidden.
//
// The buttons' objectNames are the control's objectName followed by ".First", ".Previous",
// ".Next" and ".Last"; their accessible names are "First", "Previous", "Next" and "Last".
class DataControl : public QWidget {
    Q_OBJECT

public:
    explicit DataControl(QWidget* parent = nullptr);
    ~DataControl() override;

    // Binds the bar to `recordset` (nullptr unbinds). The recordset is not owned.
    void setRecordset(Recordset* recordset);
    Recordset* recordset() const;

    // Asked before each move of the bar; a false answer cancels the move. The owner settles
    // edits the move would otherwise drop (it reports its own failures).
    void setWillMove(std::function<bool()> willMove) { m_willMove = std::move(willMove); }

    void setCaption(const QString& caption);
    QString caption() const;

    QToolButton* firstButton() const { return m_first; }
    QToolButton* previousButton() const { return m_previous; }
    QToolButton* nextButton() const { return m_next; }
    QToolButton* lastButton() const { return m_last; }

public slots:
    // The four moves of the buttons; a failure is reported, never thrown.
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    // A move to the row at `row` (0-based), as the buttons move: the owner's willMove first.
    void moveTo(int row);

signals:
    // The bar was bound to another recordset object (or unbound).
    void recordsetChanged(quarvel::Recordset* recordset);
    // The recordset's current row changed (by the bar or by anyone else).
    void moveComplete();

private:
    template <typename Move> void runMove(Move move);
    void updateButtons();
    void nameButtons();

    QPointer<Recordset> m_recordset;
    QToolButton* m_first = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_last = nullptr;
    QLabel* m_caption = nullptr;
    std::function<bool()> m_willMove;
};

} // namespace quarvel::controls
