#pragma once

#include <QString>
#include <QVariant>

class QComboBox;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls::ListEntries {

// Fills `combo` with one entry per row of `list`: the text of `listField` shown, the value of
// `boundColumn` as the entry's data. An absent or closed list, or an unknown field, gives no
// entries.
void fill(QComboBox& combo, const Recordset* list, const QString& listField,
          const QString& boundColumn);

// The entry whose data is the same value as `value` (FieldValue::same), or -1; Null and an
// invalid value match no entry.
int indexOf(const QComboBox& combo, const QVariant& value);

} // namespace quarvel::controls::ListEntries
