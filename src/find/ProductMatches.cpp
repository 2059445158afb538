#include "find/ProductMatches.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "format/TextFold.h"

#include <algorithm>

namespace quarvel {

namespace {

// Each product's key, name, category name and reorder level.
const QString productColumns = QStringLiteral(
    "SELECT Products.ProductID, Products.ProductName, Categories.CategoryName, "
    "Products.ReorderLevel FROM Products LEFT JOIN Categories ON Products.CategoryID = "
    "Categories.CategoryID");

} // namespace

QString ProductMatches::source() {
    return productColumns + QStringLiteral(" ORDER BY Products.ProductName, Products.ProductID;");
}

void ProductMatches::load(const std::shared_ptr<Connection>& connection) {
    // Read straight from the engine's rows: the list is never edited, so it needs no cursor.
    std::vector<Product> products;
    for (const auto rows = connection->query(source()); rows->next();)
        products.push_back({rows->value(0).toLongLong(), rows->value(1).toString(),
                            rows->value(2).toString(), rows->value(3)});
    std::vector<QString> names;
    std::vector<QString> categories;
    names.reserve(products.size());
    categories.reserve(products.size());
    for (const Product& product : products) {
        names.push_back(format::folded(product.name));
        categories.push_back(format::folded(product.category));
    }
    m_products = std::move(products);
    m_foldedNames = std::move(names);
    m_foldedCategories = std::move(categories);
}

int ProductMatches::reread(const std::shared_ptr<Connection>& connection, qint64 id, int* removed) {
    *removed = -1;
    const auto found = std::find_if(m_products.begin(), m_products.end(),
                                    [id](const Product& p) { return p.id == id; });
    const int index = found == m_products.end() ? -1 : int(found - m_products.begin());
    const auto row =
        connection->query(productColumns + QStringLiteral(" WHERE Products.ProductID = $1"), {id});
    if (!row->next()) {
        if (index >= 0) {
            m_products.erase(found);
            m_foldedNames.erase(m_foldedNames.begin() + index);
            m_foldedCategories.erase(m_foldedCategories.begin() + index);
            *removed = index;
        }
        return -1;
    }
    Product product{id, row->value(1).toString(), row->value(2).toString(), row->value(3)};
    QString name = format::folded(product.name);
    QString category = format::folded(product.category);
    if (index < 0) {
        m_products.push_back(std::move(product));
        m_foldedNames.push_back(std::move(name));
        m_foldedCategories.push_back(std::move(category));
        return int(m_products.size()) - 1;
    }
    m_products[std::size_t(index)] = std::move(product);
    m_foldedNames[std::size_t(index)] = std::move(name);
    m_foldedCategories[std::size_t(index)] = std::move(category);
    return index;
}

bool ProductMatches::matches(int index, const QString& typed) const {
    const QString needle = format::folded(typed.trimmed());
    return needle.isEmpty() || m_foldedNames[std::size_t(index)].contains(needle) ||
           m_foldedCategories[std::size_t(index)].contains(needle);
}

QList<int> ProductMatches::match(const QString& typed) const {
    const QString needle = format::folded(typed.trimmed());
    QList<int> result;
    const int count = int(m_products.size());
    if (needle.isEmpty()) {
        result.reserve(count);
        for (int i = 0; i < count; ++i)
            result.append(i);
        return result;
    }
    for (int i = 0; i < count; ++i) {
        if (m_foldedNames[std::size_t(i)].contains(needle) ||
            m_foldedCategories[std::size_t(i)].contains(needle))
            result.append(i);
    }
    return result;
}

} // namespace quarvel
