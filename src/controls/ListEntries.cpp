#include "controls/ListEntries.h"

#include "controls/ValueFormat.h"
#include "data/FieldValue.h"
#include "data/Recordset.h"

#include <QComboBox>

namespace quarvel::controls::ListEntries {

void fill(QComboBox& combo, const Recordset* list, const QString& listField,
          const QString& boundColumn) {
    combo.clear();
    if (!list || !list->isOpen())
        return;
    const int shown = list->fieldIndex(listField);
    const int stored = list->fieldIndex(boundColumn);
    if (shown < 0 || stored < 0)
        return;
    for (int row = 0; row < list->RecordCount(); ++row)
        combo.addItem(ValueFormat::displayText(list->value(row, shown)), list->value(row, stored));
}

int indexOf(const QComboBox& combo, const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return -1;
    for (int i = 0; i < combo.count(); ++i) {
        if (FieldValue::same(combo.itemData(i), value))
            return i;
    }
    return -1;
}

} // namespace quarvel::controls::ListEntries
