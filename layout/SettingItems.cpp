// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/SettingItems.h"

#include <algorithm>

DrillSettings SettingsFromItems(std::int32_t range, std::int32_t carryMode, std::int32_t kind)
{
    return {static_cast<Range>(std::clamp(range, 0, RANGE_COUNT - 1)),
            static_cast<CarryMode>(std::clamp(carryMode, 0, CARRY_MODE_COUNT - 1)),
            kind == 1 ? Operation::Subtraction : Operation::Addition};
}

SettingItems ItemsOf(const DrillSettings& settings)
{
    return {static_cast<std::int32_t>(settings.range), static_cast<std::int32_t>(settings.carryMode),
            settings.operation == Operation::Subtraction ? 1 : 0};
}
