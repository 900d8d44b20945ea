// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"

#include <cstdint>
#include <span>

// One rule of the problem generator: both numbers are drawn uniformly from
// their intervals, and drawn again while the pair fails the rule.
struct DrawingRule {
    Operation operation;
    std::int32_t range;       // Range, 0 to 4
    std::int32_t carryMode;   // CarryMode, 0 to 2
    std::int32_t upperLow, upperHigh;
    std::int32_t lowerLow, lowerHigh;
    bool (*drawAgain)(std::int32_t upper, std::int32_t lower);
};

// All 2 × 5 × 3 rules, one per operation, range and carry mode.
std::span<const DrawingRule> DrawingRules();

// The rule for a choice of settings. A range or carry mode cast from a
// number past the enumeration is taken as the nearest one.
const DrawingRule& DrawingRuleFor(const DrillSettings& settings);
