#include "SelectionRules.h"

#include <algorithm>
#include <array>

namespace {

// Column sums and differences count no carry or loan from the right.
std::int32_t digit(std::int32_t number, std::int32_t placeValue)
{
    return number / placeValue % 10;
}
std::int32_t sum(std::int32_t u, std::int32_t l, std::int32_t placeValue)
{
    return digit(u, placeValue) + digit(l, placeValue);
}
std::int32_t difference(std::int32_t u, std::int32_t l, std::int32_t placeValue)
{
    return digit(u, placeValue) - digit(l, placeValue);
}

bool unitsCarry(std::int32_t u, std::int32_t l) { return sum(u, l, 1) >= 10; }
bool unitsOrTensCarry(std::int32_t u, std::int32_t l) { return unitsCarry(u, l) || sum(u, l, 10) >= 10; }
bool belowThousandsCarry(std::int32_t u, std::int32_t l) { return unitsOrTensCarry(u, l) || sum(u, l, 100) >= 10; }
bool belowThousandsBorrow(std::int32_t u, std::int32_t l)
{
    return difference(u, l, 1) < 0 || difference(u, l, 10) < 0 || difference(u, l, 100) < 0;
}

using I = Interval;
constexpr std::int32_t ADD = 0;
constexpr std::int32_t SUB = 1;

const std::array rules{
    SelectionRule{ADD, 0, ANY_CARRY, I{1, 9}, I{1, 9}, [](std::int32_t u, std::int32_t l) { return u + l > 10; }},
    SelectionRule{ADD, 1, 0, I{1, 19}, I{1, 19}, [](std::int32_t u, std::int32_t l) { return u + l > 20 || unitsCarry(u, l); }},
    SelectionRule{ADD, 1, 1, I{1, 19}, I{1, 19}, [](std::int32_t u, std::int32_t l) { return u + l > 20 || sum(u, l, 1) <= 9; }},
    SelectionRule{ADD, 1, 2, I{1, 19}, I{1, 19}, [](std::int32_t u, std::int32_t l) { return u + l > 20; }},
    SelectionRule{ADD, 2, 0, I{0, 99}, I{0, 99}, [](std::int32_t u, std::int32_t l) { return u + l > 100 || unitsCarry(u, l); }},
    SelectionRule{ADD, 2, 1, I{0, 99}, I{0, 99}, [](std::int32_t u, std::int32_t l) { return u + l > 100 || sum(u, l, 1) <= 9; }},
    SelectionRule{ADD, 2, 2, I{0, 99}, I{0, 99}, [](std::int32_t u, std::int32_t l) { return u + l > 100; }},
    SelectionRule{ADD, 3, 0, I{0, 999}, I{0, 999}, [](std::int32_t u, std::int32_t l) { return u + l > 999 || unitsOrTensCarry(u, l); }},
    SelectionRule{ADD, 3, 1, I{0, 999}, I{0, 999}, [](std::int32_t u, std::int32_t l) {
                      return u + l > 1000 || (sum(u, l, 1) <= 9 && sum(u, l, 10) <= 9 && sum(u, l, 100) != 10);
                  }},
    SelectionRule{ADD, 3, 2, I{0, 999}, I{0, 999}, [](std::int32_t u, std::int32_t l) { return u + l > 1000; }},
    SelectionRule{ADD, 4, 0, I{0, 9999}, I{0, 9999}, [](std::int32_t u, std::int32_t l) { return u + l > 9999 || belowThousandsCarry(u, l); }},
    SelectionRule{ADD, 4, 1, I{0, 9999}, I{0, 9999}, [](std::int32_t u, std::int32_t l) { return u + l > 9999 || !belowThousandsCarry(u, l); }},
    SelectionRule{ADD, 4, 2, I{0, 9999}, I{0, 9999}, [](std::int32_t u, std::int32_t l) { return u + l > 9999; }},

    SelectionRule{SUB, 0, ANY_CARRY, I{1, 9}, I{1, 9}, [](std::int32_t u, std::int32_t l) { return u < l; }},
    SelectionRule{SUB, 1, 0, I{1, 20}, I{1, 10}, [](std::int32_t u, std::int32_t l) { return u < l || difference(u, l, 1) < 0; }},
    SelectionRule{SUB, 1, 1, I{10, 19}, I{1, 9}, [](std::int32_t u, std::int32_t l) { return u < l || difference(u, l, 1) >= 0; }},
    SelectionRule{SUB, 1, 2, I{1, 20}, I{1, 10}, [](std::int32_t u, std::int32_t l) { return u < l; }},
    SelectionRule{SUB, 2, 0, I{1, 100}, I{1, 100}, [](std::int32_t u, std::int32_t l) { return u < l || belowThousandsBorrow(u, l); }},
    SelectionRule{SUB, 2, 1, I{1, 100}, I{1, 100}, [](std::int32_t u, std::int32_t l) { return u < l || !belowThousandsBorrow(u, l); }},
    SelectionRule{SUB, 2, 2, I{1, 100}, I{1, 100}, [](std::int32_t u, std::int32_t l) { return u < l; }},
    SelectionRule{SUB, 3, 0, I{1, 1000}, I{1, 1000}, [](std::int32_t u, std::int32_t l) { return u < l || belowThousandsBorrow(u, l); }},
    SelectionRule{SUB, 3, 1, I{1, 1000}, I{1, 1000}, [](std::int32_t u, std::int32_t l) { return u < l || !belowThousandsBorrow(u, l); }},
    SelectionRule{SUB, 3, 2, I{1, 1000}, I{1, 1000}, [](std::int32_t u, std::int32_t l) { return u < l; }},
    SelectionRule{SUB, 4, 0, I{1, 9999}, I{1, 9999}, [](std::int32_t u, std::int32_t l) { return u < l || belowThousandsBorrow(u, l); }},
    SelectionRule{SUB, 4, 1, I{1, 9999}, I{1, 9999}, [](std::int32_t u, std::int32_t l) { return u < l || !belowThousandsBorrow(u, l); }},
    SelectionRule{SUB, 4, 2, I{1, 9999}, I{1, 9999}, [](std::int32_t u, std::int32_t l) { return u < l; }},
};

const std::array selections = [] {
    std::array<Selection, 30> all{};
    std::size_t next = 0;
    for (std::int32_t kind = 0; kind < 2; ++kind)
        for (std::int32_t range = 0; range < 5; ++range)
            for (std::int32_t carry = 0; carry < 3; ++carry)
                all[next++] = {kind, range, carry};
    return all;
}();

} // namespace

std::span<const SelectionRule> SelectionRules()
{
    return rules;
}

const SelectionRule& SelectionRuleFor(const Selection& selection)
{
    return *std::find_if(rules.begin(), rules.end(), [&](const SelectionRule& rule) {
        return rule.kind == selection.kind && rule.range == selection.range
            && (rule.carry == selection.carry || rule.carry == ANY_CARRY);
    });
}

std::span<const Selection> AllSelections()
{
    return selections;
}

std::string SelectionName(const Selection& selection)
{
    return std::string(selection.kind == 1 ? "sub" : "add") + "_range" + std::to_string(selection.range)
        + "_carry" + std::to_string(selection.carry);
}
