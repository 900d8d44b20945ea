#pragma once

#include <cstdint>
#include <span>
#include <string>

// One setting of the three radio groups, as the practice window passes it.
struct Selection {
    std::int32_t kind;  // 0 addition, 1 subtraction
    std::int32_t range;
    std::int32_t carry;
};

struct Interval {
    std::int32_t low;
    std::int32_t high;

    bool contains(std::int32_t value) const { return low <= value && value <= high; }
};

// Marks the range 0 rows, which ignore the carry mode.
inline constexpr std::int32_t ANY_CARRY = -1;

// The tests' own statement of which problems a selection may pose: both
// numbers come from their intervals and the pair is thrown back while
// `drawAgain` holds. Written apart from the engine's table so that the two
// can be held against each other.
struct SelectionRule {
    std::int32_t kind;
    std::int32_t range;
    std::int32_t carry;
    Interval upper;
    Interval lower;
    bool (*drawAgain)(std::int32_t upper, std::int32_t lower);

    bool accepts(std::int32_t u, std::int32_t l) const
    {
        return upper.contains(u) && lower.contains(l) && !drawAgain(u, l);
    }
};

// The 26 rules: per kind one for range 0 and one per carry mode above it.
std::span<const SelectionRule> SelectionRules();
const SelectionRule& SelectionRuleFor(const Selection& selection);

// All 2 × 5 × 3 selections.
std::span<const Selection> AllSelections();

// "add_range4_carry0", naming the selection in failure messages.
std::string SelectionName(const Selection& selection);
