#include "shell/LiveRows.h"

#include "data/DatabaseError.h"
#include "data/FieldValue.h"
#include "history/HistoryLog.h"
#include "shell/ChangeFeed.h"
#include "shell/ChangeNotice.h"

#include <QWidget>

namespace quarvel::shell {

namespace {

// "Changed by jane at 07/12/2026 14:32", from the row's newest history entry.
QString noticeText(Recordset& records, const QString& table, const QVariant& key) {
    std::optional<history::Entry> entry;
    try {
        entry = history::HistoryLog::lastChange(*records.ActiveConnection(), table, key);
    } catch (const DatabaseError&) {
        // Said without names, then.
    }
    if (!entry)
        return LiveRows::tr("Changed by another user");
    const QString at = entry->shownTime();
    return entry->action == u"delete"
               ? LiveRows::tr("Deleted by %1 at %2").arg(entry->changedBy, at)
               : LiveRows::tr("Changed by %1 at %2").arg(entry->changedBy, at);
}

} // namespace

LiveRows::LiveRows(QWidget* window) : QObject(window), m_window(window) {
    if (ChangeFeed* feed = ChangeFeed::instance())
        connect(feed, &ChangeFeed::rowChanged, this, &LiveRows::rowChanged);
}

LiveRows::~LiveRows() = default;

void LiveRows::follow(std::shared_ptr<Recordset>& variable, After after,
                      std::function<bool()> editingCell) {
    m_followed.append({&variable, std::move(after), std::move(editingCell)});
}

ChangeNotice* LiveRows::notice() {
    if (!m_notice)
        m_notice = new ChangeNotice(m_window);
    return m_notice;
}

void LiveRows::rowChanged(const QString& table, const QVariant& key) {
    for (int i = 0; i < m_followed.size(); ++i) {
        Recordset* records = m_followed[i].variable->get();
        if (records && records->isOpen() &&
            records->UpdatableTable().compare(table, Qt::CaseInsensitive) == 0)
            refresh(i, key);
    }
}

bool LiveRows::isEdited(const Followed& followed, Recordset& records, const QVariant& key) const {
    const int keyColumn = records.KeyColumn();
    const int current = records.AbsolutePosition();
    if (keyColumn < 0)
        return records.EditMode() != Recordset::adEditNone ||
               (followed.editingCell && followed.editingCell());
    const int row = records.rowOf(keyColumn, key);
    if (row < 0)
        return false;
    return records.isRowEdited(row) ||
           (row == current && followed.editingCell && followed.editingCell());
}

void LiveRows::refresh(int follower, const QVariant& key) {
    const Followed& followed = m_followed[follower];
    Recordset& records = **followed.variable;
    try {
        // Text in an open cell editor is not in the row yet: the row waits for it.
        const bool typing = followed.editingCell && followed.editingCell() &&
                            isEdited(followed, records, key) &&
                            !records.isRowEdited(records.AbsolutePosition());
        const RowRefresh outcome = typing ? RowRefresh::Held : records.RefreshRow(key);
        if (outcome == RowRefresh::Held) {
            hold(follower, records, key);
            return;
        }
        if (outcome != RowRefresh::Absent && outcome != RowRefresh::Unchanged && followed.after)
            followed.after(outcome, key);
    } catch (const DatabaseError& e) {
        // Read again with the next change; a window does not interrupt its user for this.
        qWarning("A changed row could not be read again: %s", qUtf8Printable(e.message()));
    } catch (const std::exception& e) {
        qWarning("A changed row could not be read again: %s", e.what());
    }
}

void LiveRows::hold(int follower, Recordset& records, const QVariant& key) {
    bool known = false;
    for (const Held& held : std::as_const(m_held))
        known = known || (held.recordset == &records && FieldValue::same(held.key, key));
    if (!known)
        m_held.append({&records, key, follower});
    if (!m_watched.contains(&records)) {
        m_watched.append(&records);
        connect(&records, &Recordset::rowChanged, this, &LiveRows::retryHeld);
        connect(&records, &Recordset::currentChanged, this, &LiveRows::retryHeld);
        connect(&records, &Recordset::rowsReset, this, &LiveRows::retryHeld);
    }
    notice()->showText(noticeText(records, records.UpdatableTable(), key));
}

void LiveRows::retryHeld() {
    if (m_retrying || m_held.isEmpty())
        return;
    m_retrying = true;
    const QList<Held> held = std::exchange(m_held, {});
    for (const Held& h : held) {
        if (!h.recordset || h.recordset != m_followed[h.follower].variable->get() ||
            !h.recordset->isOpen())
            continue;
        if (isEdited(m_followed[h.follower], *h.recordset, h.key)) {
            m_held.append(h);
            continue;
        }
        refresh(h.follower, h.key);
    }
    m_retrying = false;
    if (m_held.isEmpty() && m_notice)
        m_notice->hide();
}

} // namespace quarvel::shell
