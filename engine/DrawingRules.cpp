// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DrawingRules.h"

#include "engine/ColumnDigits.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int32_t ANY_CARRY_MODE = -1;

constexpr bool anyColumnCarries(std::int32_t u, std::int32_t l, int leftmost)
{
    for (int column = UNITS; column >= leftmost; --column)
        if (ColumnSum(u, l, column) >= 10)
            return true;
    return false;
}

constexpr bool anyColumnBorrows(std::int32_t u, std::int32_t l)
{
    for (int column = UNITS; column >= HUNDREDS; --column)
        if (ColumnDifference(u, l, column) < 0)
            return true;
    return false;
}

constexpr Operation A = Operation::Addition;
constexpr Operation S = Operation::Subtraction;

// Addition in range 2, carry mode 0, looks at the units column only and caps
// the sum at 100, so 10 + 90 and its kin come up although their tens carry;
// range 3 caps the sum at 999 with no carrying and at 1000 otherwise. These
// quirks decide which problems a child meets and are kept as they are.
constexpr std::array rules{
    DrawingRule{A, 0, ANY_CARRY_MODE, 1, 9, 1, 9, [](std::int32_t u, std::int32_t l) { return u + l > 10; }},
    DrawingRule{A, 1, 0, 1, 19, 1, 19, [](std::int32_t u, std::int32_t l) { return u + l > 20 || anyColumnCarries(u, l, UNITS); }},
    DrawingRule{A, 1, 1, 1, 19, 1, 19, [](std::int32_t u, std::int32_t l) { return u + l > 20 || !anyColumnCarries(u, l, UNITS); }},
    DrawingRule{A, 1, 2, 1, 19, 1, 19, [](std::int32_t u, std::int32_t l) { return u + l > 20; }},
    DrawingRule{A, 2, 0, 0, 99, 0, 99, [](std::int32_t u, std::int32_t l) { return u + l > 100 || anyColumnCarries(u, l, UNITS); }},
    DrawingRule{A, 2, 1, 0, 99, 0, 99, [](std::int32_t u, std::int32_t l) { return u + l > 100 || !anyColumnCarries(u, l, UNITS); }},
    DrawingRule{A, 2, 2, 0, 99, 0, 99, [](std::int32_t u, std::int32_t l) { return u + l > 100; }},
    DrawingRule{A, 3, 0, 0, 999, 0, 999, [](std::int32_t u, std::int32_t l) { return u + l > 999 || anyColumnCarries(u, l, TENS); }},
    DrawingRule{A, 3, 1, 0, 999, 0, 999, [](std::int32_t u, std::int32_t l) {
                    return u + l > 1000 || (!anyColumnCarries(u, l, TENS) && ColumnSum(u, l, HUNDREDS) != 10);
                }},
    DrawingRule{A, 3, 2, 0, 999, 0, 999, [](std::int32_t u, std::int32_t l) { return u + l > 1000; }},
    DrawingRule{A, 4, 0, 0, 9999, 0, 9999, [](std::int32_t u, std::int32_t l) { return u + l > 9999 || anyColumnCarries(u, l, HUNDREDS); }},
    DrawingRule{A, 4, 1, 0, 9999, 0, 9999, [](std::int32_t u, std::int32_t l) { return u + l > 9999 || !anyColumnCarries(u, l, HUNDREDS); }},
    DrawingRule{A, 4, 2, 0, 9999, 0, 9999, [](std::int32_t u, std::int32_t l) { return u + l > 9999; }},

    DrawingRule{S, 0, ANY_CARRY_MODE, 1, 9, 1, 9, [](std::int32_t u, std::int32_t l) { return u < l; }},
    DrawingRule{S, 1, 0, 1, 20, 1, 10, [](std::int32_t u, std::int32_t l) { return u < l || ColumnDifference(u, l, UNITS) < 0; }},
    DrawingRule{S, 1, 1, 10, 19, 1, 9, [](std::int32_t u, std::int32_t l) { return u < l || ColumnDifference(u, l, UNITS) >= 0; }},
    DrawingRule{S, 1, 2, 1, 20, 1, 10, [](std::int32_t u, std::int32_t l) { return u < l; }},
    DrawingRule{S, 2, 0, 1, 100, 1, 100, [](std::int32_t u, std::int32_t l) { return u < l || anyColumnBorrows(u, l); }},
    DrawingRule{S, 2, 1, 1, 100, 1, 100, [](std::int32_t u, std::int32_t l) { return u < l || !anyColumnBorrows(u, l); }},
    DrawingRule{S, 2, 2, 1, 100, 1, 100, [](std::int32_t u, std::int32_t l) { return u < l; }},
    DrawingRule{S, 3, 0, 1, 1000, 1, 1000, [](std::int32_t u, std::int32_t l) { return u < l || anyColumnBorrows(u, l); }},
    DrawingRule{S, 3, 1, 1, 1000, 1, 1000, [](std::int32_t u, std::int32_t l) { return u < l || !anyColumnBorrows(u, l); }},
    DrawingRule{S, 3, 2, 1, 1000, 1, 1000, [](std::int32_t u, std::int32_t l) { return u < l; }},
    DrawingRule{S, 4, 0, 1, 9999, 1, 9999, [](std::int32_t u, std::int32_t l) { return u < l || anyColumnBorrows(u, l); }},
    DrawingRule{S, 4, 1, 1, 9999, 1, 9999, [](std::int32_t u, std::int32_t l) { return u < l || !anyColumnBorrows(u, l); }},
    DrawingRule{S, 4, 2, 1, 9999, 1, 9999, [](std::int32_t u, std::int32_t l) { return u < l; }},
};

} // namespace

std::span<const DrawingRule> DrawingRules()
{
    return rules;
}

const DrawingRule& DrawingRuleFor(const DrillSettings& settings)
{
    const std::int32_t range = std::clamp(static_cast<std::int32_t>(settings.range), 0, RANGE_COUNT - 1);
    const std::int32_t carryMode = std::clamp(static_cast<std::int32_t>(settings.carryMode), 0, CARRY_MODE_COUNT - 1);
    return *std::find_if(rules.begin(), rules.end(), [&](const DrawingRule& rule) {
        return rule.operation == settings.operation && rule.range == range
            && (rule.carryMode == carryMode || rule.carryMode == ANY_CARRY_MODE);
    });
}
