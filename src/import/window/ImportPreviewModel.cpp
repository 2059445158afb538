#include "import/window/ImportPreviewModel.h"

#include <QColor>

namespace quarvel::import {

ImportPreviewModel::ImportPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportPreviewModel::show(const ImportFile& file, const CheckResult& checked) {
    beginResetModel();
    m_header = file.header;
    m_rows = file.rows;
    m_problems.clear();
    for (const CellProblem& p : checked.problems) {
        const QPair<int, int> at{p.row - 2,
                                 p.column.isEmpty() ? -1 : int(m_header.indexOf(p.column))};
        QString& text = m_problems[at];
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + p.text();
    }
    endResetModel();
}

void ImportPreviewModel::clear() {
    beginResetModel();
    m_header.clear();
    m_rows.clear();
    m_problems.clear();
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_header.size());
}

QString ImportPreviewModel::problem(int row, int column) const {
    return m_problems.value({row, column});
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const QString why = problem(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return m_rows[index.row()].value(index.column());
    case Qt::BackgroundRole:
        return why.isEmpty() ? QVariant() : QVariant(QColor(255, 200, 200));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return why.isEmpty() ? QVariant() : QVariant(why);
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal)
        return role == Qt::DisplayRole ? QVariant(m_header.value(section)) : QVariant();
    const QString why = problem(section, -1);
    switch (role) {
    case Qt::DisplayRole:
        return section + 2;
    case Qt::BackgroundRole:
        return why.isEmpty() ? QVariant() : QVariant(QColor(255, 200, 200));
    case Qt::ToolTipRole:
        return why.isEmpty() ? QVariant() : QVariant(why);
    default:
        return {};
    }
}

} // namespace quarvel::import
