#pragma once

// A single-record editor window over a temporary database, shown and active, with every
// message box it shows recorded and answered from a queue.

#include "BoxRecorder.h"
#include "TempDatabase.h"
#include "controls/DataControl.h"
#include "reference/SingleRecordWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

template <typename Window> class SingleRecordFixture : public BoxRecorder {
public:
    // `sql` fills the database before the window loads.
    explicit SingleRecordFixture(const QString& sql = QString()) {
        if (!sql.isEmpty())
            db.exec(sql);
        qputenv("QUARVEL_DATABASE", db.path().toUtf8());
        window = std::make_unique<Window>();
        window->Form_Load();
        window->show();
        QApplication::setActiveWindow(window.get());
        active = QTest::qWaitForWindowActive(window.get());
    }
    ~SingleRecordFixture() {
        clearAnswers();
        window.reset();
    }

    void click(int number) const { QTest::mouseClick(window->button(number), Qt::LeftButton); }
    void next() const { QTest::mouseClick(window->dc()->nextButton(), Qt::LeftButton); }
    void previous() const { QTest::mouseClick(window->dc()->previousButton(), Qt::LeftButton); }
    QLineEdit* line(int index) const { return qobject_cast<QLineEdit*>(window->box(index)); }
    // Replaces the text of the one-line box Text1(index) as the user types it.
    void retype(int index, const QString& text) const {
        QLineEdit* box = line(index);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QString heading() const { return window->heading()->text(); }
    QString id() const { return window->idLabel()->text(); }
    int count(const char* table) const {
        return db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
    }

    TempDatabase db;
    std::unique_ptr<Window> window;
    bool active = false;
};

// The text of a box shown by an error trap: "<window>.<procedure> at line <n>", or empty.
inline QString trapLocation(const BoxRecorder::Box& box) {
    if (box.title != QLatin1String("Application Error") || box.icon != QMessageBox::Warning)
        return QString();
    const qsizetype start = box.text.indexOf(QLatin1String("in Quarvel2021/08/31."));
    if (start < 0)
        return QString();
    return box.text.mid(start + 21).section(u'\n', 0, 0);
}
