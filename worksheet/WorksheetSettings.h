// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"

#include <cstdint>
#include <string>

// What a sheet is drawn from: the three settings of the practice window, how
// many problems, and the seed that makes the sheet come out the same again.
// A sheet for practising one misconception names its id and holds only
// problems that expose it.
struct WorksheetSettings {
    DrillSettings drill;
    int problemCount = 12;
    std::uint32_t seed = 0;
    std::string focus{};
};

inline constexpr int MIN_PROBLEM_COUNT = 1;
inline constexpr int MAX_PROBLEM_COUNT = 40;
