// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Operation.h"

// How large the numbers may grow: the sum in addition, the upper number in
// subtraction ("はんい").
enum class Range { UpTo10, UpTo20, UpTo100, UpTo1000, UpTo9999 };

// Whether a problem carries or borrows ("くりあがり"): never, always, or
// either way.
enum class CarryMode { Never, Always, Either };

// The three settings a child chooses before drawing problems.
struct DrillSettings {
    ::Range range = Range::UpTo10;
    ::CarryMode carryMode = CarryMode::Never;
    ::Operation operation = Operation::Addition;

    friend bool operator==(const DrillSettings&, const DrillSettings&) = default;
};

inline constexpr int RANGE_COUNT = 5;
inline constexpr int CARRY_MODE_COUNT = 3;
