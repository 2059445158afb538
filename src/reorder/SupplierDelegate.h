#pragma once

#include <QHash>
#include <QStyledItemDelegate>

namespace quarvel::reorder {

// The Supplier cell's editor in the Reorder Stock list: a list of the suppliers by name (and
// "(none)" to leave the product out), which writes the supplier's key into the row.
class SupplierDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit SupplierDelegate(QObject* parent = nullptr);

    void setSuppliers(const QHash<qint64, QString>& suppliers) { m_suppliers = suppliers; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    // Enter chooses the supplier shown, as in the grids' lists (a list that is not open would
    // otherwise ignore it).
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    QHash<qint64, QString> m_suppliers;
};

} // namespace quarvel::reorder
