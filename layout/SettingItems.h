// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"

#include <cstdint>

// The settings chosen as the radio groups' item indexes: "はんい" 0 to 4,
// "くりあがり" 0 to 2, "しゅるい" 0 たしざん and 1 ひきざん. An index outside
// the items is clamped to the nearest one, and any "しゅるい" but 1 means
// addition.
DrillSettings SettingsFromItems(std::int32_t range, std::int32_t carryMode, std::int32_t kind);

// The item each setting stands at.
struct SettingItems {
    std::int32_t range;
    std::int32_t carryMode;
    std::int32_t kind;
};
SettingItems ItemsOf(const DrillSettings& settings);
