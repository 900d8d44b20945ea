// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Where the practice run stands, stored as 1, -1 and 0.
enum class Phase : std::int32_t {
    // No problem is open; the main button draws the next one.
    Closed = 1,
    // A problem is open and has not been judged wrong yet.
    FirstTry = -1,
    // A problem is open and has been judged wrong at least once.
    Retrying = 0,
};
