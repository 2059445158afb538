#pragma once

// Drives a window as a user over a temporary database: shows it active, clicks a button by its
// designer name, types into a box or a grid cell, and answers and records every message box.

#include "BoxRecorder.h"
#include "TempDatabase.h"
#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "data/Recordset.h"
#include "shell/Session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace driver {

// Shows the window and makes it the active one, so that it takes the keyboard.
inline bool show(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

inline void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}
inline void click(const QWidget& window, const char* designerName) {
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(designerName));
    QVERIFY2(button, designerName);
    click(button);
}

// Replaces the text of a one-line box as the user types it.
inline void retype(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

// Types `text` into a cell: the cell made current, F2, the old text cleared, the text and,
// with `commit`, Enter.
inline void typeInCell(quarvel::controls::DataGrid* grid, int row, const char* field,
                       const QString& text, bool commit = true) {
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, grid->columnOf(field)));
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    if (commit) {
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), grid); // the editor commits queued
    }
}

inline QString cellText(const quarvel::controls::DataGrid* grid, int row, const char* field) {
    return grid->model()->index(row, grid->columnOf(field)).data().toString();
}

// The row of `rs` whose `field` holds `id`, or -1: the database returns rows in no set order.
inline int rowOf(const quarvel::Recordset& rs, const char* field, int id) {
    const int column = rs.fieldIndex(field);
    for (int row = 0; row < rs.RecordCount(); ++row)
        if (rs.value(row, column).toInt() == id)
            return row;
    return -1;
}

// "<window>.<procedure> at line <n>" of a box shown by an error trap, or empty.
inline QString trapLocation(const BoxRecorder::Box& box) {
    if (box.title != QLatin1String("Application Error") || box.icon != QMessageBox::Warning)
        return QString();
    return box.text.section(QLatin1String("in Quarvel2021/08/31."), 1).section(u'\n', 0, 0);
}

} // namespace driver

// A window of src/reference over a temporary database filled by `sql`, loaded, shown and active.
template <typename Window> class WindowDriver : public BoxRecorder {
public:
    explicit WindowDriver(const QString& sql = QString()) {
        if (!sql.isEmpty())
            db.exec(sql);
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        if constexpr (std::is_constructible_v<Window, quarvel::shell::Session&>)
            window = std::make_unique<Window>(session);
        else
            window = std::make_unique<Window>();
        window->Form_Load();
        active = driver::show(*window);
    }
    ~WindowDriver() {
        clearAnswers();
        window.reset();
    }

    void click(const char* designerName) const { driver::click(*window, designerName); }
    // The one-line box Text1(index) of a single-record window.
    QLineEdit* line(int index) const { return qobject_cast<QLineEdit*>(window->box(index)); }
    void retype(int index, const QString& text) const { driver::retype(window->box(index), text); }
    QString heading() const { return window->heading()->text() + ' ' + window->idLabel()->text(); }
    QVariant stored(const QString& sql) const { return db.scalar(sql); }
    int count(const char* table) const {
        return db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
    }

    TempDatabase db;
    // The session a window that works with one is handed, as the Products window hands its.
    quarvel::shell::Session session;
    std::unique_ptr<Window> window;
    bool active = false;
};
