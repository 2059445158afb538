#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace quarvel {

class Connection;

// Every product's name and category, read once when a find begins, and the products whose
// name or category name contains a typed text. Matching ignores case and accents ("é" matches
// "e", "Ä" matches "a"): both sides are compared folded (format::folded).
//
// The matching is done here rather than by the engine: neither SQLite nor PostgreSQL folds
// accents without an extension or a schema object, and a scan of the folded names in memory
// takes a few milliseconds for 100 000 products, less than the engine's own LIKE scan.
class ProductMatches {
public:
    struct Product {
        qint64 id = 0;
        QString name;
        QString category;
        QVariant reorderLevel;
    };

    // Reads the products over `connection`, by name; throws DatabaseError.
    void load(const std::shared_ptr<Connection>& connection);

    // The indexes (into products()) of the products matching `typed`, by name; all of them
    // when `typed` is empty or only spaces.
    QList<int> match(const QString& typed) const;

    const std::vector<Product>& products() const { return m_products; }

    // Reads product `id` again after another program changed it. Returns its index in
    // products(): a product new to the list is added at the end; -1 when it is gone, in which
    // case `removed` is set to the index it had (or -1 when it was not listed either). The
    // other products keep their indexes, except those after a removed one (one less).
    int reread(const std::shared_ptr<Connection>& connection, qint64 id, int* removed);
    // Whether product `index` matches `typed` (as match() decides).
    bool matches(int index, const QString& typed) const;

    // The source text of the products read.
    static QString source();

private:
    std::vector<Product> m_products;
    // The folded name and category name of each product, side by side.
    std::vector<QString> m_foldedNames;
    std::vector<QString> m_foldedCategories;
};

} // namespace quarvel
