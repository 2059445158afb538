#pragma once

#include <QCoreApplication>

namespace quarvel::controls {

// The texts of the controls' own messages (the error report, the conflict question), ready for
// translation: they are written by functions, not by a QObject with a tr() of its own.
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::Controls)
};

} // namespace quarvel::controls
