#include "import/ImportTable.h"

namespace quarvel::import {

namespace {

// A header as it is compared: lower case, letters and digits only.
QString simplified(const QString& text) {
    QString out;
    for (const QChar c : text.toLower())
        if (c.isLetterOrNumber())
            out += c;
    return out;
}

ImportField field(const char* name, std::initializer_list<const char*> captions = {},
                  bool required = false) {
    ImportField f{QString::fromLatin1(name), {}, required, {}, {}, {}};
    for (const char* caption : captions)
        f.captions << QString::fromLatin1(caption);
    return f;
}

} // namespace

QList<ImportTable> ImportTable::all() {
    ImportField category = field("CategoryID", {"Category", "Category Name", "CategoryName"});
    category.refTable = QStringLiteral("Categories");
    category.refKey = QStringLiteral("CategoryID");
    category.refName = QStringLiteral("CategoryName");
    return {
        {QStringLiteral("Products"),
         QStringLiteral("ProductID"),
         QStringLiteral("product"),
         {field("ProductID", {"Product ID", "ID"}), field("ProductName", {"Product", "Name"}, true),
          field("ProductDescription", {"Description"}), category,
          field("ReorderLevel", {"Reorder Level"}), field("LeadTime", {"Lead Time"})}},
        {QStringLiteral("Suppliers"),
         QStringLiteral("SupplierID"),
         QStringLiteral("supplier"),
         {field("SupplierID", {"Supplier ID", "ID"}),
          field("SupplierName", {"Supplier", "Name", "Company"}, true),
          field("ContactName", {"Contact"}), field("ContactTitle", {"Title"}), field("Address"),
          field("City"),
          field("StateOrProvince", {"State", "Province", "Region", "State/Province"}),
          field("PostalCode", {"Postal Code", "ZIP", "ZIP Code", "Postcode"}), field("Country"),
          field("PhoneNumber", {"Phone", "Telephone"}), field("FaxNumber", {"Fax"}),
          field("Notes")}},
        {QStringLiteral("Categories"),
         QStringLiteral("CategoryID"),
         QStringLiteral("category"),
         {field("CategoryID", {"Category ID", "ID"}),
          field("CategoryName", {"Category", "Name"}, true)}},
        {QStringLiteral("Employees"),
         QStringLiteral("EmployeeID"),
         QStringLiteral("employee"),
         {field("EmployeeID", {"Employee ID", "ID"}), field("FirstName", {"First Name"}),
          field("LastName", {"Last Name", "Surname"}, true), field("Title"),
          field("WorkPhone", {"Work Phone", "Phone"}), field("Extension", {"Ext"}),
          field("EmailName", {"Email", "E-mail", "Email Name"})}},
    };
}

std::optional<ImportTable> ImportTable::named(const QString& name) {
    for (const ImportTable& table : all())
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    return std::nullopt;
}

int ImportTable::fieldIndex(const QString& name) const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name == name)
            return i;
    return -1;
}

int ImportTable::fieldForHeader(const QString& header) const {
    const QString wanted = simplified(header);
    if (wanted.isEmpty())
        return -1;
    for (int i = 0; i < fields.size(); ++i)
        if (simplified(fields[i].name) == wanted)
            return i;
    for (int i = 0; i < fields.size(); ++i)
        for (const QString& caption : fields[i].captions)
            if (simplified(caption) == wanted)
                return i;
    return -1;
}

} // namespace quarvel::import
