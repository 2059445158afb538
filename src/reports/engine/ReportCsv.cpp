#include "ReportCsv.h"

#include "csv/CsvText.h"

namespace quarvel::reports {

namespace {

QStringList valuesOf(const ReportTable& table, int row, const QList<int>& columns) {
    QStringList values;
    for (const int column : columns)
        values << (row < 0 ? QString() : csv::textOf(table.value(row, column)));
    return values;
}

QList<int> allColumns(const ReportTable& table, int skipped = -1) {
    QList<int> columns;
    for (int i = 0; i < table.columnCount(); ++i)
        if (i != skipped)
            columns << i;
    return columns;
}

} // namespace

QList<QStringList> reportCsvRows(const ReportData& data) {
    const ReportTable& master = data.master();
    const QList<int> masterColumns = allColumns(master);
    QList<QStringList> rows;
    QStringList header = master.columns();
    if (!data.hasChild()) {
        rows << header;
        for (int row = 0; row < master.rowCount(); ++row)
            rows << valuesOf(master, row, masterColumns);
        return rows;
    }
    const ReportTable& child = data.child();
    const QList<int> childColumns = allColumns(child, child.columnIndex(data.childField()));
    for (const int column : childColumns)
        header << child.columns().at(column);
    rows << header;
    for (int row = 0; row < master.rowCount(); ++row) {
        const std::vector<int>& children = data.childRows(row);
        if (children.empty())
            rows << valuesOf(master, row, masterColumns) + valuesOf(child, -1, childColumns);
        for (const int c : children)
            rows << valuesOf(master, row, masterColumns) + valuesOf(child, c, childColumns);
    }
    return rows;
}

} // namespace quarvel::reports
