#include "controls/DataCombo.h"

#include "controls/FieldBinding.h"
#include "controls/ListEntries.h"
#include "data/Recordset.h"

namespace quarvel::controls {

DataCombo::DataCombo(QWidget* parent) : QComboBox(parent), BoundField(this) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, &DataCombo::onUserActivated);
}

DataCombo::~DataCombo() = default;

void DataCombo::setListSource(Recordset* list, const QString& listField,
                              const QString& boundColumn) {
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = list;
    m_listField = listField;
    m_boundColumn = boundColumn;
    if (list) {
        // The list follows its recordset: rows re-read, added, removed or renamed.
        const auto reread = [this] {
            refreshList();
        };
        connect(list, &QObject::destroyed, this, reread);
        connect(list, &Recordset::rowsReset, this, reread);
        connect(list, &Recordset::rowInserted, this, reread);
        connect(list, &Recordset::rowRemoved, this, reread);
        connect(list, &Recordset::rowChanged, this, reread);
    }
    refreshList();
}

Recordset* DataCombo::listSource() const {
    return m_list;
}

QVariant DataCombo::boundText() const {
    return currentIndex() >= 0 ? itemData(currentIndex()) : QVariant();
}

void DataCombo::refreshList() {
    if (m_showing)
        return;
    const QString textBefore = currentText();
    const bool shownBefore = currentIndex() >= 0;
    m_showing = true;
    ListEntries::fill(*this, m_list, m_listField, m_boundColumn);
    setCurrentIndex(matchingIndex());
    m_showing = false;
    if (currentText() != textBefore || (currentIndex() >= 0) != shownBefore)
        emit changed();
}

int DataCombo::matchingIndex() const {
    return ListEntries::indexOf(*this, binding()->value());
}

void DataCombo::showField(bool) {
    const int match = matchingIndex();
    const int before = currentIndex();
    m_showing = true;
    setCurrentIndex(match);
    m_showing = false;
    if (before != match)
        emit changed();
}

void DataCombo::onUserActivated(int index) {
    if (m_showing || index < 0)
        return;
    if (binding()->hasCurrentRow())
        writeField(itemData(index));
    // A refused write shows the row's own entry again.
    showField(false);
    emit changed();
    emit clicked();
}

} // namespace quarvel::controls
