#pragma once

#include "import/ImportCheck.h"
#include "import/ImportFile.h"
#include "shell/FormWindow.h"

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;

namespace quarvel {
class Connection;
}

namespace quarvel::import {

class ImportPreviewModel;

// "Import Data": rows of a CSV file into Products, Suppliers, Categories or Employees.
//  1. The table (cboTable) and the file (txtFile, "Browse..."). The file's encoding, separator,
//     date order and decimal comma are found and shown (cboEncoding, cboSeparator, cboDates,
//     chkDecimalComma); changing one reads the file again that way.
//  2. The file's columns (lstColumns), each with the field it goes to (cboField for the column
//     chosen), matched by header at first.
//  3. The rows (grdPreview), checked at once after every choice: bad cells are marked and say
//     why; every error is listed (lstErrors) with its row, column, value and reason.
//  4. "Import" writes in one transaction, either nothing unless every row is valid (optAll) or
//     the valid rows, the others going to an error file the user names (optValid); then says
//     how many rows were added, updated and refused.
class ImportWindow : public shell::FormWindow {
    Q_OBJECT

public:
    explicit ImportWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~ImportWindow() override;

    void Form_Load() override;

    // Reads the file at `path` as if chosen with "Browse...".
    void loadFile(const QString& path);

    // Asks for a file: the CSV file to read (saving false) or the error file to write; an empty
    // answer cancels. Default: a file dialog.
    using PathChooser =
        std::function<QString(QWidget* parent, const QString& suggested, bool saving)>;
    static void setPathChooser(PathChooser chooser);

    QComboBox* tableBox() const { return m_table; }
    QComboBox* fieldBox() const { return m_field; }
    QComboBox* separatorBox() const { return m_separator; }
    QListWidget* columnList() const { return m_columns; }
    QListWidget* errorList() const { return m_errors; }
    QTableView* preview() const { return m_preview; }
    ImportPreviewModel* previewModel() const { return m_model; }
    QLabel* summary() const { return m_summary; }
    QPushButton* importButton() const { return m_import; }
    QRadioButton* validRowsOption() const { return m_validRows; }

private:
    void browse();
    void readAgain();
    void showFormat();
    void showColumns();
    void columnChosen(int row);
    void fieldChosen(int index);
    void check();
    void importRows();
    const ImportTable& table() const;
    QString columnText(int column) const;

    std::shared_ptr<Connection> m_connection;
    QByteArray m_bytes;
    QString m_path;
    ImportFile m_file;
    QStringList m_mapping;
    std::optional<CheckResult> m_checked;
    bool m_updating = false;

    QComboBox* m_table = nullptr;
    QLineEdit* m_fileBox = nullptr;
    QPushButton* m_browse = nullptr;
    QComboBox* m_encoding = nullptr;
    QComboBox* m_separator = nullptr;
    QComboBox* m_dates = nullptr;
    QCheckBox* m_decimalComma = nullptr;
    QListWidget* m_columns = nullptr;
    QComboBox* m_field = nullptr;
    QTableView* m_preview = nullptr;
    ImportPreviewModel* m_model = nullptr;
    QListWidget* m_errors = nullptr;
    QRadioButton* m_allRows = nullptr;
    QRadioButton* m_validRows = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace quarvel::import
