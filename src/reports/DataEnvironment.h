#pragma once

#include "reports/engine/ReportData.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace quarvel {
class Connection;
}

namespace quarvel::reports {

// The reports' data source `de1`: one connection and the five report commands cm1 to cm5.
// A command is split by ShapeCommand into its master query, child query and relation; both
// queries run on the data source's connection and become the report's ReportData.
class DataEnvironment {
public:
    // The data source on a connection of its own (ShowReport opens a fresh one each time).
    explicit DataEnvironment(std::shared_ptr<Connection> connection);

    // The command text of "cm1" ... "cm5"; throws ReportError for any other name.
    static QString commandText(const QString& command);
    static QStringList commandNames();

    // Runs a command. `columns`, when not empty, names the only columns the report reads
    // (the relation fields are always kept), so a large report keeps no unused values.
    // Throws DatabaseError for a failing query and ReportError for a malformed command.
    ReportData load(const QString& command, const QStringList& columns = {}) const;

    // The rows of one SQL text (a query the reports' dialect, names in brackets or accents).
    ReportTable query(const QString& sql, const QStringList& columns = {},
                      const QStringList& keep = {}) const;

    std::shared_ptr<Connection> connection() const { return m_connection; }

private:
    std::shared_ptr<Connection> m_connection;
};

} // namespace quarvel::reports
