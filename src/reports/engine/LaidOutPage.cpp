#include "LaidOutPage.h"

namespace quarvel::reports {

QStringList LaidOutPage::texts() const {
    QStringList result;
    for (const LaidOutItem& item : items) {
        if (item.kind == LaidOutItem::Kind::Text)
            result << item.text();
    }
    return result;
}

std::vector<const LaidOutItem*> LaidOutPage::find(const QString& name) const {
    std::vector<const LaidOutItem*> result;
    for (const LaidOutItem& item : items) {
        if (item.name.compare(name, Qt::CaseInsensitive) == 0)
            result.push_back(&item);
    }
    return result;
}

} // namespace quarvel::reports
