// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DrawingRules.h"
#include "mistakes/FocusedProblems.h"
#include "mistakes/ProblemKind.h"
#include "mistakes/Sighting.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

// Every misconception gets a sheet of twelve different problems, each one
// exposing it and each one a problem its setting poses.
TEST(FocusedProblems, TwelveDifferentProblemsExposeEachMisconception)
{
    for (const Misconception& misconception : Misconceptions()) {
        SCOPED_TRACE(misconception.id);
        const DrillSettings setting = FittingSetting(misconception);
        const DrawingRule& rule = DrawingRuleFor(setting);
        RandomSource random(12);
        const auto problems = FocusedProblems(misconception, setting, FOCUSED_SHEET_PROBLEMS, random);
        ASSERT_EQ(problems.size(), static_cast<std::size_t>(FOCUSED_SHEET_PROBLEMS));
        std::set<std::pair<int, int>> sums;
        for (const ExerciseState& problem : problems) {
            const int upper = NumberIn(problem.TopDigits);
            const int lower = NumberIn(problem.BottomDigits);
            EXPECT_TRUE(Exposes(misconception, problem)) << upper << " " << lower;
            EXPECT_EQ(problem.Operation, rule.operation);
            EXPECT_FALSE(rule.drawAgain(upper, lower)) << upper << " " << lower;
            sums.insert({upper, lower});
        }
        EXPECT_EQ(sums.size(), problems.size());
    }
}

// The fitting setting has the misconception's operation and the smallest
// numbers that show it often enough on enough different problems; a setting
// too small to show it at all gives an empty sheet rather than problems that
// do not expose it.
TEST(FocusedProblems, SettingsThatFitAndSettingsThatCannot)
{
    for (const Misconception& misconception : Misconceptions()) {
        SCOPED_TRACE(misconception.id);
        const DrillSettings fitting = FittingSetting(misconception);
        EXPECT_EQ(fitting.operation, std::holds_alternative<SubtractionHabit>(misconception.habit)
                                         ? Operation::Subtraction
                                         : Operation::Addition);
        for (int range = 0; range < static_cast<int>(fitting.range); ++range)
            for (const CarryMode carry : {CarryMode::Never, CarryMode::Always, CarryMode::Either}) {
                const DrillSettings smaller{static_cast<Range>(range), carry, fitting.operation};
                RandomSource random(5);
                EXPECT_TRUE(ExposedPercent(misconception, smaller) < FITTING_SHARE_PERCENT
                            || FocusedProblems(misconception, smaller, FOCUSED_SHEET_PROBLEMS, random).size()
                                   < static_cast<std::size_t>(FOCUSED_SHEET_PROBLEMS))
                    << "range " << range << " carry " << static_cast<int>(carry);
            }
    }
    RandomSource random(3);
    EXPECT_TRUE(FocusedProblems(*FindMisconception("borrow-from-zero"),
                                {Range::UpTo20, CarryMode::Always, Operation::Subtraction}, 4, random).empty());
    EXPECT_TRUE(FocusedProblems(*FindMisconception("carry-forgotten"),
                                {Range::UpTo1000, CarryMode::Never, Operation::Addition}, 4, random).empty());
}

} // namespace
