#include "DrawingRules.h"
#include "ExerciseState.h"
#include "NewProblem.h"
#include "SelectionRules.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace {

const DrawingRule& engineRuleFor(const Selection& selection)
{
    return DrawingRuleFor(selection.range, selection.carry, selection.kind);
}

bool engineAccepts(const DrawingRule& rule, std::int32_t u, std::int32_t l)
{
    return rule.upperLow <= u && u <= rule.upperHigh && rule.lowerLow <= l && l <= rule.lowerHigh
        && !rule.drawAgain(u, l);
}

// Calls `visit` for every pair of the two intervals up to range 3. In range 4
// it visits every pair on the edges where the sum reaches five digits or the
// difference turns negative, and a fixed sample of 200 000 pairs.
template <typename Visit>
void forPairsOf(const SelectionRule& rule, Visit visit)
{
    if (rule.range < 4) {
        for (std::int32_t u = rule.upper.low; u <= rule.upper.high; ++u)
            for (std::int32_t l = rule.lower.low; l <= rule.lower.high; ++l)
                visit(u, l);
        return;
    }
    for (std::int32_t u = rule.upper.low; u <= rule.upper.high; ++u)
        for (const std::int32_t l : {9999 - u, 10000 - u, u, u + 1})
            if (rule.lower.contains(l))
                visit(u, l);
    std::mt19937 random(4004);
    std::uniform_int_distribution<std::int32_t> upper(rule.upper.low, rule.upper.high);
    std::uniform_int_distribution<std::int32_t> lower(rule.lower.low, rule.lower.high);
    for (int draw = 0; draw < 200'000; ++draw) {
        const std::int32_t u = upper(random);
        visit(u, lower(random));
    }
}

TEST(DrawingRules, MatchOwnTableOverTheirIntervals)
{
    for (const Selection& selection : AllSelections()) {
        SCOPED_TRACE(SelectionName(selection));
        const DrawingRule& rule = engineRuleFor(selection);
        const SelectionRule& own = SelectionRuleFor(selection);
        EXPECT_EQ(rule.operation, own.kind == 1 ? OPERATION_SUBTRACTION : OPERATION_ADDITION);
        EXPECT_EQ(rule.range, own.range);
        EXPECT_EQ(rule.upperLow, own.upper.low);
        EXPECT_EQ(rule.upperHigh, own.upper.high);
        EXPECT_EQ(rule.lowerLow, own.lower.low);
        EXPECT_EQ(rule.lowerHigh, own.lower.high);
        int disagreements = 0;
        forPairsOf(own, [&](std::int32_t u, std::int32_t l) {
            if (rule.drawAgain(u, l) != own.drawAgain(u, l) && ++disagreements <= 5)
                ADD_FAILURE() << u << " and " << l << ": engine draws again " << rule.drawAgain(u, l);
        });
        EXPECT_EQ(disagreements, 0);
    }
}

// Whether adding (kind 0) or taking away (kind 1) carries or borrows out of
// the lowest `columns` columns, with all carries and loans followed through.
bool carriesOutOf(std::int32_t kind, std::int32_t u, std::int32_t l, int columns)
{
    std::int32_t placeValue = 1;
    for (int column = 0; column < columns; ++column)
        placeValue *= 10;
    return kind == 1 ? u % placeValue < l % placeValue : u % placeValue + l % placeValue >= placeValue;
}

bool anyColumnCarries(std::int32_t kind, std::int32_t u, std::int32_t l, int columns)
{
    for (int lowest = 1; lowest <= columns; ++lowest)
        if (carriesOutOf(kind, u, l, lowest))
            return true;
    return false;
}

// What the rules amount to for the learner: no carrying or borrowing in the
// no-carry mode, at least one carry or loan in the carry mode (addition in
// range 2 looks at the units only), never a negative difference, never a sum
// past four digits and no addend 0 before range 2.
TEST(DrawingRules, PoseWhatTheirCarryModePromises)
{
    for (const Selection& selection : AllSelections()) {
        SCOPED_TRACE(SelectionName(selection));
        const DrawingRule& rule = engineRuleFor(selection);
        const bool addition = selection.kind != 1;
        const int columnsWatched = addition && selection.range == 2 ? 1 : 3;
        int faults = 0;
        auto fault = [&](std::int32_t u, std::int32_t l, const char* what) {
            if (++faults <= 5)
                ADD_FAILURE() << u << (addition ? " + " : " - ") << l << ": " << what;
        };
        forPairsOf(SelectionRuleFor(selection), [&](std::int32_t u, std::int32_t l) {
            if (!engineAccepts(rule, u, l))
                return;
            if (addition ? u + l > 9999 : u < l)
                fault(u, l, "result out of bounds");
            if (addition && selection.range < 2 && (u == 0 || l == 0))
                fault(u, l, "addend 0");
            if (selection.range > 0 && selection.carry == 0 && anyColumnCarries(selection.kind, u, l, columnsWatched))
                fault(u, l, "carries in the no-carry mode");
            if (selection.range > 0 && selection.carry == 1 && !anyColumnCarries(selection.kind, u, l, columnsWatched))
                fault(u, l, "no carry in the carry mode");
        });
        EXPECT_EQ(faults, 0);
    }
}

TEST(DrawingRules, HoldOneRulePerRangeAndCarryModeButOnlyOneForRangeZero)
{
    std::set<const DrawingRule*> reached;
    for (const Selection& selection : AllSelections())
        reached.insert(&engineRuleFor(selection));
    EXPECT_EQ(reached.size(), 26u);
    EXPECT_EQ(DrawingRules().size(), 26u);
    for (const DrawingRule& rule : DrawingRules())
        EXPECT_TRUE(reached.count(&rule)) << "rule for range " << rule.range << " is never chosen";
}

