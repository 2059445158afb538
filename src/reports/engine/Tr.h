#pragma once

#include <QCoreApplication>

namespace quarvel::reports {

// The report runtime's user-visible texts, ready for translation: the runtime has no QObject
// to give its messages a tr().
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(quarvel::ReportEngine)
};

} // namespace quarvel::reports
