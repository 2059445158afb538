#include "controls/DataControl.h"

#include "controls/ErrorReport.h"
#include "controls/SaveConflict.h"
#include "data/Recordset.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace quarvel::controls {

namespace {

QToolButton* makeButton(QWidget* parent, const QString& text, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

DataControl::DataControl(QWidget* parent) : QWidget(parent) {
    m_first = makeButton(this, QStringLiteral("|<"), QStringLiteral("First"));
    m_previous = makeButton(this, QStringLiteral("<"), QStringLiteral("Previous"));
    m_next = makeButton(this, QStringLiteral(">"), QStringLiteral("Next"));
    m_last = makeButton(this, QStringLiteral(">|"), QStringLiteral("Last"));
    m_caption = new QLabel(this);
    m_caption->setAlignment(Qt::AlignCenter);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_first);
    layout->addWidget(m_previous);
    layout->addWidget(m_caption, 1);
    layout->addWidget(m_next);
    layout->addWidget(m_last);

    connect(m_first, &QToolButton::clicked, this, &DataControl::moveFirst);
    connect(m_previous, &QToolButton::clicked, this, &DataControl::movePrevious);
    connect(m_next, &QToolButton::clicked, this, &DataControl::moveNext);
    connect(m_last, &QToolButton::clicked, this, &DataControl::moveLast);
    connect(this, &QObject::objectNameChanged, this, [this] { nameButtons(); });

    nameButtons();
    updateButtons();
}

DataControl::~DataControl() = default;

void DataControl::setRecordset(Recordset* recordset) {
    if (m_recordset)
        disconnect(m_recordset, nullptr, this, nullptr);
    m_recordset = recordset;
    if (recordset) {
        const auto changed = [this] {
            updateButtons();
            emit moveComplete();
        };
        connect(recordset, &Recordset::currentChanged, this, changed);
        connect(recordset, &Recordset::rowsReset, this, changed);
        connect(recordset, &Recordset::rowInserted, this, [this] { updateButtons(); });
        connect(recordset, &Recordset::rowRemoved, this, [this] { updateButtons(); });
    }
    updateButtons();
    emit recordsetChanged(recordset);
}

Recordset* DataControl::recordset() const {
    return m_recordset;
}

void DataControl::setCaption(const QString& caption) {
    m_caption->setText(caption);
    // A window may hold several bars: the caption tells a screen reader which one this is.
    setAccessibleName(caption);
    for (QToolButton* button : {m_first, m_previous, m_next, m_last})
        button->setAccessibleDescription(caption);
}

QString DataControl::caption() const {
    return m_caption->text();
}

void DataControl::moveFirst() {
    runMove([](Recordset& rs) { rs.MoveFirst(); });
}

void DataControl::movePrevious() {
    runMove([](Recordset& rs) {
        rs.MovePrevious();
        // The bar never leaves the cursor before the first row.
        if (rs.isBOF() && rs.RecordCount() > 0)
            rs.MoveFirst();
    });
}

void DataControl::moveNext() {
    runMove([](Recordset& rs) {
        rs.MoveNext();
        if (rs.isEOF() && rs.RecordCount() > 0)
            rs.MoveLast();
    });
}

void DataControl::moveLast() {
    runMove([](Recordset& rs) { rs.MoveLast(); });
}

void DataControl::moveTo(int row) {
    runMove([row](Recordset& rs) { rs.MoveTo(row); });
}

template <typename Move> void DataControl::runMove(Move move) {
    if (!m_recordset || !m_recordset->isOpen() || m_recordset->RecordCount() == 0)
        return;
    bool allowed = true;
    if (m_willMove && !runReported(this, [&] { allowed = m_willMove(); }))
        allowed = false;
    if (!allowed) {
        updateButtons();
        return;
    }
    if (!m_recordset)
        return;
    Recordset& rs = *m_recordset;
    // A pending edit is written first; another user's change asks, and keeping the typing
    // keeps the row.
    runReported(this, [&] {
        if (settleBeforeLeaving(this, rs))
            move(rs);
    });
    updateButtons();
}

void DataControl::updateButtons() {
    const Recordset* rs = m_recordset;
    const int count = rs && rs->isOpen() ? rs->RecordCount() : 0;
    // -1 before the first row, after the last and on a deleted row's place.
    const int position = count > 0 ? rs->AbsolutePosition() : -1;
    const bool any = count > 0;
    m_first->setEnabled(any && position != 0);
    m_previous->setEnabled(any && position != 0 && !rs->isBOF());
    m_next->setEnabled(any && position != count - 1 && !rs->isEOF());
    m_last->setEnabled(any && position != count - 1);
}

void DataControl::nameButtons() {
    const QString base = objectName();
    m_first->setObjectName(base + QStringLiteral(".First"));
    m_previous->setObjectName(base + QStringLiteral(".Previous"));
    m_next->setObjectName(base + QStringLiteral(".Next"));
    m_last->setObjectName(base + QStringLiteral(".Last"));
}

} // namespace quarvel::controls
