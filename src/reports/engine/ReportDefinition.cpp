#include "ReportDefinition.h"

#include "ReportError.h"
#include "Tr.h"

namespace quarvel::reports {

std::array<ReportSection*, 7> ReportDefinition::sections() {
    return {&reportHeader, &pageHeader,   &groupHeader, &detail,
            &groupFooter,  &reportFooter, &pageFooter};
}

std::array<const ReportSection*, 7> ReportDefinition::sections() const {
    return {&reportHeader, &pageHeader,   &groupHeader, &detail,
            &groupFooter,  &reportFooter, &pageFooter};
}

ReportItem& ReportDefinition::item(const QString& itemName) {
    for (ReportSection* section : sections()) {
        for (ReportItem& it : section->items) {
            if (it.name.compare(itemName, Qt::CaseInsensitive) == 0)
                return it;
        }
    }
    throw ReportError(Tr::tr("Report '%1' has no control named '%2'.")
                          .arg(name.isEmpty() ? title : name, itemName));
}

const ReportItem& ReportDefinition::item(const QString& itemName) const {
    return const_cast<ReportDefinition*>(this)->item(itemName);
}

} // namespace quarvel::reports
