#pragma once

// What the report tests share: a fixed clock and locale for layouts, the texts an item printed
// across a document's pages, and an action run on a modal window once it is up.

#include "reports/engine/ReportDocument.h"
#include "reports/engine/ReportLayout.h"

#include <QApplication>
#include <QTimer>
#include <functional>

namespace quarvel::reports {

// A fixed clock and locale, so dates, times and formats print the same on every machine.
inline LayoutOptions fixedOptions() {
    LayoutOptions o;
    o.now = QDateTime(QDate(2025, 1, 15), QTime(13, 2, 3));
    o.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return o;
}

// The texts of the items of that designer name, page after page.
inline QStringList textsOf(const ReportDocument& doc, const QString& name) {
    QStringList texts;
    for (const LaidOutPage& page : doc.pages) {
        for (const LaidOutItem* item : page.find(name))
            texts << item->text();
    }
    return texts;
}

// Runs action on the active modal window as soon as it is a T.
template <class T> void whenModal(std::function<void(T*)> action) {
    QTimer::singleShot(0, [action] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget()))
            action(window);
        else
            whenModal<T>(action);
    });
}

} // namespace quarvel::reports
