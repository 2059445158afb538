#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quarvel::import {

// A column rows can be imported into: its name, the captions a file's header may give it
// instead (as the windows show it), whether a new row needs it, and for a reference the table
// it refers to and the column of that table's names, by which a file may give it.
struct ImportField {
    QString name;
    QStringList captions;
    bool required = false;
    QString refTable;
    QString refKey;
    QString refName;
};

// A table rows can be imported into: Products, Suppliers, Categories and Employees.
struct ImportTable {
    QString name;
    QString key;
    // What one row is called in messages ("product").
    QString rowName;
    QList<ImportField> fields;

    static QList<ImportTable> all();
    // The table of that name (in any case), or nothing.
    static std::optional<ImportTable> named(const QString& name);
    // The field a header names: by its name or one of its captions, without regard to case,
    // blanks or punctuation ("Product Name", "product_name", "ProductName"); -1 for none.
    int fieldForHeader(const QString& header) const;
    int fieldIndex(const QString& name) const;
};

} // namespace quarvel::import
