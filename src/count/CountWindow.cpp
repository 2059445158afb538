#include "count/CountWindow.h"

#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "controls/SaveConflict.h"
#include "controls/ValueFormat.h"
#include "count/CountSheet.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "reports/Printers.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/ReopenRecordset.h"
#include "shell/Trap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace quarvel::count {

using namespace shell::form;

namespace {

// The differences a posting question lists one by one; the others are counted.
constexpr int listedDifferences = 12;

} // namespace

CountWindow::CountWindow(const QString& programFolder, QWidget* parent)
    : FormWindow({QStringLiteral("CountStock"), tr("Count Stock"), 10920, 7920}, programFolder,
                 parent) {
    QLabel* caption = label(this, QStringLiteral("Label1"), tr("Category:"), 120, 165, 1080, 285);
    m_category = box<QComboBox>(this, QStringLiteral("cboCategory"), caption, 1200, 120, 3480, 330);
    m_blind = control<QCheckBox>(this, QStringLiteral("chkBlind"), 4920, 120, 3600, 330);
    m_blind->setText(tr("Blind count (expected units hidden)"));
    m_start = button(this, QStringLiteral("PushButton1"), tr("Start Count"), 8640, 90, 2160, 390);
    m_status = label(this, QStringLiteral("Label2"), QString(), 120, 600, 10680, 525);
    m_status->setWordWrap(true);

    m_grid = control<controls::DataGrid>(this, QStringLiteral("grdCount"), 120, 1200, 10680, 5520);
    m_grid->setAccessibleName(tr("Products Counted"));
    m_grid->setAllowAddNew(false);
    m_bar = control<controls::DataControl>(this, QStringLiteral("dcCount"), 120, 6780, 10680, 360);
    m_bar->setCaption(tr("Products Counted"));
    m_grid->setDataControl(m_bar);

    m_print =
        button(this, QStringLiteral("PushButton2"), tr("Print Count Sheet"), 120, 7320, 2400, 420);
    m_post = button(this, QStringLiteral("PushButton3"), tr("Post Count"), 2640, 7320, 2400, 420);
    m_discard =
        button(this, QStringLiteral("PushButton4"), tr("Discard Count"), 5160, 7320, 2400, 420);
    m_close = button(this, QStringLiteral("PushButton5"), tr("Close"), 8400, 7320, 2400, 420);

    connect(m_start, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton1_Click(); }));
    connect(m_print, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton2_Click(); }));
    connect(m_post, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton3_Click(); }));
    connect(m_discard, &QPushButton::clicked, this,
            shell::guarded(this, [this] { PushButton4_Click(); }));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    // During a count the category shows its products only; the blind box hides the expected
    // units.
    connect(m_category, &QComboBox::activated, this, shell::guarded(this, [this] {
                if (m_count && settleGrid())
                    readLines();
            }));
    connect(m_blind, &QCheckBox::toggled, this, shell::guarded(this, [this](bool hidden) {
                m_grid->setColumnHidden(QStringLiteral("Expected"), hidden);
            }));
}

CountWindow::~CountWindow() {
    m_grid->setDataControl(nullptr);
    m_bar->setRecordset(nullptr);
}

void CountWindow::Form_Load() {
    shell::Trap trap(objectName(), QStringLiteral("Form_Load"), 102, this);
    int line = loadLook(trap, 104);
    trap(line, [&] {
        m_connection = OpenConnection();
        m_available = StockCount::available(m_connection);
    });
    trap(line + 2, [&] {
        m_category->addItem(tr("All Categories"), QVariant());
        Recordset categories;
        categories.Open(QStringLiteral("SELECT CategoryID, CategoryName FROM Categories ORDER BY "
                                       "CategoryName"),
                        m_connection);
        for (int row = 0; row < categories.RecordCount(); ++row)
            m_category->addItem(categories.value(row, 1).toString(), categories.value(row, 0));
    });
    if (m_available)
        trap(line + 4, [&] { readCount(); });
    showState();
}

