#pragma once

// A Products window over a temporary database, with every message box it shows recorded and
// answered from a queue, for the tests of the window's start-up, editor and transactions.

#include "../reference/WindowDriver.h"
#include "app/ProductsWindow.h"
#include "controls/BoundTextBox.h"
#include "controls/DataCombo.h"
#include "products/ProductEditor.h"
#include "products/ProductTransactions.h"
#include "shell/Globals.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

using ShownBox = BoxRecorder::Box;

// The lines each box reports as a trapped failure of the Products window's `procedure`, in its
// whole form (warning box, location, request for a screenshot); -1 for any other box.
inline QList<int> reportedLines(const QList<ShownBox>& boxes, const QString& procedure) {
    QList<int> lines;
    const QRegularExpression location(
        QStringLiteral("\nin Quarvel2021/08/31\\.Form1\\.%1 at line (\\d+)\n\nPlease email "
                       "screenshot of this message to support@quarvel\\.example$")
            .arg(procedure));
    for (const ShownBox& box : boxes) {
        const auto match = location.match(box.text);
        const bool report = box.title == QLatin1String("Application Error") &&
                            box.icon == QMessageBox::Warning && box.buttons == QMessageBox::Ok;
        lines << (report && match.hasMatch() ? match.captured(1).toInt() : -1);
    }
    return lines;
}

class ProductsFixture : public BoxRecorder {
public:
    // databasePath empty: a fresh temporary database, filled when `sample` is true.
    // prepareFolder may put files beside the program (the window's program folder) first.
    explicit ProductsFixture(bool sample = true, const QString& databasePath = QString(),
                             const std::function<void(const QString&)>& prepareFolder = {}) {
        if (prepareFolder)
            prepareFolder(m_programFolder.path());
        // Three products: Hammer (two transactions: on hand 5, on order 2), Saw (one: on hand 0,
        // on order 4) and Brush (none); two categories.
        if (sample)
            m_db.exec(
                "INSERT INTO Categories (CategoryName) VALUES ('Tools'), ('Paint');"
                "INSERT INTO Products (ProductName, CategoryID, ReorderLevel, LeadTime) VALUES "
                "('Hammer', 1, 5, '2 days'), ('Saw', 1, 3, '1 week'), ('Brush', 2, 10, NULL);"
                "INSERT INTO [Inventory Transactions] (ProductID, TransactionDate,"
                " TransactionDescription, UnitsOrdered, UnitsReceived, UnitsSold) VALUES"
                " (1, '2021-03-04', 'First delivery', 10, 8, 2),"
                " (1, '2021-04-01', NULL, NULL, NULL, 1),"
                " (2, '2021-05-05', 'Order', 4, NULL, NULL);");
        qputenv("QUARVEL_DATABASE", (databasePath.isEmpty() ? m_db.path() : databasePath).toUtf8());
        // Dates show in the locale's short form: the tests choose the locale.
        QLocale::setDefault(QLocale::c());
        quarvel::setTodayForTesting(QDate(2022, 2, 3));
        window = std::make_unique<quarvel::ProductsWindow>(m_programFolder.path());
        window->Form_Load();
        active = driver::show(*window);
    }

    ~ProductsFixture() {
        clearAnswers();
        window.reset();
        quarvel::setTodayForTesting(QDate());
        QLocale::setDefault(QLocale::c());
    }

    const TempDatabase& db() const { return m_db; }
    quarvel::shell::Session& session() const { return window->session(); }

    quarvel::ProductEditor* editor() const { return window->editor(); }
    quarvel::ProductTransactions* transactions() const { return window->transactions(); }
    quarvel::controls::DataGrid* grid() const { return transactions()->grid(); }
    QString title() const { return editor()->titleLabel()->text(); }
    QString idLabel() const { return editor()->idLabel()->text(); }
    QString unitsOnHand() const { return editor()->box(3)->text(); }
    QString unitsOnOrder() const { return editor()->box(7)->text(); }
    template <typename T = QWidget> T* child(const QString& name) const {
        return window->findChild<T*>(name);
    }
    void click(const char* buttonName) const { driver::click(*window, buttonName); }
    void next() const { QTest::mouseClick(editor()->dc()->nextButton(), Qt::LeftButton); }
    void previous() const { QTest::mouseClick(editor()->dc()->previousButton(), Qt::LeftButton); }
    // Replaces the text of the editor's box `index` as the user types it.
    quarvel::controls::BoundTextBox* retype(int index, const QString& text) const {
        auto* box = editor()->box(index);
        box->selectAll();
        QTest::keyClicks(box, text);
        return box;
    }
    // Box `index` is a Yes/No question showing `text`, `defaultButton` its default.
    void checkQuestion(int index, const QString& text,
                       QMessageBox::StandardButton defaultButton) const {
        QVERIFY(index < boxes.size());
        QCOMPARE(boxes[index].title, QStringLiteral("Question"));
        QCOMPARE(boxes[index].text, text);
        QCOMPARE(boxes[index].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(boxes[index].defaultButton, defaultButton);
    }
    // A stored field of product 1 or of transaction 1, and the row count of a table (which may
    // carry a WHERE clause).
    QVariant product1(const char* field) const {
        return m_db.scalar(
            QStringLiteral("SELECT %1 FROM Products WHERE ProductID = 1").arg(field));
    }
    QVariant transaction1(const char* field) const {
        return m_db.scalar(
            QStringLiteral("SELECT %1 FROM [Inventory Transactions] WHERE TransactionID = 1")
                .arg(field));
    }
    int count(const char* table) const {
        return m_db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
    }
    void typeInCell(int row, const char* field, const QString& text, bool commit = true) const {
        driver::typeInCell(grid(), row, field, text, commit);
    }
    QModelIndex cell(int row, const char* field) const {
        return grid()->model()->index(row, grid()->columnOf(field));
    }
    int rowOfTransaction(int transactionId) const {
        return driver::rowOf(*session().rsTransactions, "TransactionID", transactionId);
    }
    // Visible column captions of the grid, left to right.
    QStringList captions() const {
        QStringList result;
        for (int c = 0; c < grid()->model()->columnCount(); ++c)
            if (!grid()->isColumnHidden(c))
                result << grid()->model()->headerData(c, Qt::Horizontal).toString();
        return result;
    }

    std::unique_ptr<quarvel::ProductsWindow> window;
    bool active = false;

private:
    QTemporaryDir m_programFolder;
    TempDatabase m_db; // unused when the window opens another database
};
