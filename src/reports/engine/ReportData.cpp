#include "ReportData.h"

#include "ReportError.h"
#include "Tr.h"

#include <QHash>
#include <map>

namespace quarvel::reports {

namespace {

// The relation key of a value: a number when it reads as one, else lower-case text.
struct Key {
    bool isNull = true;
    bool isNumber = false;
    double number = 0;
    QString text;
};

Key keyOf(const QVariant& v) {
    Key key;
    if (v.isNull() || !v.isValid())
        return key;
    key.isNull = false;
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    if (ok) {
        key.isNumber = true;
        key.number = d;
    } else {
        key.text = v.toString().toLower();
    }
    return key;
}

} // namespace

ReportData ReportData::flat(ReportTable master) {
    ReportData data;
    data.m_master = std::move(master);
    data.m_groups.resize(static_cast<size_t>(data.m_master.rowCount()));
    return data;
}

ReportData ReportData::shaped(ReportTable master, ReportTable child, const QString& masterField,
                              const QString& childField) {
    const int masterColumn = master.columnIndex(masterField);
    const int childColumn = child.columnIndex(childField);
    if (masterColumn < 0 || childColumn < 0) {
        throw ReportError(Tr::tr("The relation %1 = %2 names a field the data lacks.")
                              .arg(masterField, childField));
    }
    ReportData data;
    std::map<double, std::vector<int>> byNumber;
    QHash<QString, std::vector<int>> byText;
    for (int r = 0; r < child.rowCount(); ++r) {
        const Key key = keyOf(child.value(r, childColumn));
        if (key.isNull)
            continue;
        if (key.isNumber)
            byNumber[key.number].push_back(r);
        else
            byText[key.text].push_back(r);
    }
    data.m_groups.resize(static_cast<size_t>(master.rowCount()));
    for (int r = 0; r < master.rowCount(); ++r) {
        const Key key = keyOf(master.value(r, masterColumn));
        if (key.isNull)
            continue;
        if (key.isNumber) {
            const auto it = byNumber.find(key.number);
            if (it != byNumber.end())
                data.m_groups[static_cast<size_t>(r)] = it->second;
        } else {
            data.m_groups[static_cast<size_t>(r)] = byText.value(key.text);
        }
    }
    data.m_master = std::move(master);
    data.m_child = std::move(child);
    data.m_masterField = masterField;
    data.m_childField = childField;
    return data;
}

const ReportTable& ReportData::child() const {
    if (!m_child)
        throw ReportError(Tr::tr("This report has no child rows."));
    return *m_child;
}

const std::vector<int>& ReportData::childRows(int masterRow) const {
    return m_groups.at(static_cast<size_t>(masterRow));
}

} // namespace quarvel::reports
