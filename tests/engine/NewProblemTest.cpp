#include "engine/DrawingRules.h"
#include "engine/NewProblem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <string>
#include <tuple>

namespace {

// Whether adding carries, or taking away borrows, anywhere in the lowest
// `columns` columns, carries and loans followed through.
constexpr int places[] = {10, 100, 1000};
bool carries(int u, int l, int columns) { return std::any_of(places, places + columns, [&](int p) { return u % p + l % p >= p; }); }
bool borrows(int u, int l, int columns) { return std::any_of(places, places + columns, [&](int p) { return u % p < l % p; }); }

constexpr int ANY = -1;  // range 0 ignores the carry mode

// Our own statement of which problems a selection poses: both numbers come
// from their intervals and the pair is thrown back while `drawAgain` holds.
// Written apart from the engine's table so the two can be held against each other.
struct OwnRule {
    int kind, range, carry, upperLow, upperHigh, lowerLow, lowerHigh;
    bool (*drawAgain)(int u, int l);

    bool accepts(int u, int l) const { return upperLow <= u && u <= upperHigh && lowerLow <= l && l <= lowerHigh && !drawAgain(u, l); }
};

const OwnRule ownRules[] = {
    {0, 0, ANY, 1, 9, 1, 9, [](int u, int l) { return u + l > 10; }},
    {0, 1, 0, 1, 19, 1, 19, [](int u, int l) { return u + l > 20 || carries(u, l, 1); }},
    {0, 1, 1, 1, 19, 1, 19, [](int u, int l) { return u + l > 20 || !carries(u, l, 1); }},
    {0, 1, 2, 1, 19, 1, 19, [](int u, int l) { return u + l > 20; }},
    {0, 2, 0, 0, 99, 0, 99, [](int u, int l) { return u + l > 100 || carries(u, l, 1); }},
    {0, 2, 1, 0, 99, 0, 99, [](int u, int l) { return u + l > 100 || !carries(u, l, 1); }},
    {0, 2, 2, 0, 99, 0, 99, [](int u, int l) { return u + l > 100; }},
    {0, 3, 0, 0, 999, 0, 999, [](int u, int l) { return u + l > 999 || carries(u, l, 2); }},
    {0, 3, 1, 0, 999, 0, 999, [](int u, int l) { return u + l > 1000 || (!carries(u, l, 2) && u / 100 + l / 100 != 10); }},
    {0, 3, 2, 0, 999, 0, 999, [](int u, int l) { return u + l > 1000; }},
    {0, 4, 0, 0, 9999, 0, 9999, [](int u, int l) { return u + l > 9999 || carries(u, l, 3); }},
    {0, 4, 1, 0, 9999, 0, 9999, [](int u, int l) { return u + l > 9999 || !carries(u, l, 3); }},
    {0, 4, 2, 0, 9999, 0, 9999, [](int u, int l) { return u + l > 9999; }},
    {1, 0, ANY, 1, 9, 1, 9, [](int u, int l) { return u < l; }},
    {1, 1, 0, 1, 20, 1, 10, [](int u, int l) { return u < l || borrows(u, l, 1); }},
    {1, 1, 1, 10, 19, 1, 9, [](int u, int l) { return u < l || !borrows(u, l, 1); }},
    {1, 1, 2, 1, 20, 1, 10, [](int u, int l) { return u < l; }},
    {1, 2, 0, 1, 100, 1, 100, [](int u, int l) { return u < l || borrows(u, l, 3); }},
    {1, 2, 1, 1, 100, 1, 100, [](int u, int l) { return u < l || !borrows(u, l, 3); }},
    {1, 2, 2, 1, 100, 1, 100, [](int u, int l) { return u < l; }},
    {1, 3, 0, 1, 1000, 1, 1000, [](int u, int l) { return u < l || borrows(u, l, 3); }},
    {1, 3, 1, 1, 1000, 1, 1000, [](int u, int l) { return u < l || !borrows(u, l, 3); }},
    {1, 3, 2, 1, 1000, 1, 1000, [](int u, int l) { return u < l; }},
    {1, 4, 0, 1, 9999, 1, 9999, [](int u, int l) { return u < l || borrows(u, l, 3); }},
    {1, 4, 1, 1, 9999, 1, 9999, [](int u, int l) { return u < l || !borrows(u, l, 3); }},
    {1, 4, 2, 1, 9999, 1, 9999, [](int u, int l) { return u < l; }},
};

const OwnRule& ownRuleFor(int kind, int range, int carry)
{
    return *std::find_if(std::begin(ownRules), std::end(ownRules), [&](const OwnRule& rule) {
        return rule.kind == kind && rule.range == range && (rule.carry == carry || rule.carry == ANY);
    });
}

bool engineAccepts(const DrawingRule& rule, int u, int l)
{
    return rule.upperLow <= u && u <= rule.upperHigh && rule.lowerLow <= l && l <= rule.lowerHigh
        && !rule.drawAgain(u, l);
}

// Runs `test` for every kind (0 addition, 1 subtraction), range and carry mode.
template <typename Test>
void forEverySelection(Test test)
{
    for (const int kind : {0, 1})
        for (int range = 0; range < 5; ++range)
            for (int carry = 0; carry < 3; ++carry) {
                SCOPED_TRACE((kind == 1 ? "sub range " : "add range ") + std::to_string(range) + " carry " + std::to_string(carry));
                test(kind, range, carry);
            }
}

// Held against our own rules, the engine draws from the same intervals and
// poses exactly the same pairs: all of them up to range 3; in range 4 the
// edges where the sum reaches five digits or the difference turns negative,
// and a fixed sample.
TEST(DrawingRules, PoseWhatOurOwnRulesPose)
{
    forEverySelection([](int kind, int range, int carry) {
        const DrawingRule& rule = DrawingRuleFor(range, carry, OperationForKind(kind));
        const OwnRule& own = ownRuleFor(kind, range, carry);
        EXPECT_EQ((std::array{rule.upperLow, rule.upperHigh, rule.lowerLow, rule.lowerHigh}),
                  (std::array{own.upperLow, own.upperHigh, own.lowerLow, own.lowerHigh}));
        int disagreements = 0;
        auto compare = [&](int u, int l) {
            if (engineAccepts(rule, u, l) != own.accepts(u, l) && ++disagreements <= 5)
                ADD_FAILURE() << u << " and " << l << ": engine poses it " << engineAccepts(rule, u, l);
        };
        if (range < 4) {
            for (int u = own.upperLow; u <= own.upperHigh; ++u)
                for (int l = own.lowerLow; l <= own.lowerHigh; ++l)
                    compare(u, l);
            return;
        }
        for (int u = 0; u <= 10000; ++u)
            for (const int l : {9999 - u, 10000 - u, u, u + 1})
                compare(u, l);
        RandomSource random(4004);
        std::uniform_int_distribution number(0, 10000);
        for (int draw = 0; draw < 200'000; ++draw) {
            const int u = number(random);
            compare(u, number(random));
        }
    });
}

// The odd problems a child meets, next to neighbours that never come up.
// Addition in range 2 without carrying only watches the units; range 3 caps
// sums at 999 without carrying and at 1000 with it.
TEST(DrawingRules, PoseTheOddProblemsButNotTheirNeighbours)
{
    const std::tuple<int, int, int, int, int, bool> examples[] = {  // kind, range, carry, upper, lower, posed
        {0, 2, 0, 10, 90, true},     {0, 2, 1, 10, 90, false},     {0, 2, 0, 45, 55, false}, {0, 2, 1, 45, 55, true},
        {0, 3, 1, 500, 500, true},   {0, 3, 0, 500, 500, false},   {0, 3, 1, 600, 500, false},
        {0, 4, 0, 4567, 5432, true}, {0, 4, 0, 4567, 5433, false}, {0, 0, 0, 9, 2, false},   {0, 0, 2, 9, 2, false},
        {1, 1, 0, 20, 10, true},     {1, 2, 0, 100, 100, true},    {1, 2, 0, 100, 1, false}, {1, 0, 1, 6, 6, true},
    };
    for (const auto& [kind, range, carry, upper, lower, posed] : examples)
        EXPECT_EQ(engineAccepts(DrawingRuleFor(range, carry, OperationForKind(kind)), upper, lower), posed)
            << (kind == 1 ? "sub" : "add") << " range " << range << " carry " << carry << ": " << upper << " and " << lower;
}

// Indexes outside the radio groups are a caller's error: the nearest item is
// used, and every kind but 1 means addition.
TEST(DrawingRules, ClampIndexesOutsideTheItems)
{
    const int cases[][6] = {  // range, carry and kind given, then the ones used
        {-1, -5, 0, 0, 0, 0}, {9, 7, 1, 4, 2, 1}, {2, -1, 1, 2, 0, 1}, {3, 3, 0, 3, 2, 0}, {1, 1, 2, 1, 1, 0}, {4, 0, -1, 4, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(&DrawingRuleFor(c[0], c[1], OperationForKind(c[2])), &DrawingRuleFor(c[3], c[4], OperationForKind(c[5])))
            << "range " << c[0] << " carry " << c[1] << " kind " << c[2];
}

// Both numbers are drawn afresh until the pair is accepted, so every accepted
// pair is as likely as any other. Ranges 0 and 1 are small enough to count;
// a generator that redraws only the lower number fails there.
TEST(NewProblem, PosesOnlyAcceptedPairsAndEachEquallyOften)
{
    forEverySelection([](int kind, int range, int carry) {
        const OwnRule& own = ownRuleFor(kind, range, carry);
        int accepted = 0;
        for (int u = own.upperLow; range < 2 && u <= own.upperHigh; ++u)
            for (int l = own.lowerLow; l <= own.lowerHigh; ++l)
                accepted += own.accepts(u, l);
        const int draws = range < 2 ? 200 * accepted : 2000;
        ExerciseState state;
        RandomSource random(31337);
        std::map<std::pair<int, int>, int> met;
        auto number = [](const DigitRow& row) {
            return std::accumulate(row.begin(), row.end(), 0, [](int n, int digit) { return n * 10 + std::max(digit, 0); });
        };
        int strangers = 0;
        for (int draw = 0; draw < draws; ++draw) {
            NewProblem(state, range, carry, kind, random);
            const int u = number(state.TopDigits), l = number(state.BottomDigits);
            if (!own.accepts(u, l) && ++strangers <= 5)
                ADD_FAILURE() << "posed " << u << " and " << l;
            ++met[{u, l}];
        }
        EXPECT_EQ(state.Operation, kind == 1 ? Operation::Subtraction : Operation::Addition);
        if (range > 1)
            return;
        EXPECT_EQ(static_cast<int>(met.size()), accepted) << "some accepted pairs never met";
        const double expected = static_cast<double>(draws) / accepted;
        double chiSquare = 0;
        for (const auto& [pair, count] : met)
            chiSquare += (count - expected) * (count - expected) / expected;
        // Exceeded by a fair generator about once in 10 000 (Wilson–Hilferty).
        const double freedom = accepted - 1, spread = 2.0 / (9.0 * freedom);
        EXPECT_LT(chiSquare, freedom * std::pow(1.0 - spread + 3.72 * std::sqrt(spread), 3)) << accepted << " pairs";
    });
}

} // namespace