void CountWindow::readCount() {
    m_count = StockCount::current(m_connection);
    if (m_count) {
        const int at = m_count->categoryId.isNull()
                           ? 0
                           : m_category->findData(m_count->categoryId.toLongLong());
        m_category->setCurrentIndex(std::max(at, 0));
        m_blind->setChecked(m_count->blind);
    }
    readLines();
}

void CountWindow::readLines() {
    if (!m_count) {
        m_grid->setDataControl(nullptr);
        m_bar->setRecordset(nullptr);
        m_lines.reset();
        m_grid->setDataControl(m_bar);
        showState();
        return;
    }
    shell::reopenRecordset(m_lines, StockCount::linesSource(m_count->id, m_category->currentData()),
                           [this] { m_bar->setRecordset(m_lines.get()); });
    for (const char* hidden : {"StockCountLineID", "ProductID"})
        m_grid->setColumnHidden(QLatin1String(hidden), true);
    m_grid->setColumnHidden(QStringLiteral("Expected"), m_blind->isChecked());
    for (const char* locked : {"ProductName", "CategoryName", "Expected"})
        m_grid->setColumnLocked(QLatin1String(locked), true);
    m_grid->setColumnCaption(QStringLiteral("ProductName"), tr("Product"));
    m_grid->setColumnCaption(QStringLiteral("CategoryName"), tr("Category"));
    m_grid->setColumnCaption(QStringLiteral("Expected"), tr("Expected"));
    m_grid->setColumnCaption(QStringLiteral("Counted"), tr("Counted"));
    m_grid->setColumnWidthTwips(QStringLiteral("ProductName"), 4200);
    m_grid->setColumnWidthTwips(QStringLiteral("CategoryName"), 2880);
    m_grid->setColumnWidthTwips(QStringLiteral("Expected"), 1440);
    m_grid->setColumnWidthTwips(QStringLiteral("Counted"), 1440);
    m_grid->setCurrentColumn(m_grid->columnOf(QStringLiteral("Counted")));
    showState();
}

bool CountWindow::settleGrid() {
    if (!m_grid->finishEdit())
        return false;
    return !m_lines || controls::settleBeforeLeaving(this, *m_lines);
}

void CountWindow::showState() {
    const bool counting = m_available && m_count.has_value();
    m_start->setEnabled(m_available && !counting);
    m_blind->setEnabled(m_available);
    m_category->setEnabled(m_available);
    for (QPushButton* b : {m_print, m_post, m_discard})
        b->setEnabled(counting);
    m_grid->setEnabled(counting);
    if (!m_available) {
        m_status->setText(tr("Stock counts need schema version 2 of the database: quarvel-db "
                             "upgrade adds it."));
    } else if (!counting) {
        m_status->setText(tr("No count in progress. Choose the category to count (or all) and "
                             "start the count: the expected units are frozen then."));
    } else {
        m_status->setText(tr("Count begun on %1. Type the units counted; products left empty "
                             "are not changed when the count is posted.")
                              .arg(controls::ValueFormat::displayText(m_count->startedOn)));
    }
}

void CountWindow::PushButton1_Click() {
    shell::Trap trap(objectName(), QStringLiteral("PushButton1_Click"), 100, this);
    if (!trap(102, [&] {
            m_count = StockCount::start(m_connection, m_category->currentData(),
                                        m_blind->isChecked(), today());
        }))
        return;
    trap(104, [&] { readLines(); });
    trap(106, [&] { m_grid->setFocus(Qt::OtherFocusReason); });
}

void CountWindow::PushButton2_Click() {
    shell::Trap trap(objectName(), QStringLiteral("PushButton2_Click"), 100, this);
    bool settled = false;
    trap(102, [&] { settled = settleGrid(); });
    if (!settled || !m_lines)
        return;
    trap(104, [&] {
        reports::showReport(countSheet(m_blind->isChecked()),
                            countSheetData(*m_lines, m_category->currentText()), this);
    });
}

