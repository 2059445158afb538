#pragma once

#include "data/Recordset.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

namespace quarvel::shell {

class ChangeNotice;

// Keeps the recordsets a window shows in step with what other programs commit (ChangeFeed).
// Each change is matched to the followed recordsets that write its table, and the changed row
// alone is read again (Recordset::RefreshRow), the current position kept. A row the user is
// editing, in the recordset or in an open grid cell, is not touched: the window shows "Changed
// by <who> at <time>" instead (from the history), the user's save then meets the change as a
// conflict, and the row is read again once its edit is written or dropped.
class LiveRows : public QObject {
    Q_OBJECT

public:
    // Runs after a row was read again, added or removed (not when held or unchanged).
    using After = std::function<void(RowRefresh outcome, const QVariant& key)>;

    explicit LiveRows(QWidget* window);
    ~LiveRows() override;

    // Follows the recordset the variable holds at each change (the object may be replaced).
    // `editingCell` says whether the current row has text typed into an open cell editor.
    void follow(std::shared_ptr<Recordset>& variable, After after = {},
                std::function<bool()> editingCell = {});
    // Reads again the rows held while edited whose edit is over (called on the recordsets'
    // own signals; a grid calls it when a cell editor closes).
    void retryHeld();
    ChangeNotice* notice();

private:
    struct Followed {
        std::shared_ptr<Recordset>* variable;
        After after;
        std::function<bool()> editingCell;
    };
    struct Held {
        QPointer<Recordset> recordset;
        QVariant key;
        int follower;
    };

    void rowChanged(const QString& table, const QVariant& key);
    void refresh(int follower, const QVariant& key);
    bool isEdited(const Followed& followed, Recordset& records, const QVariant& key) const;
    void hold(int follower, Recordset& records, const QVariant& key);

    QWidget* m_window;
    QList<Followed> m_followed;
    QList<Held> m_held;
    QList<QPointer<Recordset>> m_watched;
    ChangeNotice* m_notice = nullptr;
    bool m_retrying = false;
};

} // namespace quarvel::shell
