#pragma once

#include "data/DatabaseError.h"

#include <functional>

// The DatabaseError `action` throws, or its message; one without message when it throws none.
inline quarvel::DatabaseError failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const quarvel::DatabaseError& e) {
        return e;
    }
    return quarvel::DatabaseError(QString());
}

inline QString errorOf(const std::function<void()>& action) {
    return failureOf(action).message();
}
