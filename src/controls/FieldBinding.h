#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QWidget;

namespace quarvel {
class Recordset;
}

namespace quarvel::controls {

class DataControl;

// The link between one control and one field of a recordset's current row, held by every bound
// control (through BoundField): it follows a DataControl's recordset when bound through one, tells
// the control when the value to show has changed (a move, a re-query, a re-bind, a change of the
// field from elsewhere) and writes the user's edits into the current row.
class FieldBinding : public QObject {
    Q_OBJECT

public:
    // `owner` is the control; failures of writes are reported with it as the box's parent.
    explicit FieldBinding(QWidget* owner);

    void bind(DataControl* control, const QString& fieldName);
    void bind(Recordset* recordset, const QString& fieldName);
    // Unbinds; valueChanged() tells the control to show no value.
    void unbind();

    Recordset* recordset() const;
    DataControl* dataControl() const;
    QString fieldName() const { return m_fieldName; }
    // Column of the field in the recordset, or -1 (unbound, no such field, closed).
    int column() const;
    // The most characters the field takes (Recordset::DefinedSize); 0 when it is no text.
    int definedSize() const;
    // True when there is a current row whose field can be shown and written.
    bool hasCurrentRow() const;
    // The field of the current row (an invalid QVariant when there is no current row).
    QVariant value() const;
    // Writes a user's value into the current row. Nothing is written without a current row;
    // a refusal is reported in a plain box. True when the value was written.
    bool write(const QVariant& value);

signals:
    // The value to show may have changed; the control reads value() and shows it.
    // `moved` is true when the current row or the recordset changed (a move, a re-query, a
    // re-bind), false when only the field's value did.
    void valueChanged(bool moved = true);

private:
    void release();
    void attach(Recordset* recordset);
    void detach();
    void onFieldChanged(int column);

    QWidget* m_owner;
    QPointer<DataControl> m_control;
    QPointer<Recordset> m_recordset;
    QString m_fieldName;
    bool m_writing = false;
    QList<QMetaObject::Connection> m_connections;
    QMetaObject::Connection m_controlConnection;
};

} // namespace quarvel::controls