struct PairExample {
    Selection selection;
    std::int32_t upper;
    std::int32_t lower;
    bool posed;
};

constexpr std::int32_t ADD = 0;
constexpr std::int32_t SUB = 1;

// Problems a child does or does not meet under each selection. Held against
// both the engine's rules and the tests' own table, so a slip in either shows.
const PairExample pairExamples[] = {
    {{ADD, 0, 0}, 9, 1, true},       {{ADD, 0, 0}, 5, 5, true},       {{ADD, 0, 1}, 3, 4, true},
    {{ADD, 0, 2}, 9, 2, false},      {{ADD, 0, 1}, 9, 2, false},      {{SUB, 0, 0}, 6, 6, true},
    {{SUB, 0, 2}, 3, 4, false},      {{ADD, 1, 1}, 9, 8, true},       {{ADD, 1, 1}, 14, 6, true},
    {{ADD, 1, 1}, 12, 5, false},     {{ADD, 1, 0}, 13, 6, true},      {{ADD, 1, 0}, 13, 7, false},
    {{ADD, 1, 2}, 0, 5, false},      {{ADD, 1, 2}, 19, 1, true},      {{ADD, 1, 2}, 19, 2, false},
    {{SUB, 1, 1}, 15, 7, true},      {{SUB, 1, 1}, 15, 5, false},     {{SUB, 1, 1}, 20, 1, false},
    {{SUB, 1, 1}, 11, 10, false},    {{SUB, 1, 0}, 20, 10, true},     {{SUB, 1, 0}, 15, 7, false},
    {{SUB, 1, 2}, 15, 7, true},      {{SUB, 1, 2}, 20, 11, false},    {{ADD, 2, 0}, 10, 90, true},
    {{ADD, 2, 0}, 0, 0, true},       {{ADD, 2, 0}, 45, 55, false},    {{ADD, 2, 1}, 10, 90, false},
    {{ADD, 2, 1}, 45, 55, true},     {{ADD, 2, 2}, 50, 51, false},    {{ADD, 2, 2}, 0, 100, false},
    {{SUB, 2, 0}, 100, 100, true},   {{SUB, 2, 0}, 100, 1, false},    {{SUB, 2, 0}, 100, 50, false},
    {{SUB, 2, 1}, 100, 1, true},     {{SUB, 2, 2}, 100, 99, true},    {{ADD, 3, 0}, 500, 499, true},
    {{ADD, 3, 0}, 500, 500, false},  {{ADD, 3, 0}, 999, 1, false},    {{ADD, 3, 1}, 999, 1, true},
    {{ADD, 3, 1}, 500, 500, true},   {{ADD, 3, 1}, 100, 200, false},  {{ADD, 3, 1}, 600, 500, false},
    {{ADD, 3, 2}, 999, 1, true},     {{ADD, 3, 2}, 500, 500, true},   {{ADD, 3, 2}, 999, 2, false},
    {{SUB, 3, 0}, 1000, 1000, true}, {{SUB, 3, 1}, 1000, 1, true},    {{SUB, 3, 2}, 1000, 999, true},
    {{ADD, 4, 0}, 4567, 5432, true}, {{ADD, 4, 0}, 4567, 5433, false}, {{ADD, 4, 1}, 4567, 5423, true},
    {{ADD, 4, 1}, 4567, 5432, false}, {{ADD, 4, 2}, 9999, 0, true},   {{ADD, 4, 2}, 9999, 1, false},
    {{SUB, 4, 0}, 9999, 9999, true}, {{SUB, 4, 0}, 5000, 1, false},   {{SUB, 4, 1}, 5000, 1, true},
    {{SUB, 4, 2}, 9999, 1, true},    {{SUB, 4, 2}, 1, 2, false},
};

TEST(DrawingRules, PoseTheExampleProblemsAndNoOthers)
{
    for (const PairExample& example : pairExamples) {
        SCOPED_TRACE(SelectionName(example.selection) + ": " + std::to_string(example.upper) + " and "
                     + std::to_string(example.lower));
        EXPECT_EQ(engineAccepts(engineRuleFor(example.selection), example.upper, example.lower), example.posed);
        EXPECT_EQ(SelectionRuleFor(example.selection).accepts(example.upper, example.lower), example.posed);
    }
}

// A range, carry mode or kind index outside the radio groups is a caller's
// error: the nearest item is used, and every kind but 1 means addition.
TEST(DrawingRules, ClampOutOfRangeSelections)
{
    struct Clamped {
        Selection given;
        Selection used;
    };
    const Clamped cases[] = {
        {{0, -1, -5}, {0, 0, 0}}, {{1, 9, 7}, {1, 4, 2}},  {{1, 2, -1}, {1, 2, 0}},
        {{0, 3, 3}, {0, 3, 2}},   {{2, 1, 1}, {0, 1, 1}},  {{-1, 4, 0}, {0, 4, 0}},
    };
    for (const Clamped& clamped : cases) {
        SCOPED_TRACE(SelectionName(clamped.given));
        EXPECT_EQ(&engineRuleFor(clamped.given), &engineRuleFor(clamped.used));

        ExerciseState given;
        ExerciseState used;
        RandomSource givenRandom(77);
        RandomSource usedRandom(77);
        NewProblem(given, clamped.given.range, clamped.given.carry, clamped.given.kind, givenRandom);
        NewProblem(used, clamped.used.range, clamped.used.carry, clamped.used.kind, usedRandom);
        EXPECT_EQ(given.TopDigits, used.TopDigits);
        EXPECT_EQ(given.BottomDigits, used.BottomDigits);
        EXPECT_EQ(given.Operation, used.Operation);
    }
}

} // namespace
