// "Import Data" driven as a user drives it on a database of the engine under test: a file
// chosen, its format found, columns sent to fields, bad cells marked before anything is
// written, and the Products window showing what came in.
#include "../products/ProductsFixture.h"
#include "app/TaskMenu.h"
#include "data/Recordset.h"
#include "import/window/ImportPreviewModel.h"
#include "import/window/ImportWindow.h"
#include "shell/WindowTable.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

using quarvel::import::ImportWindow;

namespace {

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

} // namespace

class TestImportWindow : public QObject {
    Q_OBJECT

private slots:
    void aFileIsCheckedBeforeAnythingIsWrittenThenImported() {
        ProductsFixture f; // Hammer, Saw, Brush; categories Tools and Paint
        QTemporaryDir dir;
        const QString file = write(dir, "list.csv",
                                   "Name;Kategorie;Reorder Level\n"
                                   "Chisel;tools;1,5\n"
                                   "Roller;Garden;x\n");
        QStringList asked;
        ImportWindow::setPathChooser([&](QWidget*, const QString& suggested, bool saving) {
            asked << suggested;
            return saving ? dir.filePath("errors.csv") : file;
        });
        ImportWindow window;
        window.Form_Load();
        QVERIFY(driver::show(window));
        QCOMPARE(window.tableBox()->currentText(), QString("Products"));
        driver::click(window, "PushButton1"); // Browse...

        // Semicolons found; "Name" matched by its caption, "Kategorie" matched by nothing.
        QCOMPARE(window.separatorBox()->currentText(), QString("Semicolon"));
        QCOMPARE(window.columnList()->item(0)->text(), QString("Name -> ProductName"));
        QCOMPARE(window.columnList()->item(1)->text(), QString("Kategorie (not imported)"));
        // The user sends the column to the category, with the keyboard.
        window.columnList()->setFocus();
        window.columnList()->setCurrentRow(1);
        QCOMPARE(window.fieldBox()->currentText(), QString("(not imported)"));
        window.fieldBox()->setFocus();
        window.fieldBox()->setCurrentIndex(window.fieldBox()->findText("CategoryID"));
        QCOMPARE(window.columnList()->item(1)->text(), QString("Kategorie -> CategoryID"));

        // Row 3 is marked where it is wrong and listed; nothing is written yet.
        const auto* model = window.previewModel();
        QCOMPARE(model->rowCount(), 2);
        QVERIFY(model->data(model->index(1, 1), Qt::BackgroundRole).isValid());
        QVERIFY(model->data(model->index(1, 1), Qt::ToolTipRole)
                    .toString()
                    .contains("Categories has no row of that name"));
        QVERIFY(!model->data(model->index(0, 1), Qt::BackgroundRole).isValid());
        QCOMPARE(window.errorList()->count(), 2);
        QVERIFY(window.errorList()->item(1)->text().startsWith("Row 3, Reorder Level 'x'"));
        QCOMPARE(window.summary()->text(),
                 QString("2 rows: 1 to add, 0 to update, 1 with errors."));
        QCOMPARE(f.db().scalar("SELECT count(*) FROM Products").toInt(), 3);

        // All or nothing: nothing, and it says why.
        driver::click(window, "PushButton2");
        QVERIFY2(f.texts().last().startsWith("Nothing was imported: 1 row(s) have errors"),
                 qPrintable(f.texts().last()));
        QCOMPARE(f.db().scalar("SELECT count(*) FROM Products").toInt(), 3);

        // The valid rows, the other one to the error file the user names.
        window.validRowsOption()->setFocus();
        QTest::keyClick(window.validRowsOption(), Qt::Key_Space);
        QVERIFY(window.validRowsOption()->isChecked());
        driver::click(window, "PushButton2");
        QVERIFY2(f.texts().last().startsWith("Products: 1 added, 0 updated, 1 refused."),
                 qPrintable(f.texts().last()));
        QVERIFY(asked.last().endsWith("list-errors.csv"));
        QVERIFY(QFile::exists(dir.filePath("errors.csv")));
        QCOMPARE(f.db()
                     .scalar("SELECT CategoryID || '/' || ReorderLevel FROM Products WHERE "
                             "ProductName = 'Chisel'")
                     .toString(),
                 QString("1/1.5"));
        // Checked again against what is stored: the row just added would now be added twice.
        QCOMPARE(window.summary()->text(),
                 QString("2 rows: 1 to add, 0 to update, 1 with errors."));
        ImportWindow::setPathChooser({});
    }

    void theProductsWindowShowsWhatCameInAndKeepsItsProduct() {
        ProductsFixture f;
        f.click("dc.Next"); // Saw
        const QString shown = f.idLabel();
        quarvel::shell::WindowTable::registerWindow(quarvel::shell::WindowId::ImportData,
                                                    [&](QWidget*) {
                                                        f.db().exec("INSERT INTO Products "
                                                                    "(ProductName) VALUES "
                                                                    "('Chisel')");
                                                    });
        QTest::mouseClick(f.window->taskMenu()->entry(quarvel::TaskMenu::ImportEntry),
                          Qt::LeftButton);
        QCOMPARE(f.idLabel(), shown);
        QCOMPARE(f.session().rsProducts->RecordCount(), 4);
        quarvel::shell::WindowTable::clear();
    }
};

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
