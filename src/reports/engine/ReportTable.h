#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace quarvel::reports {

// Rows of one query for a report: column names and rows of values. Column names are looked up
// without regard to case and may hold blanks and dots ("Total Units",
// "qryRep5B.PurchaseOrderID"). A qualified name "Table.Column" also finds a column named
// "Column", and a plain name finds the one column whose name ends in ".name".
//
// A report may hold a million rows, so values are kept compactly rather than as QVariants (32
// bytes each, and a heap block for each text): a number, date or flag in 8 bytes and a type
// byte, a text's characters in large blocks shared by the whole table. value() gives them back
// as the QVariants they were added as.
class ReportTable {
public:
    ReportTable() = default;
    explicit ReportTable(const QStringList& columns);

    const QStringList& columns() const { return m_columns; }
    int rowCount() const { return m_rowCount; }
    int columnCount() const { return static_cast<int>(m_columns.size()); }

    ReportTable(ReportTable&&) noexcept;
    ReportTable& operator=(ReportTable&&) noexcept;
    ReportTable(const ReportTable& other);
    ReportTable& operator=(const ReportTable& other);
    ~ReportTable();

    // Appends a row; throws ReportError when it has not one value per column.
    void addRow(const QVariantList& values);

    // The column's position, or -1.
    int columnIndex(const QString& name) const;
    bool hasColumn(const QString& name) const { return columnIndex(name) >= 0; }
    // The value in a row by column name; throws ReportError for an unknown column.
    QVariant value(int row, const QString& column) const;
    QVariant value(int row, int column) const;

private:
    void append(const QVariant& value);
    quint64 storeText(const QString& text);

    QStringList m_columns;
    int m_rowCount = 0;
    // One entry per value, row after row: the kind of value, and its bits.
    std::vector<quint8> m_kinds;
    std::vector<quint64> m_bits;
    // The characters of the texts, in blocks that never move once made.
    std::vector<std::unique_ptr<char16_t[]>> m_blocks;
    std::vector<qsizetype> m_blockSizes;
    qsizetype m_blockUsed = 0;
    // Values of any other type, as they came.
    std::vector<QVariant> m_others;
};

} // namespace quarvel::reports
