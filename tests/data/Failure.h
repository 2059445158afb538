#pragma once

#include "data/DatabaseError.h"

#include <functional>

// The DatabaseError `action` throws; one without message when it throws none.
inline quarvel::DatabaseError failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const quarvel::DatabaseError& e) {
        return e;
    }
    return quarvel::DatabaseError(QString());
}
