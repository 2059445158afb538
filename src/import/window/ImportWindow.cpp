#include "import/window/ImportWindow.h"

#include "controls/ErrorReport.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "import/ImportWriter.h"
#include "import/window/ImportPreviewModel.h"
#include "platform/MessageBox.h"
#include "shell/FormBuilder.h"
#include "shell/Trap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace quarvel::import {

using namespace shell::form;

namespace {

constexpr int windowWidth = 11520;
constexpr int windowHeight = 8880;
// Errors listed one by one; the count says how many more there are.
constexpr int kErrorsListed = 1000;

ImportWindow::PathChooser& chooser() {
    static ImportWindow::PathChooser instance;
    return instance;
}

QString choosePath(QWidget* parent, const QString& suggested, bool saving) {
    if (chooser())
        return chooser()(parent, suggested, saving);
    const QString filter =
        QCoreApplication::translate("quarvel::ImportWindow", "CSV files (*.csv *.txt)");
    return saving ? QFileDialog::getSaveFileName(parent, QString(), suggested, filter)
                  : QFileDialog::getOpenFileName(parent, QString(), suggested, filter);
}

} // namespace

ImportWindow::ImportWindow(const QString& programFolder, QWidget* parent)
    : FormWindow({QStringLiteral("ImportData"), tr("Import Data"), windowWidth, windowHeight},
                 programFolder, parent) {
    m_table = box<QComboBox>(
        this, QStringLiteral("cboTable"),
        label(this, QStringLiteral("Label1"), tr("Import into:"), 120, 165, 1320, 285), 1440, 120,
        2640, 330);
    for (const ImportTable& t : ImportTable::all())
        m_table->addItem(t.name);
    m_fileBox =
        box<QLineEdit>(this, QStringLiteral("txtFile"),
                       label(this, QStringLiteral("Label2"), tr("File:"), 4320, 165, 600, 285),
                       4920, 120, 5040, 330);
    m_browse = button(this, QStringLiteral("PushButton1"), tr("Browse..."), 10080, 105, 1320, 360);

    m_encoding =
        box<QComboBox>(this, QStringLiteral("cboEncoding"),
                       label(this, QStringLiteral("Label3"), tr("Encoding:"), 120, 645, 1320, 285),
                       1440, 600, 1680, 330);
    m_encoding->addItems({tr("UTF-8"), tr("Latin-1")});
    m_separator = box<QComboBox>(
        this, QStringLiteral("cboSeparator"),
        label(this, QStringLiteral("Label4"), tr("Separator:"), 3240, 645, 1080, 285), 4320, 600,
        1440, 330);
    m_separator->addItems({tr("Comma"), tr("Semicolon"), tr("Tab")});
    m_dates =
        box<QComboBox>(this, QStringLiteral("cboDates"),
                       label(this, QStringLiteral("Label5"), tr("Dates:"), 5880, 645, 720, 285),
                       6600, 600, 2520, 330);
    m_dates->addItems({tr("Year first (2021-12-31)"), tr("Day first (31.12.2021)"),
                       tr("Month first (12/31/2021)")});
    m_decimalComma =
        control<QCheckBox>(this, QStringLiteral("chkDecimalComma"), 9240, 630, 2160, 285);
    m_decimalComma->setText(tr("Decimal comma"));

    m_columns = box<QListWidget>(
        this, QStringLiteral("lstColumns"),
        label(this, QStringLiteral("Label6"), tr("Columns of the file:"), 120, 1080, 3240, 285),
        120, 1380, 3240, 2400);
    m_field = box<QComboBox>(
        this, QStringLiteral("cboField"),
        label(this, QStringLiteral("Label7"), tr("Goes to field:"), 120, 3900, 3240, 285), 120,
        4200, 3240, 330);

    m_model = new ImportPreviewModel(this);
    m_preview = box<QTableView>(
        this, QStringLiteral("grdPreview"),
        label(this, QStringLiteral("Label8"), tr("Rows of the file:"), 3480, 1080, 7920, 285), 3480,
        1380, 7920, 3150);
    m_preview->setModel(m_model);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setTabKeyNavigation(false);
    m_preview->setSelectionMode(QAbstractItemView::SingleSelection);

    m_errors = box<QListWidget>(
        this, QStringLiteral("lstErrors"),
        label(this, QStringLiteral("Label9"), tr("Errors:"), 120, 4680, 11280, 285), 120, 4980,
        11280, 2040);

    m_allRows = control<QRadioButton>(this, QStringLiteral("optAll"), 120, 7140, 11280, 285);
    m_allRows->setText(tr("Import nothing unless every row is valid"));
    m_allRows->setChecked(true);
    m_validRows = control<QRadioButton>(this, QStringLiteral("optValid"), 120, 7440, 11280, 285);
    m_validRows->setText(
        tr("Import the valid rows, and write the others with their errors to a file"));
    m_summary = label(this, QStringLiteral("lblSummary"), QString(), 120, 7800, 8400, 285);
    m_summary->setAccessibleName(tr("Summary"));
    m_import = button(this, QStringLiteral("PushButton2"), tr("Import"), 8640, 8340, 1320, 420);
    m_close = button(this, QStringLiteral("PushButton3"), tr("Close"), 10080, 8340, 1320, 420);
    m_import->setEnabled(false);

    connect(m_browse, &QPushButton::clicked, this, shell::guarded(this, [this] { browse(); }));
    connect(m_fileBox, &QLineEdit::returnPressed, this,
            shell::guarded(this, [this] { loadFile(m_fileBox->text()); }));
    connect(m_table, &QComboBox::currentIndexChanged, this, shell::guarded(this, [this] {
                m_mapping = ImportCheck::autoMapping(table(), m_file.header);
                showColumns();
                check();
            }));
    for (QComboBox* format : {m_encoding, m_separator, m_dates})
        connect(format, &QComboBox::currentIndexChanged, this,
                shell::guarded(this, [this] { readAgain(); }));
    connect(m_decimalComma, &QCheckBox::toggled, this,
            shell::guarded(this, [this] { readAgain(); }));
    connect(m_columns, &QListWidget::currentRowChanged, this,
            shell::guarded(this, [this](int row) { columnChosen(row); }));
    connect(m_field, &QComboBox::currentIndexChanged, this,
            shell::guarded(this, [this](int index) { fieldChosen(index); }));
    connect(m_import, &QPushButton::clicked, this, shell::guarded(this, [this] { importRows(); }));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* order[] = {m_table,  m_fileBox,      m_browse,    m_encoding, m_separator,
                        m_dates,  m_decimalComma, m_columns,   m_field,    m_preview,
                        m_errors, m_allRows,      m_validRows, m_import,   m_close};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

ImportWindow::~ImportWindow() = default;

void ImportWindow::setPathChooser(PathChooser chooser_) {
    chooser() = std::move(chooser_);
}

void ImportWindow::Form_Load() {
    shell::Trap trap(objectName(), QStringLiteral("Form_Load"), 102, this);
    const int line = loadLook(trap, 104);
    trap(line, [&] { m_connection = OpenConnection(); });
    m_table->setFocus(Qt::OtherFocusReason);
}

const ImportTable& ImportWindow::table() const {
    static const QList<ImportTable> tables = ImportTable::all();
    return tables[std::max(0, m_table->currentIndex())];
}

void ImportWindow::browse() {
    const QString path = choosePath(this, m_fileBox->text(), false);
    if (!path.isEmpty())
        loadFile(path);
}

void ImportWindow::loadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        controls::reportFailure(this, tr("Cannot read %1: %2").arg(path, file.errorString()));
        return;
    }
    m_path = path;
    m_fileBox->setText(path);
    m_bytes = file.readAll();
    m_file = ImportFile{m_bytes, ImportFile::detect(m_bytes), {}, {}};
    showFormat();
    readAgain();
}

