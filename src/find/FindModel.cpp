#include "find/FindModel.h"

#include "controls/ErrorReport.h"
#include "controls/ValueFormat.h"
#include "csv/CsvText.h"
#include "data/Recordset.h"

#include <QStringList>

namespace quarvel {

namespace {

// Rows whose figures one read fetches: more than a list shows at once.
constexpr int pageSize = 64;

} // namespace

FindModel::FindModel(QObject* parent) : QAbstractTableModel(parent) {}

void FindModel::load(const std::shared_ptr<Connection>& connection) {
    beginResetModel();
    m_connection = connection;
    m_figures.clear();
    m_rows.clear();
    try {
        m_matches.load(connection);
    } catch (...) {
        endResetModel();
        throw;
    }
    m_rows = m_matches.match(QString());
    endResetModel();
}

void FindModel::setFilter(const QString& typed) {
    beginResetModel();
    m_typed = typed;
    m_rows = m_matches.match(typed);
    endResetModel();
}

void FindModel::rowChanged(const QString& table, const QVariant& key) {
    if (!m_connection)
        return;
    if (table.compare(u"Categories", Qt::CaseInsensitive) == 0) {
        beginResetModel();
        m_matches.load(m_connection);
        m_rows = m_matches.match(m_typed);
        endResetModel();
        return;
    }
    if (table.compare(u"Inventory Transactions", Qt::CaseInsensitive) == 0) {
        m_figures.clear();
        if (!m_rows.isEmpty())
            emit dataChanged(index(0, OnHand), index(int(m_rows.size()) - 1, OnOrder));
        return;
    }
    if (table.compare(u"Products", Qt::CaseInsensitive) != 0)
        return;
    const qint64 id = key.toLongLong();
    int removed = -1;
    const int product = m_matches.reread(m_connection, id, &removed);
    m_figures.remove(id);
    if (removed >= 0) {
        const qsizetype row = m_rows.indexOf(removed);
        if (row >= 0) {
            beginRemoveRows({}, int(row), int(row));
            m_rows.removeAt(row);
        }
        for (int& index : m_rows) {
            if (index > removed)
                --index;
        }
        if (row >= 0)
            endRemoveRows();
        return;
    }
    if (product < 0)
        return;
    const qsizetype row = m_rows.indexOf(product);
    if (row >= 0) {
        emit dataChanged(index(int(row), 0), index(int(row), ColumnCount - 1));
    } else if (product == int(m_matches.products().size()) - 1 &&
               m_matches.matches(product, m_typed)) {
        beginInsertRows({}, int(m_rows.size()), int(m_rows.size()));
        m_rows.append(product);
        endInsertRows();
    }
}

qint64 FindModel::productId(int row) const {
    return row >= 0 && row < m_rows.size() ? m_matches.products()[std::size_t(m_rows[row])].id : 0;
}

int FindModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FindModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return tr("Product Name");
    case Category:
        return tr("Category");
    case OnHand:
        return tr("Units on Hand");
    case OnOrder:
        return tr("Units on Order");
    case ReorderLevel:
        return tr("Reorder Level");
    default:
        return {};
    }
}

QVariant FindModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const ProductMatches::Product& product = m_matches.products()[std::size_t(m_rows[index.row()])];
    if (role == Qt::TextAlignmentRole && index.column() >= OnHand)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == csv::PortableValueRole)
        return portableValue(index);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Name:
        return product.name;
    case Category:
        return product.category;
    case ReorderLevel:
        return controls::ValueFormat::displayText(product.reorderLevel);
    case OnHand:
    case OnOrder: {
        if (!m_figures.contains(product.id))
            readFigures(index.row());
        const Figures figures = m_figures.value(product.id);
        return controls::ValueFormat::displayText(index.column() == OnHand ? figures.onHand
                                                                           : figures.onOrder);
    }
    default:
        return {};
    }
}

QVariant FindModel::portableValue(const QModelIndex& index) const {
    const ProductMatches::Product& product = m_matches.products()[std::size_t(m_rows[index.row()])];
    if (index.column() == ReorderLevel)
        return product.reorderLevel;
    if (index.column() != OnHand && index.column() != OnOrder)
        return data(index, Qt::DisplayRole);
    if (!m_figures.contains(product.id))
        readFigures(index.row());
    const Figures figures = m_figures.value(product.id);
    return index.column() == OnHand ? figures.onHand : figures.onOrder;
}

void FindModel::readFigures(int row) const {
    QStringList ids;
    for (int i = row; i < m_rows.size() && ids.size() < pageSize; ++i) {
        const qint64 id = m_matches.products()[std::size_t(m_rows[i])].id;
        if (!m_figures.contains(id))
            ids << QString::number(id);
        // Known from now on, even when the read fails: it is not tried again for each paint.
        m_figures.insert(id, {});
    }
    if (ids.isEmpty() || !m_connection)
        return;
    try {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT ProductID, UnitsOnHand, UnitsOnOrder FROM qryProducts "
                               "WHERE ProductID IN (") +
                    ids.join(QLatin1Char(',')) + QStringLiteral(")"),
                m_connection);
        for (int i = 0; i < rs.RecordCount(); ++i)
            m_figures.insert(rs.value(i, 0).toLongLong(), {rs.value(i, 1), rs.value(i, 2)});
    } catch (...) {
        // A list being painted cannot show a box: the window is told after the paint.
        if (!m_told) {
            m_told = true;
            QMetaObject::invokeMethod(
                const_cast<FindModel*>(this),
                [this, message = controls::currentFailureText()] {
                    emit const_cast<FindModel*>(this)->figuresUnreadable(message);
                },
                Qt::QueuedConnection);
        }
    }
}

} // namespace quarvel
