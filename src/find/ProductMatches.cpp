#include "find/ProductMatches.h"

#include "data/Backend.h"
#include "data/Connection.h"
#include "format/TextFold.h"

namespace quarvel {

QString ProductMatches::source() {
    return QStringLiteral("SELECT Products.ProductID, Products.ProductName, "
                          "Categories.CategoryName, Products.ReorderLevel FROM Products LEFT JOIN "
                          "Categories ON Products.CategoryID = Categories.CategoryID ORDER BY "
                          "Products.ProductName, Products.ProductID;");
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
