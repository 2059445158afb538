#include "controls/BoundField.h"

#include "controls/FieldBinding.h"
#include "controls/ValueFormat.h"

#include <QWidget>

namespace quarvel::controls {

BoundField::BoundField(QWidget* control)
    : m_control(control), m_binding(new FieldBinding(control)) {
    QObject::connect(m_binding, &FieldBinding::valueChanged, m_binding,
                     [this](bool moved) { showField(moved); });
}

BoundField::~BoundField() {
    // The control's own part is gone by now: nothing may reach showField() any more.
    QObject::disconnect(m_binding, nullptr, nullptr, nullptr);
}

void BoundField::bind(DataControl* control, const QString& fieldName) {
    m_binding->bind(control, fieldName);
}

void BoundField::bind(Recordset* recordset, const QString& fieldName) {
    m_binding->bind(recordset, fieldName);
}

void BoundField::unbind() {
    m_binding->unbind();
}

Recordset* BoundField::recordset() const {
    return m_binding->recordset();
}

QString BoundField::dataField() const {
    return m_binding->fieldName();
}

QString BoundField::fieldText(const QString& dateFormat) const {
    return ValueFormat::displayText(m_binding->value(), dateFormat);
}

bool BoundField::writeField(const QVariant& value) {
    if (m_control->property("readOnly").toBool())
        return false;
    return m_binding->write(value);
}

} // namespace quarvel::controls