void ImportWindow::showFormat() {
    const QSignalBlocker a(m_encoding), b(m_separator), c(m_dates), d(m_decimalComma);
    const FileFormat& format = m_file.format;
    m_encoding->setCurrentIndex(format.dialect.encoding == csv::Dialect::Encoding::Utf8 ? 0 : 1);
    m_separator->setCurrentIndex(format.dialect.separator == ';'    ? 1
                                 : format.dialect.separator == '\t' ? 2
                                                                    : 0);
    m_dates->setCurrentIndex(int(format.dates));
    m_decimalComma->setChecked(format.decimalComma);
}

void ImportWindow::readAgain() {
    if (m_path.isEmpty())
        return;
    FileFormat format;
    format.dialect.encoding = m_encoding->currentIndex() == 1 ? csv::Dialect::Encoding::Latin1
                                                              : csv::Dialect::Encoding::Utf8;
    format.dialect.separator = ",;\t"[std::max(0, m_separator->currentIndex())];
    format.dates = DateOrder(std::max(0, m_dates->currentIndex()));
    format.decimalComma = m_decimalComma->isChecked();
    const QStringList before = m_file.header;
    try {
        m_file = ImportFile::read(m_bytes, format);
    } catch (const csv::ReadError& e) {
        m_file = ImportFile{m_bytes, format, {}, {}};
        m_checked.reset();
        m_model->clear();
        m_columns->clear();
        m_errors->clear();
        m_import->setEnabled(false);
        m_summary->setText(tr("The file cannot be read: line %1: %2.").arg(e.line).arg(e.message));
        return;
    }
    if (m_file.header != before || m_mapping.size() != m_file.header.size())
        m_mapping = ImportCheck::autoMapping(table(), m_file.header);
    showColumns();
    check();
}

