#include "history/window/HistoryWindow.h"

#include "controls/GridExport.h"
#include "csv/CsvText.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "history/HistoryLog.h"
#include "shell/FormBuilder.h"
#include "shell/Trap.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace quarvel::history {

using namespace shell::form;

namespace {

constexpr int windowWidth = 12000;
constexpr int windowHeight = 7200;

QStandardItem* item(const QString& shown, const QString& portable) {
    auto* cell = new QStandardItem(shown);
    cell->setData(portable, csv::PortableValueRole);
    cell->setEditable(false);
    return cell;
}

} // namespace

HistoryWindow::HistoryWindow(const QString& programFolder, QWidget* parent)
    : FormWindow({QStringLiteral("History"), tr("History"), windowWidth, windowHeight},
                 programFolder, parent) {
    if (const auto* form = qobject_cast<shell::FormWindow*>(parent)) {
        if (const Recordset* records = form->historyRecordset();
            records && records->isOpen() && !records->isBOF() && !records->isEOF()) {
            m_table = records->UpdatableTable();
            const QString key = HistoryLog::keyField(m_table);
            if (!key.isEmpty())
                m_key = records->Fields(key);
        }
    }
    m_heading = label(this, QStringLiteral("Label1"), QString(), 120, 120, 9000, 285);
    m_deleted = control<QCheckBox>(this, QStringLiteral("chkDeleted"), 9240, 120, 2640, 285);
    m_deleted->setText(tr("Deleted records"));
    m_model = new QStandardItemModel(0, 8, this);
    m_model->setHorizontalHeaderLabels({tr("When"), tr("Who"), tr("Table"), tr("Key"), tr("Action"),
                                        tr("Field"), tr("Old Value"), tr("New Value")});
    m_grid = control<QTableView>(this, QStringLiteral("grdHistory"), 120, 480, 11760, 5940);
    m_grid->setModel(m_model);
    m_grid->setAccessibleName(tr("Changes"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setTabKeyNavigation(false);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    controls::GridExport::install(m_grid);
    m_close = button(this, QStringLiteral("PushButton1"), tr("Close"), 10440, 6600, 1440, 420);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_deleted, &QCheckBox::toggled, this, shell::guarded(this, [this] { showEntries(); }));
    QWidget::setTabOrder(m_deleted, m_grid);
    QWidget::setTabOrder(m_grid, m_close);
}

void HistoryWindow::Form_Load() {
    shell::Trap trap(objectName(), QStringLiteral("Form_Load"), 102, this);
    const int line = loadLook(trap, 104);
    trap(line, [&] { showEntries(); });
    m_grid->setFocus(Qt::OtherFocusReason);
}

void HistoryWindow::showEntries() {
    m_model->removeRows(0, m_model->rowCount());
    const QString record =
        m_key.isNull() ? m_table : QStringLiteral("%1 %2").arg(m_table, m_key.toString());
    setWindowTitle(tr("History of %1").arg(record));
    const auto connection = OpenConnection();
    if (!HistoryLog::available(*connection)) {
        m_heading->setText(tr("This database keeps no history yet: quarvel-db upgrade adds it "
                              "(schema version 3)."));
        m_deleted->setEnabled(false);
        return;
    }
    QList<Entry> entries;
    if (m_deleted->isChecked()) {
        for (const Entry& e : HistoryLog::read(*connection, {}, m_table))
            if (e.action == u"delete")
                entries.prepend(e);
        m_heading->setText(tr("Deleted records of %1, newest first").arg(m_table));
    } else {
        entries = HistoryLog::ofRecord(*connection, m_table, m_key);
        m_heading->setText(tr("Changes to %1, newest first").arg(record));
    }
    for (const Entry& e : std::as_const(entries)) {
        const QString shownWhen = e.shownTime();
        QList<FieldChange> changes = e.changes;
        if (changes.isEmpty())
            changes << FieldChange{};
        for (const FieldChange& c : std::as_const(changes))
            m_model->appendRow(
                {item(shownWhen, e.changedAt), item(e.changedBy, e.changedBy),
                 item(e.table, e.table), item(csv::textOf(e.key), csv::textOf(e.key)),
                 item(e.action, e.action), item(c.field, c.field),
                 item(csv::textOf(c.oldValue, csv::Style::Shown), csv::textOf(c.oldValue)),
                 item(csv::textOf(c.newValue, csv::Style::Shown), csv::textOf(c.newValue))});
    }
    m_grid->resizeColumnsToContents();
}

} // namespace quarvel::history
