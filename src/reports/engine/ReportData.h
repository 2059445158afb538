#pragma once

#include "ReportTable.h"

#include <optional>
#include <vector>

namespace quarvel::reports {

// The rows of a report: master rows and, for a master/detail report, child rows with the
// relation that attaches to each master row the child rows whose relation field equals its
// own. Numbers compare numerically (1 equals 1.0 and "1"), other values as text without
// regard to case; a null never matches.
class ReportData {
public:
    ReportData() = default;
    // A flat report: the detail runs once per master row.
    static ReportData flat(ReportTable master);
    // A master/detail report; throws ReportError when a relation field is missing.
    static ReportData shaped(ReportTable master, ReportTable child, const QString& masterField,
                             const QString& childField);

    const ReportTable& master() const { return m_master; }
    bool hasChild() const { return m_child.has_value(); }
    const ReportTable& child() const; // throws ReportError for a flat report
    QString masterField() const { return m_masterField; }
    QString childField() const { return m_childField; }

    // The child rows of a master row, in child-table order; empty for a flat report.
    const std::vector<int>& childRows(int masterRow) const;

private:
    ReportTable m_master;
    std::optional<ReportTable> m_child;
    QString m_masterField;
    QString m_childField;
    std::vector<std::vector<int>> m_groups;
};

} // namespace quarvel::reports
