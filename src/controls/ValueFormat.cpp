#include "controls/ValueFormat.h"

#include "format/ValueText.h"

namespace quarvel::controls::ValueFormat {

QString shortDateFormat() {
    return format::shortDateFormat(QLocale());
}

QString displayText(const QVariant& value, const QString& dateFormat) {
    return format::generalText(value, QLocale(), dateFormat);
}

} // namespace quarvel::controls::ValueFormat
