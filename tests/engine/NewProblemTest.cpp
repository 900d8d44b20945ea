// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DrawingRules.h"
#include "engine/NewProblem.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The engine's own test of a pair: both numbers in their intervals, and the
// pair not thrown back.
bool accepts(const DrawingRule& rule, int u, int l)
{
    return rule.upperLow <= u && u <= rule.upperHigh && rule.lowerLow <= l && l <= rule.lowerHigh
        && !rule.drawAgain(u, l);
}

std::string selection(int kind, int range, int carry = -1)
{
    return (kind == 1 ? "sub range " : "add range ") + std::to_string(range)
        + (carry < 0 ? "" : " carry " + std::to_string(carry));
}

// The largest number "はんい" lets a child meet, by kind: the sum in たしざん,
// the upper number in ひきざん.
constexpr int caps[2][5] = {{10, 20, 100, 1000, 9999}, {9, 20, 100, 1000, 9999}};

// Every pair of a range up to 3, a step past its cap included; in range 4 the
// edges where the sum reaches five digits or the difference turns negative,
// and a fixed sample.
template <typename Visit>
void forPairsOfRange(int range, Visit visit)
{
    if (range < 4) {
        for (int u = 0; u <= caps[0][range] + 1; ++u)
            for (int l = 0; l <= caps[0][range] + 1; ++l)
                visit(u, l);
        return;
    }
    for (int u = 0; u <= 10000; ++u)
        for (const int l : {0, 1, 9999 - u, 10000 - u, u, u + 1})
            visit(u, l);
    RandomSource random(4004);
    std::uniform_int_distribution number(0, 10000);
    for (int draw = 0; draw < 200'000; ++draw) {
        const int u = number(random);
        visit(u, number(random));
    }
}

// What the settings promise, whatever the rules' own intervals say: range 0
// poses every pair of digits 1 to 9 within its cap; beyond it no number is
// below 1 (0 in addition from range 2), nothing passes the cap, nothing is
// taken from a smaller number, nothing carries or borrows without
// "くりあがり（さがり）あり" and something always does with it, and
// "いろいろ" poses exactly what the other two modes pose. Two quirks stay:
// addition in range 2 without carrying watches the units only, and 20 − 1 to
// 20 − 9 come up in range 1 only with "いろいろ".
TEST(DrawingRules, KeepWhatTheSettingsPromise)
{
    for (const int kind : {0, 1})
        for (int range = 0; range < 5; ++range) {
            SCOPED_TRACE(selection(kind, range));
            const bool adding = kind == 0;
            const int lowest = adding && range >= 2 ? 0 : 1;
            const int watched = adding && range == 2 ? 1 : 3;
            int faults = 0;
            forPairsOfRange(range, [&](int u, int l) {
                bool posed[3];
                for (int carry = 0; carry < 3; ++carry)
                    posed[carry] = accepts(DrawingRuleFor(range, carry, OperationForKind(kind)), u, l);
                const auto moves = [&](int columns) { return adding ? carries(u, l, columns) : borrows(u, l, columns); };
                const bool withinCap = std::min(u, l) >= lowest
                    && (adding ? u + l <= caps[0][range] : l <= u && u <= caps[1][range]);
                const bool kept = range == 0
                    ? posed[0] == withinCap && posed[1] == withinCap && posed[2] == withinCap
                    : (withinCap || !(posed[0] || posed[1] || posed[2])) && !(posed[0] && moves(watched))
                        && !(posed[1] && !moves(3))
                        && (posed[2] == (posed[0] || posed[1]) || (!adding && range == 1 && u == 20));
                if (!kept && ++faults <= 5)
                    ADD_FAILURE() << u << (adding ? " + " : " - ") << l << " posed by carry modes 0, 1, 2: "
                                  << posed[0] << posed[1] << posed[2];
            });
        }
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
        EXPECT_EQ(accepts(DrawingRuleFor(range, carry, OperationForKind(kind)), upper, lower), posed)
            << selection(kind, range, carry) << ": " << upper << " and " << lower;
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
    for (const int kind : {0, 1})
        for (int range = 0; range < 5; ++range)
            for (int carry = 0; carry < 3; ++carry) {
                SCOPED_TRACE(selection(kind, range, carry));
                const DrawingRule& rule = DrawingRuleFor(range, carry, OperationForKind(kind));
                int accepted = 0;
                for (int u = rule.upperLow; range < 2 && u <= rule.upperHigh; ++u)
                    for (int l = rule.lowerLow; l <= rule.lowerHigh; ++l)
                        accepted += accepts(rule, u, l);
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
                    if (!accepts(rule, u, l) && ++strangers <= 5)
                        ADD_FAILURE() << "posed " << u << " and " << l;
                    ++met[{u, l}];
                }
                EXPECT_EQ(state.Operation, kind == 1 ? Operation::Subtraction : Operation::Addition);
                if (range > 1)
                    continue;
                EXPECT_EQ(static_cast<int>(met.size()), accepted) << "some accepted pairs never met";
                const double expected = static_cast<double>(draws) / accepted;
                double chiSquare = 0;
                for (const auto& [pair, count] : met)
                    chiSquare += (count - expected) * (count - expected) / expected;
                // Exceeded by a fair generator about once in 10 000 (Wilson–Hilferty).
                const double freedom = accepted - 1, spread = 2.0 / (9.0 * freedom);
                EXPECT_LT(chiSquare, freedom * std::pow(1.0 - spread + 3.72 * std::sqrt(spread), 3)) << accepted << " pairs";
            }
}

} // namespace
