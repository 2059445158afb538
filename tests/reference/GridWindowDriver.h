#pragma once

// Drives a grid window of src/reference as a user: shows it, types into its grid's cells and
// reads what it shows.
//
// Include it before anything that includes QTest: mouse events then go to the window of the
// widget named, as the window system sends them, not to whichever window lies under a cursor
// moved there (the Products window beneath).
#ifndef QTEST_QPA_MOUSE_HANDLING
#define QTEST_QPA_MOUSE_HANDLING
#endif

#include "controls/DataControl.h"
#include "controls/DataGrid.h"
#include "reference/LookupGridWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace grid_window {

using quarvel::reference::LookupGridWindow;

// Shows the window and makes it the active one, so that it takes the keyboard.
inline bool show(LookupGridWindow& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Runs action on the modal window of type W as soon as it is shown and active.
template <typename W> void whenShown(std::function<void(W*)> action) {
    QTimer::singleShot(0, [action] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window)
            return whenShown<W>(action);
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        action(window);
    });
}

// Types `text` into a cell: the cell made current, F2, the text and, with `commit`, Enter.
inline void typeInCell(LookupGridWindow& window, int row, const char* field, const QString& text,
                       bool commit = true) {
    quarvel::controls::DataGrid* grid = window.grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, grid->columnOf(field)));
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    if (commit) {
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), grid);
    }
}

inline QString cellText(const LookupGridWindow& window, int row, const char* field) {
    return window.grid()->model()->index(row, window.grid()->columnOf(field)).data().toString();
}

// The visible columns' captions, left to right.
inline QStringList captions(const LookupGridWindow& window) {
    QStringList result;
    const auto* model = window.grid()->model();
    for (int column = 0; column < model->columnCount(); ++column)
        if (!window.grid()->isColumnHidden(column))
            result << model->headerData(column, Qt::Horizontal).toString();
    return result;
}

} // namespace grid_window
