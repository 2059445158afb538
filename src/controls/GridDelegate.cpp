#include "controls/GridDelegate.h"

#include "controls/RecordsetModel.h"

#include <QApplication>
#include <QItemEditorFactory>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace quarvel::controls {

GridDelegate::GridDelegate(const RecordsetModel* model, std::function<void(int)> editBegins,
                           QObject* parent)
    : QStyledItemDelegate(parent), m_model(model), m_editBegins(std::move(editBegins)) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (!m_model->columnList(index.column())) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The text beside the button, then the button at the cell's right end.
    const int side = std::min(option.rect.height(), option.fontMetrics.height() + 4);
    QStyleOptionViewItem text = option;
    text.rect.setRight(option.rect.right() - side);
    QStyledItemDelegate::paint(painter, text, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionButton button;
    button.rect =
        QRect(option.rect.right() - side + 1, option.rect.top(), side, option.rect.height());
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    button.palette = option.palette;
    style->drawControl(QStyle::CE_PushButtonBevel, &button, painter, widget);
    QStyleOption arrow;
    arrow.rect = button.rect.adjusted(3, 3, -3, -3);
    arrow.state = QStyle::State_Enabled;
    arrow.palette = option.palette;
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, widget);
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    m_editBegins(index.column());
    // The text editor Qt gives any text cell, for every cell: a date is typed as shown.
    return QItemEditorFactory::defaultFactory()->createEditor(QMetaType::QString, parent);
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(index.data(Qt::DisplayRole).toString());
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        model->setData(index, line->text());
}

} // namespace quarvel::controls