QString ImportWindow::columnText(int column) const {
    const QString field = m_mapping.value(column);
    return field.isEmpty() ? tr("%1 (not imported)").arg(m_file.header.value(column))
                           : tr("%1 -> %2").arg(m_file.header.value(column), field);
}

void ImportWindow::showColumns() {
    const QSignalBlocker blocker(m_columns);
    const int current = std::max(0, m_columns->currentRow());
    m_columns->clear();
    for (int column = 0; column < m_file.header.size(); ++column)
        m_columns->addItem(columnText(column));
    {
        const QSignalBlocker fieldBlocker(m_field);
        m_field->clear();
        m_field->addItem(tr("(not imported)"));
        for (const ImportField& field : table().fields)
            m_field->addItem(field.name);
    }
    if (m_columns->count() > 0)
        m_columns->setCurrentRow(std::min(current, m_columns->count() - 1));
    columnChosen(m_columns->currentRow());
}

void ImportWindow::columnChosen(int row) {
    const QSignalBlocker blocker(m_field);
    m_field->setEnabled(row >= 0);
    const int index = m_field->findText(m_mapping.value(row));
    m_field->setCurrentIndex(row >= 0 && index > 0 ? index : 0);
}

void ImportWindow::fieldChosen(int index) {
    const int column = m_columns->currentRow();
    if (column < 0 || column >= m_mapping.size())
        return;
    m_mapping[column] = index > 0 ? m_field->itemText(index) : QString();
    m_columns->item(column)->setText(columnText(column));
    check();
}

void ImportWindow::check() {
    m_checked.reset();
    m_errors->clear();
    m_import->setEnabled(false);
    if (m_path.isEmpty())
        return;
    try {
        if (!m_connection)
            m_connection = OpenConnection();
        m_checked = ImportCheck::check(*m_connection, table(), m_file, m_mapping);
    } catch (const ImportError& e) {
        m_model->show(m_file, CheckResult{});
        m_summary->setText(e.message());
        return;
    }
    m_model->show(m_file, *m_checked);
    const QList<CellProblem>& problems = m_checked->problems;
    for (int i = 0; i < problems.size() && i < kErrorsListed; ++i)
        m_errors->addItem(problems[i].text());
    if (problems.size() > kErrorsListed)
        m_errors->addItem(tr("... and %1 more.").arg(problems.size() - kErrorsListed));
    int added = 0, updated = 0;
    for (const CheckedRow& row : m_checked->rows)
        if (row.valid)
            (row.exists ? updated : added) += 1;
    m_summary->setText(tr("%1 rows: %2 to add, %3 to update, %4 with errors.")
                           .arg(m_checked->rows.size())
                           .arg(added)
                           .arg(updated)
                           .arg(m_checked->badRows()));
    m_import->setEnabled(!m_checked->rows.isEmpty());
}

void ImportWindow::importRows() {
    if (!m_checked)
        return;
    const bool validRows = m_validRows->isChecked();
    QString errorFile;
    if (validRows && m_checked->badRows() > 0) {
        const QFileInfo file(m_path);
        errorFile = choosePath(this,
                               file.absoluteDir().filePath(file.completeBaseName() + tr("-errors") +
                                                           QStringLiteral(".csv")),
                               true);
        if (errorFile.isEmpty())
            return;
    }
    const ImportOutcome outcome = ImportWriter::write(
        m_connection, *m_checked, m_file,
        validRows ? ImportMode::ValidRows : ImportMode::AllOrNothing, errorFile);
    platform::msgBox(this, outcome.summary(),
                     outcome.added + outcome.updated > 0 ? platform::msgstyle::okOnly
                                                         : platform::msgstyle::exclamation);
    // What is stored now: the rows just added are updates from here on.
    check();
}

} // namespace quarvel::import
