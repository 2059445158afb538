#include "controls/GridDelegate.h"

#include "controls/ListEntries.h"
#include "controls/RecordsetModel.h"
#include "data/Recordset.h"

#include <QComboBox>
#include <QItemEditorFactory>
#include <QLineEdit>

namespace quarvel::controls {

GridDelegate::GridDelegate(const RecordsetModel* model, std::function<void(int)> editBegins,
                           std::function<void(int)> listChosen, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model), m_editBegins(std::move(editBegins)),
      m_listChosen(std::move(listChosen)) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    m_editBegins(index.column());
    if (const RecordsetModel::ColumnList* list = m_model->columnList(index.column())) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(list->editorName);
        combo->setAccessibleName(m_model->caption(index.column()));
        ListEntries::fill(*combo, list->list, list->listField, list->boundColumn);
        // A choice is the whole edit: it is committed at once.
        auto* self = const_cast<GridDelegate*>(this);
        connect(combo, &QComboBox::activated, self, [self, combo, column = index.column()] {
            emit self->commitData(combo);
            emit self->closeEditor(combo);
            if (self->m_listChosen)
                self->m_listChosen(column);
        });
        return combo;
    }
    // The text editor Qt gives any text cell, for every cell: a date is typed as shown.
    return QItemEditorFactory::defaultFactory()->createEditor(QMetaType::QString, parent);
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(ListEntries::indexOf(*combo, index.data(Qt::EditRole)));
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(index.data(Qt::DisplayRole).toString());
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentData());
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, line->text());
    }
}

} // namespace quarvel::controls
