// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"

#include <cstdint>
#include <span>

// One rule of the problem generator: both numbers are drawn uniformly from
// their intervals, and drawn again while the pair fails the rule.
struct DrawingRule {
    Operation operation;
    std::int32_t range;       // "はんい" item, 0 to 4
    std::int32_t carryMode;   // "くりあがり" item, 0 to 2
    std::int32_t upperLow, upperHigh;
    std::int32_t lowerLow, lowerHigh;
    bool (*drawAgain)(std::int32_t upper, std::int32_t lower);
};

// All 2 × 5 × 3 rules, one per operation, range and carry mode.
std::span<const DrawingRule> DrawingRules();

// The rule for a selection. Indexes outside the radio groups' items are a
// caller's error; they are clamped to the nearest item.
const DrawingRule& DrawingRuleFor(std::int32_t selectedRange, std::int32_t selectedCarry,
                                  Operation operation);

// The rule for a choice of settings.
const DrawingRule& DrawingRuleFor(const DrillSettings& settings);
