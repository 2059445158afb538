#pragma once

#include <QCoreApplication>

namespace quarvel {

// The data layer's user-visible texts, ready for translation: the layer has no QObject to
// give its messages a tr().
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::Data)
};

} // namespace quarvel
