#pragma once

#include "reorder/Suggestion.h"

#include <QAbstractTableModel>
#include <QHash>
#include <vector>

namespace quarvel::reorder {

// The Reorder Stock list: one row per product to order, grouped by supplier (by name, the
// products without a supplier last) and by product name within a supplier. The Order column
// is a box to tick; Supplier, Quantity and Unit Price can be edited (the supplier from the
// suppliers' names); the figures that led to the suggestion are shown beside them, and each
// row's tooltip says how they were worked out.
class ReorderModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Order,
        Product,
        Supplier,
        OnHand,
        OnOrder,
        ReorderLevel,
        SoldPerDay,
        LeadTime,
        Quantity,
        UnitPrice,
        ColumnCount
    };

    explicit ReorderModel(QObject* parent = nullptr);

    // The suggestions and the suppliers' names by key.
    void setSuggestions(std::vector<Suggestion> suggestions, QHash<qint64, QString> suppliers);
    const std::vector<Suggestion>& suggestions() const { return m_rows; }
    const QHash<qint64, QString>& suppliers() const { return m_suppliers; }
    QString supplierName(const QVariant& supplierId) const;
    // The figures of product `productId` as stored now (another program changed them); the
    // user's choices in its row stay. False when the product is not listed.
    bool setFigures(qint64 productId, const QString& name, double onHand, double onOrder,
                    double reorderLevel);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // A value typed into the list was refused; the row keeps its value.
    void refused(const QString& message);

private:
    void sortBySupplier();

    std::vector<Suggestion> m_rows;
    QHash<qint64, QString> m_suppliers;
};

} // namespace quarvel::reorder
