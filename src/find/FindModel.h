#pragma once

#include "find/ProductMatches.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <memory>

namespace quarvel {

class Connection;

// The find box's list: the matching products by name, with their category, stock figures and
// reorder level. The figures (summed over the product's transactions) are read only for the
// rows a view asks for, a page at a time, so a match of every product costs no more than a
// page of figures.
class FindModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Category, OnHand, OnOrder, ReorderLevel, ColumnCount };

    explicit FindModel(QObject* parent = nullptr);

    // Reads every product's name and category; throws DatabaseError.
    void load(const std::shared_ptr<Connection>& connection);
    // Shows the products matching `typed`.
    void setFilter(const QString& typed);

    // Shows what another program changed: a product's row is read again (added at the end
    // when new and matching, removed when gone), a transaction's change drops the figures
    // read so far (the rows in view read theirs again), a category's reads the list again.
    // Throws DatabaseError.
    void rowChanged(const QString& table, const QVariant& key);

    // The product shown at `row`, or 0.
    qint64 productId(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // The figures of some rows could not be read (they stay blank); sent once, after the
    // paint that asked for them.
    void figuresUnreadable(const QString& message);

private:
    struct Figures {
        QVariant onHand;
        QVariant onOrder;
    };
    // Reads the figures of the page of rows from `row` on that have none yet.
    void readFigures(int row) const;
    // A cell's value as an export writes it: numbers as numbers.
    QVariant portableValue(const QModelIndex& index) const;

    std::shared_ptr<Connection> m_connection;
    ProductMatches m_matches;
    QString m_typed;
    QList<int> m_rows; // indexes into m_matches.products()
    mutable QHash<qint64, Figures> m_figures;
    mutable bool m_told = false;
};

} // namespace quarvel
