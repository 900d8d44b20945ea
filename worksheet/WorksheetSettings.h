// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"

#include <algorithm>
#include <cstdint>
#include <string>

// What a sheet is drawn from: the three settings as the practice window's
// radio item indexes, how many problems, and the seed that makes the sheet
// come out the same again. A sheet for practising one misconception names
// its id and holds only problems that expose it.
struct WorksheetSettings {
    std::int32_t selectedRange = 0;
    std::int32_t selectedCarry = 0;
    std::int32_t selectedKind = 0;
    int problemCount = 12;
    std::uint32_t seed = 0;
    std::string focus{};
};

inline constexpr int MIN_PROBLEM_COUNT = 1;
inline constexpr int MAX_PROBLEM_COUNT = 40;

// The radio items as the drill's settings, an index past the items taken as
// the nearest one, and back.
inline DrillSettings DrillSettingsOf(const WorksheetSettings& settings)
{
    return {static_cast<Range>(std::clamp(settings.selectedRange, 0, RANGE_COUNT - 1)),
            static_cast<CarryMode>(std::clamp(settings.selectedCarry, 0, CARRY_MODE_COUNT - 1)),
            settings.selectedKind == 1 ? Operation::Subtraction : Operation::Addition};
}

inline void SetDrillSettings(WorksheetSettings& settings, const DrillSettings& drill)
{
    settings.selectedRange = static_cast<std::int32_t>(drill.range);
    settings.selectedCarry = static_cast<std::int32_t>(drill.carryMode);
    settings.selectedKind = drill.operation == Operation::Subtraction ? 1 : 0;
}
