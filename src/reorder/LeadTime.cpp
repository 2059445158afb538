#include "reorder/LeadTime.h"

#include <QRegularExpression>

namespace quarvel::reorder {

std::optional<double> leadTimeDays(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d+(?:[.,]\\d+)?)\\s*(day|days|week|weeks|month|months)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double count =
        match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const QString unit = match.captured(2).toLower();
    const double perUnit = unit.startsWith(QLatin1String("day"))    ? 1.0
                           : unit.startsWith(QLatin1String("week")) ? 7.0
                                                                    : 30.0;
    return count * perUnit;
}

} // namespace quarvel::reorder
