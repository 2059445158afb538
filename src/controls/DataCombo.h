#pragma once

#include "controls/BoundField.h"

#include <QComboBox>
#include <QPointer>
#include <QVariant>

namespace quarvel::controls {

// A list that shows one column of a list recordset (listField) and stores another
// (boundColumn) into a field of the bound row (dataField). Choosing an entry writes the
// entry's boundColumn value into the bound row's current row; a move of the bound row shows
// the entry whose boundColumn matches the field, or no entry when none matches or the field
// is Null. The list is read when the list source is set, again whenever the list recordset's
// rows change (re-query, added, removed or edited rows), and on refreshList().
class DataCombo : public QComboBox, public BoundField {
    Q_OBJECT

public:
    explicit DataCombo(QWidget* parent = nullptr);
    ~DataCombo() override;

    void setListSource(Recordset* list, const QString& listField, const QString& boundColumn);

    Recordset* listSource() const;
    QString listField() const { return m_listField; }
    QString boundColumn() const { return m_boundColumn; }

    // The boundColumn value of the entry shown (an invalid QVariant when none is).
    QVariant boundText() const;

    // Reads the list recordset's rows again and shows the bound row's entry.
    void refreshList();

signals:
    // The entry shown changed (a user's choice or a move of the bound row).
    void changed();
    // The user chose an entry (the platform's Click).
    void clicked();

protected:
    void showField(bool moved) override;

private:
    int matchingIndex() const;
    void onUserActivated(int index);

    QPointer<Recordset> m_list;
    QString m_listField;
    QString m_boundColumn;
    bool m_showing = false;
};

} // namespace quarvel::controls
