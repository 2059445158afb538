#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace quarvel::controls {

class RecordsetModel;

// The cell editors of the data grid. A cell is edited as text in the form the grid shows it
// (dates in the grid's date format), whatever the value's type. Before an editor opens,
// `editBegins` is told the column: that is the moment a cell edit begins. A list column's
// cells are chosen with the grid's list (GridList), not edited here; each of them shows the
// list's drop-down button, so that the user sees where to choose.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(const RecordsetModel* model, std::function<void(int)> editBegins, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const RecordsetModel* m_model;
    std::function<void(int)> m_editBegins;
};

} // namespace quarvel::controls
