#include "controls/GridExport.h"

#include "controls/ErrorReport.h"
#include "controls/Tr.h"
#include "csv/CsvWriter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QTableView>
#include <stdexcept>

namespace quarvel::controls {

namespace {

GridExport::PathChooser& chooser() {
    static GridExport::PathChooser instance;
    return instance;
}

// The row the grid offers for a new record is not a row of data.
bool isNewRowPlaceholder(const QAbstractItemModel& model, int row) {
    return model.headerData(row, Qt::Vertical).toString() == QLatin1String("*");
}

} // namespace

GridExport::GridExport(QTableView* view, const QString& name)
    : QObject(view), m_view(view), m_name(name) {
    auto* exportAction = new QAction(Tr::tr("Export to CSV..."), view);
    exportAction->setObjectName(QStringLiteral("exportCsvAction"));
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    exportAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    auto* shownAction = new QAction(Tr::tr("Export to CSV as Shown..."), view);
    shownAction->setObjectName(QStringLiteral("exportCsvShownAction"));
    connect(exportAction, &QAction::triggered, this, [this] { exportTo(csv::Style::Portable); });
    connect(shownAction, &QAction::triggered, this, [this] { exportTo(csv::Style::Shown); });
    view->addAction(exportAction);
    view->addAction(shownAction);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

GridExport* GridExport::install(QTableView* view, const QString& name) {
    return new GridExport(view, name);
}

void GridExport::setPathChooser(PathChooser chooser_) {
    chooser() = std::move(chooser_);
}

QString GridExport::choosePath(QWidget* parent, const QString& suggested) {
    if (chooser())
        return chooser()(parent, suggested);
    return QFileDialog::getSaveFileName(parent, Tr::tr("Export to CSV"),
                                        QDir::home().filePath(suggested),
                                        Tr::tr("CSV files (*.csv)"));
}

QList<QStringList> GridExport::rowsOf(const QTableView& view, csv::Style style) {
    const QAbstractItemModel* model = view.model();
    QList<QStringList> rows;
    if (!model)
        return rows;
    const QHeaderView* header = view.horizontalHeader();
    QList<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!view.isColumnHidden(column))
            columns << column;
    }
    QStringList captions;
    for (const int column : columns)
        captions << model->headerData(column, Qt::Horizontal).toString();
    rows << captions;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (view.isRowHidden(row) || isNewRowPlaceholder(*model, row))
            continue;
        QStringList fields;
        for (const int column : columns) {
            const QModelIndex index = model->index(row, column);
            const QVariant portable = model->data(index, csv::PortableValueRole);
            if (style == csv::Style::Shown || !portable.isValid())
                fields << model->data(index, Qt::DisplayRole).toString();
            else
                fields << csv::textOf(portable);
        }
        rows << fields;
    }
    return rows;
}

void GridExport::writeRows(const QList<QStringList>& rows, const QString& path) {
    if (const QString failure = csv::CsvWriter::writeFile(path, rows); !failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
}

void GridExport::write(const QTableView& view, const QString& path, csv::Style style) {
    writeRows(rowsOf(view, style), path);
}

void GridExport::exportTo(csv::Style style) {
    runReported(m_view, [&] {
        const QString name = m_name.isEmpty() ? m_view->window()->windowTitle() : m_name;
        const QString path = choosePath(m_view->window(), name + QStringLiteral(".csv"));
        if (!path.isEmpty())
            write(*m_view, path, style);
    });
}

} // namespace quarvel::controls
