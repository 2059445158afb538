#pragma once

#include "Timing.h"

#include <QApplication>
#include <QSize>
#include <QWidget>
#include <memory>

// The best of five openings of a window made by `make` (a std::unique_ptr to it), timed until
// it is loaded and shown; closing it afterwards is not timed.
template <typename Make> double openingMs(Make&& make) {
    decltype(make()) opened;
    return bestMs(
        5,
        [&] {
            opened = make();
            opened->Form_Load();
            opened->show();
            QApplication::processEvents();
        },
        [&] { opened.reset(); });
}

// The same for an empty window of the given size: what showing any window costs.
inline double emptyWindowMs(const QSize& size) {
    std::unique_ptr<QWidget> empty;
    return bestMs(
        5,
        [&] {
            empty = std::make_unique<QWidget>();
            empty->setFixedSize(size);
            empty->show();
            QApplication::processEvents();
        },
        [&] { empty.reset(); });
}
