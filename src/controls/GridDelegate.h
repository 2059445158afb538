#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace quarvel::controls {

class RecordsetModel;

// The cell editors of the data grid. A cell is edited as text in the form the grid shows it
// (dates in the grid's date format), whatever the value's type; a list column's cell is
// edited with a list of its entries, and choosing one commits it at once. Before an editor
// opens, `editBegins` is told the column: that is the moment a cell edit begins. After a
// choice in a list has been committed and its editor closed, `listChosen` is told the column.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(const RecordsetModel* model, std::function<void(int)> editBegins,
                 std::function<void(int)> listChosen, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const RecordsetModel* m_model;
    std::function<void(int)> m_editBegins;
    std::function<void(int)> m_listChosen;
};

} // namespace quarvel::controls
