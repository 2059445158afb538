#pragma once

#include <QCoreApplication>

namespace quarvel::dbtool {

// The texts quarvel-db says to its user (its usage, its errors, what check finds), under one
// translation context: ToolText::tr("...").
struct ToolText {
    Q_DECLARE_TR_FUNCTIONS(quarvel::dbtool)
};

} // namespace quarvel::dbtool
