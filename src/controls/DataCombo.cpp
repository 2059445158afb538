#include "controls/DataCombo.h"

#include "controls/ControlError.h"
#include "controls/FieldBinding.h"
#include "controls/ValueFormat.h"
#include "data/FieldValue.h"
#include "data/Recordset.h"

namespace quarvel::controls {

DataCombo::DataCombo(QWidget* parent) : QComboBox(parent), m_binding(new FieldBinding(this)) {
    setEditable(false);
    connect(m_binding, &FieldBinding::valueChanged, this, [this] { showBoundValue(); });
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

void DataCombo::bind(DataControl* control, const QString& dataField) {
    m_binding->bind(control, dataField);
}

void DataCombo::bind(Recordset* row, const QString& dataField) {
    m_binding->bind(row, dataField);
}

void DataCombo::unbind() {
    m_binding->unbind();
    showBoundValue();
}

Recordset* DataCombo::listSource() const {
    return m_list;
}

Recordset* DataCombo::recordset() const {
    return m_binding->recordset();
}

QString DataCombo::dataField() const {
    return m_binding->fieldName();
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
    clear();
    if (m_list && m_list->isOpen()) {
        const int shown = m_list->fieldIndex(m_listField);
        const int stored = m_list->fieldIndex(m_boundColumn);
        if (shown >= 0 && stored >= 0) {
            for (int row = 0; row < m_list->RecordCount(); ++row)
                addItem(ValueFormat::displayText(m_list->value(row, shown)),
                        m_list->value(row, stored));
        }
    }
    setCurrentIndex(matchingIndex());
    m_showing = false;
    if (currentText() != textBefore || (currentIndex() >= 0) != shownBefore)
        emit changed();
}

int DataCombo::matchingIndex() const {
    const QVariant value = m_binding->value();
    if (!value.isValid() || value.isNull())
        return -1;
    for (int i = 0; i < count(); ++i) {
        if (FieldValue::same(itemData(i), value))
            return i;
    }
    return -1;
}

void DataCombo::showBoundValue() {
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
    if (m_binding->hasCurrentRow())
        m_binding->write(itemData(index));
    // A refused write shows the row's own entry again.
    showBoundValue();
    emit changed();
    emit clicked();
}

} // namespace quarvel::controls
