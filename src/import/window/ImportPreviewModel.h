#pragma once

#include "import/ImportCheck.h"
#include "import/ImportFile.h"

#include <QAbstractTableModel>
#include <QHash>

namespace quarvel::import {

// The rows of a file to import as a table: the file's own header and rows, each row headed by
// its row number in the file (the header being row 1). A cell the check refused is marked
// (a light red background) and says why (its tooltip, and its accessible description for a
// screen reader); so does the number of a row refused as a whole.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ImportPreviewModel(QObject* parent = nullptr);

    // Shows `file`, with the problems of `checked` (of the same file) marked.
    void show(const ImportFile& file, const CheckResult& checked);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Why a cell (column -1: the row) was refused; empty when it was not.
    QString problem(int row, int column) const;

private:
    QStringList m_header;
    QList<QStringList> m_rows;
    // By row index and column (-1 for the row as a whole).
    QHash<QPair<int, int>, QString> m_problems;
};

} // namespace quarvel::import
