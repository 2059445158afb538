#pragma once

#include <QCoreApplication>

namespace quarvel::import {

// The import's messages, ready for translation (the checks are functions, not QObjects).
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::Import)
};

} // namespace quarvel::import
