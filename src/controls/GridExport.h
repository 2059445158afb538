#pragma once

#include "csv/CsvText.h"

#include <QObject>
#include <QString>
#include <functional>

class QTableView;
class QWidget;

namespace quarvel::controls {

// Export of a grid or list to a CSV file: "Export to CSV..." (Ctrl+E while the grid has the
// focus, and its context menu) writes what the grid shows, the rows in view and the columns not
// hidden in their order on screen, under a header of their captions, with dates as YYYY-MM-DD
// and numbers with a dot; "Export to CSV as Shown..." writes the values as the grid shows them.
// The file is written whole or not at all.
class GridExport : public QObject {
    Q_OBJECT

public:
    // Offers the export on `view`; `name` is the default file name (without ".csv"), by
    // default the title of the view's window.
    static GridExport* install(QTableView* view, const QString& name = {});

    // The rows `view` shows, the header first, as written.
    static QList<QStringList> rowsOf(const QTableView& view, csv::Style style);
    // Writes them to `path`; throws std::runtime_error saying why the file cannot be written.
    static void write(const QTableView& view, const QString& path, csv::Style style);
    // Writes any rows to `path` as a whole; throws std::runtime_error.
    static void writeRows(const QList<QStringList>& rows, const QString& path);

    // Asks for the file to write (default: a save dialog); an empty answer cancels.
    using PathChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    static void setPathChooser(PathChooser chooser);
    static QString choosePath(QWidget* parent, const QString& suggested);

private:
    GridExport(QTableView* view, const QString& name);
    void exportTo(csv::Style style);

    QTableView* m_view;
    QString m_name;
};

} // namespace quarvel::controls
