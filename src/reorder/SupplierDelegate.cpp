#include "reorder/SupplierDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <algorithm>

namespace quarvel::reorder {

SupplierDelegate::SupplierDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* SupplierDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("cboSupplier"));
    combo->setAccessibleName(tr("Supplier"));
    QList<std::pair<QString, qint64>> byName;
    for (auto it = m_suppliers.cbegin(); it != m_suppliers.cend(); ++it)
        byName.append({it.value(), it.key()});
    std::sort(byName.begin(), byName.end(), [](const auto& a, const auto& b) {
        const int order = a.first.localeAwareCompare(b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    combo->addItem(tr("(none)"), QVariant());
    for (const auto& [name, id] : byName)
        combo->addItem(name, id);
    return combo;
}

bool SupplierDelegate::eventFilter(QObject* editor, QEvent* event) {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (combo && event->type() == QEvent::KeyPress && !combo->view()->isVisible()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commitData(combo);
            emit closeEditor(combo, QAbstractItemDelegate::SubmitModelCache);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

void SupplierDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    const QVariant id = index.data(Qt::EditRole);
    const int at = id.isNull() ? 0 : combo->findData(id.toLongLong());
    combo->setCurrentIndex(std::max(at, 0));
}

void SupplierDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    model->setData(index, combo->currentData(), Qt::EditRole);
}

} // namespace quarvel::reorder
