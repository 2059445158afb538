#pragma once

#include "data/FieldValue.h"

#include <QString>

namespace quarvel {

// One column of a result as the engine describes it.
struct ColumnInfo {
    QString name;   // the name the result gives the column
    QString table;  // table it comes from; empty for a computed column
    QString origin; // its name in that table
    FieldKind kind = FieldKind::Computed;
    int size = 0; // the most characters a text column takes; 0 for other columns
};

} // namespace quarvel