void CountWindow::PushButton3_Click() {
    shell::Trap trap(objectName(), QStringLiteral("PushButton3_Click"), 100, this);
    bool settled = false;
    trap(102, [&] { settled = settleGrid(); });
    if (!settled || !m_count)
        return;
    std::vector<StockCount::Difference> differences;
    if (!trap(104, [&] { differences = StockCount::differences(m_connection, m_count->id); }))
        return;
    if (differences.empty()) {
        trap(106, [&] {
            platform::msgBox(this,
                             tr("No product counted so far differs from its expected units: "
                                "there is nothing to post."),
                             platform::msgstyle::okOnly, tr("Count Stock"));
        });
        return;
    }
    double units = 0;
    double value = 0;
    QStringList lines;
    for (const StockCount::Difference& d : differences) {
        units += d.units();
        if (!d.unitPrice.isNull())
            value += d.units() * d.unitPrice.toDouble();
        if (lines.size() < listedDifferences) {
            // The value at the last unit price, when the product has one.
            const QString worth =
                d.unitPrice.isNull()
                    ? tr("no unit price")
                    : QLocale().toString(d.units() * d.unitPrice.toDouble(), 'f', 2);
            lines << tr("%1: counted %2, expected %3 (%4 units, %5)")
                         .arg(d.productName, controls::ValueFormat::displayText(d.counted),
                              controls::ValueFormat::displayText(d.expected),
                              controls::ValueFormat::displayText(d.units()), worth);
        }
    }
    if (differences.size() > std::size_t(listedDifferences))
        lines << tr("and %1 more.").arg(differences.size() - std::size_t(listedDifferences));
    QMessageBox::StandardButton answer = QMessageBox::No;
    trap(106, [&] {
        answer = platform::msgBox(
            this,
            tr("Post the count? Products whose count differs: %1, by %2 units in all, worth %3 "
               "at their last unit prices.")
                    .arg(differences.size())
                    .arg(controls::ValueFormat::displayText(units))
                    .arg(QLocale().toString(value, 'f', 2)) +
                QStringLiteral("\r\n\r\n") + lines.join(QStringLiteral("\r\n")),
            platform::msgstyle::yesNoDefaultNo, tr("Count Stock"));
    });
    if (answer != QMessageBox::Yes)
        return;
    int written = 0;
    if (!trap(108, [&] { written = StockCount::post(m_connection, m_count->id, today()); }))
        return;
    m_count.reset();
    trap(110, [&] { readLines(); });
    trap(112, [&] {
        platform::msgBox(
            this, tr("The count is posted: %1 stock count transactions written.").arg(written),
            platform::msgstyle::okOnly, tr("Count Stock"));
    });
}

void CountWindow::PushButton4_Click() {
    shell::Trap trap(objectName(), QStringLiteral("PushButton4_Click"), 100, this);
    if (!m_count)
        return;
    QMessageBox::StandardButton answer = QMessageBox::No;
    trap(102, [&] {
        answer = platform::msgBox(this, tr("Discard the count? The units counted so far are lost."),
                                  platform::msgstyle::yesNoDefaultNo, tr("Question"));
    });
    if (answer != QMessageBox::Yes)
        return;
    if (trap(104, [&] { discardCount(); }))
        trap(106, [&] { readLines(); });
}

bool CountWindow::queryUnload() {
    if (!m_count)
        return true;
    platform::MessageBoxSpec spec;
    spec.title = tr("Question");
    spec.text = tr("Keep the count to go on with it later, or discard it?");
    spec.icon = QMessageBox::Question;
    spec.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    spec.defaultButton = QMessageBox::Yes;
    spec.captions = {{QMessageBox::Yes, tr("&Keep Count")},
                     {QMessageBox::No, tr("&Discard Count")}};
    const QMessageBox::StandardButton answer = platform::showMessageBox(this, spec);
    if (answer == QMessageBox::Yes) {
        // What is typed is kept with the count.
        bool settled = false;
        shell::catchAndReport(this, [&] { settled = settleGrid(); });
        return settled;
    }
    if (answer != QMessageBox::No)
        return false;
    return shell::catchAndReport(this, [&] { discardCount(); });
}

void CountWindow::discardCount() {
    // What is typed goes with the count.
    if (m_lines && m_lines->EditMode() != Recordset::adEditNone)
        m_lines->CancelUpdate();
    StockCount::discard(m_connection, m_count->id);
    m_count.reset();
}

} // namespace quarvel::count
