// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What a sheet is drawn from: the three settings as the practice window's
// radio item indexes, how many problems, and the seed that makes the sheet
// come out the same again.
struct WorksheetSettings {
    std::int32_t selectedRange = 0;
    std::int32_t selectedCarry = 0;
    std::int32_t selectedKind = 0;
    int problemCount = 12;
    std::uint32_t seed = 0;
};

inline constexpr int MIN_PROBLEM_COUNT = 1;
inline constexpr int MAX_PROBLEM_COUNT = 40;
