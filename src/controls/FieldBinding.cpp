#include "controls/FieldBinding.h"

#include "controls/DataControl.h"
#include "controls/ErrorReport.h"
#include "data/Recordset.h"

#include <QWidget>

namespace quarvel::controls {

FieldBinding::FieldBinding(QWidget* owner) : QObject(owner), m_owner(owner) {}

void FieldBinding::bind(DataControl* control, const QString& fieldName) {
    release();
    m_fieldName = fieldName;
    m_control = control;
    if (control) {
        m_controlConnection = connect(control, &DataControl::recordsetChanged, this,
                                      [this](Recordset* recordset) { attach(recordset); });
        attach(control->recordset());
    } else {
        emit valueChanged();
    }
}

void FieldBinding::bind(Recordset* recordset, const QString& fieldName) {
    release();
    m_fieldName = fieldName;
    attach(recordset);
}

void FieldBinding::unbind() {
    release();
    emit valueChanged();
}

void FieldBinding::release() {
    disconnect(m_controlConnection);
    m_control = nullptr;
    detach();
    m_fieldName.clear();
}

void FieldBinding::detach() {
    for (const auto& connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_recordset = nullptr;
}

void FieldBinding::attach(Recordset* recordset) {
    detach();
    m_recordset = recordset;
    if (recordset) {
        m_connections << connect(recordset, &Recordset::currentChanged, this,
                                 [this] { emit valueChanged(true); })
                      << connect(recordset, &Recordset::rowsReset, this,
                                 [this] { emit valueChanged(true); })
                      << connect(recordset, &Recordset::fieldChanged, this,
                                 &FieldBinding::onFieldChanged)
                      << connect(recordset, &QObject::destroyed, this, [this] {
                             detach();
                             emit valueChanged();
                         });
    }
    emit valueChanged();
}

Recordset* FieldBinding::recordset() const {
    return m_recordset;
}

DataControl* FieldBinding::dataControl() const {
    return m_control;
}

int FieldBinding::column() const {
    if (!m_recordset || !m_recordset->isOpen() || m_fieldName.isEmpty())
        return -1;
    return m_recordset->fieldIndex(m_fieldName);
}

int FieldBinding::definedSize() const {
    const int col = column();
    return col >= 0 ? m_recordset->DefinedSize(col) : 0;
}

bool FieldBinding::hasCurrentRow() const {
    return column() >= 0 && m_recordset->AbsolutePosition() >= 0;
}

QVariant FieldBinding::value() const {
    if (!hasCurrentRow())
        return {};
    return m_recordset->value(m_recordset->AbsolutePosition(), column());
}

bool FieldBinding::write(const QVariant& value) {
    if (!hasCurrentRow())
        return false;
    const int col = column();
    Recordset* rs = m_recordset;
    m_writing = true;
    const bool ok = runReported(m_owner, [&] { rs->setField(col, value); });
    m_writing = false;
    if (!ok)
        emit valueChanged(false); // the control shows what the row holds again
    return ok;
}

void FieldBinding::onFieldChanged(int changedColumn) {
    // The control's own write needs no echo: the text the user typed stays as typed.
    if (m_writing || changedColumn != column())
        return;
    emit valueChanged(false);
}

} // namespace quarvel::controls
