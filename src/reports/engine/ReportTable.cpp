#include "ReportTable.h"

#include "ReportError.h"
#include "Tr.h"

namespace quarvel::reports {

ReportTable::ReportTable(const QStringList& columns) : m_columns(columns) {}

void ReportTable::addRow(const QVariantList& values) {
    if (values.size() != m_columns.size()) {
        throw ReportError(Tr::tr("A report row has %1 values for %2 columns.")
                              .arg(values.size())
                              .arg(m_columns.size()));
    }
    m_rows.push_back(values);
}

int ReportTable::columnIndex(const QString& name) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    const int dot = name.lastIndexOf(u'.');
    if (dot >= 0) {
        const QString bare = name.mid(dot + 1);
        for (int i = 0; i < m_columns.size(); ++i) {
            if (m_columns.at(i).compare(bare, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
    int found = -1;
    const QString suffix = u'.' + name;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).endsWith(suffix, Qt::CaseInsensitive)) {
            if (found >= 0)
                return -1; // ambiguous
            found = i;
        }
    }
    return found;
}

QVariant ReportTable::value(int row, const QString& column) const {
    const int index = columnIndex(column);
    if (index < 0) {
        throw ReportError(Tr::tr("The report data has no field named '%1'. Its fields are: %2.")
                              .arg(column, m_columns.join(QStringLiteral(", "))));
    }
    return value(row, index);
}

QVariant ReportTable::value(int row, int column) const {
    return m_rows.at(static_cast<size_t>(row)).at(column);
}

} // namespace quarvel::reports
