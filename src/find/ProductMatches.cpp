#include "find/ProductMatches.h"

#include "data/Recordset.h"
#include "format/TextFold.h"

namespace quarvel {

QString ProductMatches::source() {
    return QStringLiteral("SELECT Products.ProductID, Products.ProductName, "
                          "Categories.CategoryName, Products.ReorderLevel FROM Products LEFT JOIN "
                          "Categories ON Products.CategoryID = Categories.CategoryID ORDER BY "
                          "Products.ProductName, Products.ProductID;");
}

void ProductMatches::load(const std::shared_ptr<Connection>& connection) {
    Recordset rs;
    rs.Open(source(), connection);
    const int count = rs.RecordCount();
    std::vector<Product> products;
    products.reserve(std::size_t(count));
    for (int row = 0; row < count; ++row) {
        products.push_back({rs.value(row, 0).toLongLong(), rs.value(row, 1).toString(),
                            rs.value(row, 2).toString(), rs.value(row, 3)});
    }
    rs.Close();
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
