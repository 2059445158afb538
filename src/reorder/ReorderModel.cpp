#include "reorder/ReorderModel.h"

#include "controls/ValueFormat.h"
#include "csv/CsvText.h"
#include "format/TextFold.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace quarvel::reorder {

namespace {

// The largest amount a currency field holds, and its decimals.
constexpr double largestPrice = 922337203685477.5807;

} // namespace

ReorderModel::ReorderModel(QObject* parent) : QAbstractTableModel(parent) {}

void ReorderModel::setSuggestions(std::vector<Suggestion> suggestions,
                                  QHash<qint64, QString> suppliers) {
    beginResetModel();
    m_rows = std::move(suggestions);
    m_suppliers = std::move(suppliers);
    sortBySupplier();
    endResetModel();
}

bool ReorderModel::setFigures(qint64 productId, const QString& name, double onHand, double onOrder,
                              double reorderLevel) {
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        Suggestion& s = m_rows[row];
        if (s.productId != productId)
            continue;
        s.productName = name;
        s.onHand = onHand;
        s.onOrder = onOrder;
        s.reorderLevel = reorderLevel;
        emit dataChanged(index(int(row), 0), index(int(row), ColumnCount - 1));
        return true;
    }
    return false;
}

void ReorderModel::sortBySupplier() {
    // Each supplier's place by name, then the products by name, case and accents aside: one
    // folded name per row, compared letter by letter, which is quick for a list of thousands.
    QList<qint64> suppliers;
    for (const Suggestion& s : m_rows) {
        if (!s.supplierId.isNull() && !suppliers.contains(s.supplierId.toLongLong()))
            suppliers << s.supplierId.toLongLong();
    }
    const QCollator collator;
    std::sort(suppliers.begin(), suppliers.end(), [&](qint64 a, qint64 b) {
        const int order = collator.compare(m_suppliers.value(a), m_suppliers.value(b));
        return order != 0 ? order < 0 : a < b;
    });
    QHash<qint64, int> place;
    for (int i = 0; i < suppliers.size(); ++i)
        place.insert(suppliers[i], i);

    struct Key {
        int supplier; // without a supplier: after every supplier
        QString name;
        std::size_t row;
    };
    std::vector<Key> keys;
    keys.reserve(m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Suggestion& s = m_rows[i];
        keys.push_back(
            {s.supplierId.isNull() ? int(suppliers.size()) : place.value(s.supplierId.toLongLong()),
             format::folded(s.productName), i});
    }
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.supplier != b.supplier)
            return a.supplier < b.supplier;
        const int byName = a.name.compare(b.name);
        return byName != 0 ? byName < 0 : m_rows[a.row].productId < m_rows[b.row].productId;
    });
    std::vector<Suggestion> sorted;
    sorted.reserve(m_rows.size());
    for (const Key& k : keys)
        sorted.push_back(std::move(m_rows[k.row]));
    m_rows = std::move(sorted);
}

QString ReorderModel::supplierName(const QVariant& supplierId) const {
    return supplierId.isNull() ? QString() : m_suppliers.value(supplierId.toLongLong());
}

int ReorderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReorderModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReorderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Order:
        return tr("Order");
    case Product:
        return tr("Product");
    case Supplier:
        return tr("Supplier");
    case OnHand:
        return tr("On Hand");
    case OnOrder:
        return tr("On Order");
    case ReorderLevel:
        return tr("Reorder Level");
    case SoldPerDay:
        return tr("Sold per Day");
    case LeadTime:
        return tr("Lead Time");
    case Quantity:
        return tr("Quantity");
    case UnitPrice:
        return tr("Unit Price");
    default:
        return {};
    }
}

Qt::ItemFlags ReorderModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    switch (index.column()) {
    case Order:
        return result | Qt::ItemIsUserCheckable;
    case Supplier:
    case Quantity:
    case UnitPrice:
        return result | Qt::ItemIsEditable;
    default:
        return result;
    }
}

QVariant ReorderModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Suggestion& s = m_rows[std::size_t(index.row())];
    if (role == Qt::ToolTipRole)
        return s.working();
    if (role == Qt::CheckStateRole && index.column() == Order)
        return s.ticked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && index.column() >= OnHand)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == csv::PortableValueRole) {
        switch (index.column()) {
        case Order:
            return s.ticked ? 1 : 0;
        case OnHand:
            return s.onHand;
        case OnOrder:
            return s.onOrder;
        case ReorderLevel:
            return s.reorderLevel;
        case SoldPerDay:
            return s.soldPerDay;
        case Quantity:
            return s.quantity;
        case UnitPrice:
            return s.unitPrice;
        default:
            return data(index, Qt::DisplayRole);
        }
    }
    if (role == Qt::EditRole) {
        switch (index.column()) {
        case Supplier:
            return s.supplierId;
        case Quantity:
            return s.quantity;
        case UnitPrice:
            return controls::ValueFormat::displayText(s.unitPrice);
        default:
            break;
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Product:
        return s.productName;
    case Supplier:
        return s.supplierId.isNull() ? tr("(choose a supplier)") : supplierName(s.supplierId);
    case OnHand:
        return figureText(s.onHand);
    case OnOrder:
        return figureText(s.onOrder);
    case ReorderLevel:
        return figureText(s.reorderLevel);
    case SoldPerDay:
        return QLocale().toString(s.soldPerDay, 'f', 2);
    case LeadTime:
        return s.leadTimeShown();
    case Quantity:
        return QLocale().toString(s.quantity);
    case UnitPrice:
        return controls::ValueFormat::displayText(s.unitPrice);
    default:
        return {};
    }
}

bool ReorderModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    Suggestion& s = m_rows[std::size_t(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Order) {
        s.ticked = value.toInt() == Qt::Checked;
    } else if (role != Qt::EditRole) {
        return false;
    } else if (index.column() == Supplier) {
        s.supplierId = value;
    } else if (index.column() == Quantity) {
        bool ok = false;
        const qint64 quantity = QLocale().toLongLong(value.toString().trimmed(), &ok);
        if (!ok || quantity < 1 || quantity > 2147483647) {
            emit refused(tr("The quantity must be a whole number of units from 1 to 2147483647."));
            return false;
        }
        s.quantity = quantity;
    } else if (index.column() == UnitPrice) {
        const QString text = value.toString().trimmed();
        if (text.isEmpty()) {
            s.unitPrice = QVariant();
        } else {
            bool ok = false;
            double price = QLocale().toDouble(text, &ok);
            if (!ok)
                price = QLocale::c().toDouble(text, &ok);
            if (!ok || price < 0 || price > largestPrice ||
                std::round(price * 10000) / 10000 != price) {
                emit refused(tr("The unit price must be an amount of at most four decimals, or "
                                "empty."));
                return false;
            }
            s.unitPrice = price;
        }
    } else {
        return false;
    }
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(ColumnCount - 1));
    return true;
}

} // namespace quarvel::reorder
