#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace quarvel::reports {

// Rows of one query for a report: column names and rows of values. Column names are looked up
// without regard to case and may hold blanks and dots ("Total Units",
// "qryRep5B.PurchaseOrderID"). A qualified name "Table.Column" also finds a column named
// "Column", and a plain name finds the one column whose name ends in ".name".
class ReportTable {
public:
    ReportTable() = default;
    explicit ReportTable(const QStringList& columns);

    const QStringList& columns() const { return m_columns; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return static_cast<int>(m_columns.size()); }

    // Appends a row; throws ReportError when it has not one value per column.
    void addRow(const QVariantList& values);
    const QVariantList& row(int index) const { return m_rows.at(static_cast<size_t>(index)); }

    // The column's position, or -1.
    int columnIndex(const QString& name) const;
    bool hasColumn(const QString& name) const { return columnIndex(name) >= 0; }
    // The value in a row by column name; throws ReportError for an unknown column.
    QVariant value(int row, const QString& column) const;
    QVariant value(int row, int column) const;

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
};

} // namespace quarvel::reports
