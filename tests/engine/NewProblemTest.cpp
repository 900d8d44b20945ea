#include "NewProblem.h"
#include "RowNumber.h"
#include "SelectionRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

std::pair<std::int32_t, std::int32_t> drawProblem(ExerciseState& state, const Selection& selection,
                                                  RandomSource& random)
{
    NewProblem(state, selection.range, selection.carry, selection.kind, random);
    return {RowNumber(state.TopDigits), RowNumber(state.BottomDigits)};
}

TEST(NewProblem, PosesOnlyPairsTheSelectedRuleAccepts)
{
    for (const Selection& selection : AllSelections()) {
        SCOPED_TRACE(SelectionName(selection));
        const SelectionRule& rule = SelectionRuleFor(selection);
        ExerciseState state;
        SetStartupValues(state);
        RandomSource random(2024);
        constexpr int draws = 10'000;
        int rejectedPairs = 0;
        for (int draw = 0; draw < draws; ++draw) {
            const auto [upper, lower] = drawProblem(state, selection, random);
            if (!rule.accepts(upper, lower) && ++rejectedPairs <= 5)
                ADD_FAILURE() << "posed " << upper << " and " << lower;
        }
        EXPECT_EQ(rejectedPairs, 0);
        EXPECT_EQ(state.Operation, selection.kind == 1 ? OPERATION_SUBTRACTION : OPERATION_ADDITION);
        EXPECT_EQ(state.ProblemCount, draws);
        EXPECT_EQ(state.Phase, PHASE_FIRST_TRY);
    }
}

// How often each pair of a rule's intervals was posed; pairs the rule throws
// back hold NOT_ACCEPTED.
class PairTally {
public:
    static constexpr int NOT_ACCEPTED = -1;

    explicit PairTally(const SelectionRule& rule)
        : rule_(rule)
        , width_(rule.lower.high - rule.lower.low + 1)
        , counts_(static_cast<std::size_t>(width_ * (rule.upper.high - rule.upper.low + 1)))
    {
        for (std::int32_t u = rule.upper.low; u <= rule.upper.high; ++u)
            for (std::int32_t l = rule.lower.low; l <= rule.lower.high; ++l)
                if (!rule.accepts(u, l))
                    counts_[cell(u, l)] = NOT_ACCEPTED;
    }

    // False for a pair the rule does not accept.
    bool count(std::int32_t u, std::int32_t l)
    {
        if (!rule_.accepts(u, l))
            return false;
        ++counts_[cell(u, l)];
        return true;
    }

    std::vector<int> acceptedCounts() const
    {
        std::vector<int> accepted;
        for (const int count : counts_)
            if (count != NOT_ACCEPTED)
                accepted.push_back(count);
        return accepted;
    }

private:
    std::size_t cell(std::int32_t u, std::int32_t l) const
    {
        return static_cast<std::size_t>((u - rule_.upper.low) * width_ + (l - rule_.lower.low));
    }

    const SelectionRule& rule_;
    std::int32_t width_;
    std::vector<int> counts_;
};

// Chi-square of the counts against equal expectations.
double chiSquare(const std::vector<int>& counts, int draws)
{
    const double expected = static_cast<double>(draws) / static_cast<double>(counts.size());
    double statistic = 0;
    for (const int count : counts)
        statistic += (count - expected) * (count - expected) / expected;
    return statistic;
}

// Exceeded by a fair generator about one time in 10 000 (Wilson–Hilferty).
// A generator that throws back only the lower number, or favours some pairs
// by a few per cent, lands far above it with these draw counts.
double chiSquareBound(std::size_t cells)
{
    const double freedom = static_cast<double>(cells - 1);
    const double spread = 2.0 / (9.0 * freedom);
    return freedom * std::pow(1.0 - spread + 3.72 * std::sqrt(spread), 3);
}

// Both numbers are drawn afresh until the pair is accepted, so in the rows
// small enough to count every accepted pair turns up, and equally often.
TEST(NewProblem, MeetsEveryAcceptedPairEquallyOftenUpToRangeTwo)
{
    for (const Selection& selection : AllSelections()) {
        if (selection.range > 2)
            continue;
        SCOPED_TRACE(SelectionName(selection));
        PairTally tally(SelectionRuleFor(selection));
        const auto acceptedPairs = static_cast<int>(tally.acceptedCounts().size());
        const int draws = (selection.range < 2 ? 200 : 20) * acceptedPairs;

        ExerciseState state;
        RandomSource random(31337);
        int strangers = 0;
        for (int draw = 0; draw < draws; ++draw) {
            const auto [upper, lower] = drawProblem(state, selection, random);
            strangers += tally.count(upper, lower) ? 0 : 1;
        }
        EXPECT_EQ(strangers, 0) << "pairs outside the rule";
        const std::vector<int> counts = tally.acceptedCounts();
        EXPECT_EQ(std::count(counts.begin(), counts.end(), 0), 0) << "accepted pairs never met";
        EXPECT_LT(chiSquare(counts, draws), chiSquareBound(counts.size()))
            << acceptedPairs << " pairs, " << draws << " draws";
    }
}

} // namespace
