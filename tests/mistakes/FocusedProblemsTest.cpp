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
        const PracticeSetting setting = FittingSetting(misconception);
        const DrawingRule& rule = DrawingRuleFor(setting.range, setting.carry, OperationForKind(setting.kind));
        RandomSource random(12);
        const auto problems = FocusedProblems(misconception, setting, 12, random);
        ASSERT_EQ(problems.size(), 12U);
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
// numbers that show it often enough; a setting too small to show it at all
// gives an empty sheet rather than problems that do not expose it.
TEST(FocusedProblems, SettingsThatFitAndSettingsThatCannot)
{
    for (const Misconception& misconception : Misconceptions()) {
        SCOPED_TRACE(misconception.id);
        const PracticeSetting fitting = FittingSetting(misconception);
        EXPECT_EQ(fitting.kind, std::holds_alternative<SubtractionHabit>(misconception.habit) ? 1 : 0);
        for (std::int32_t range = 0; range < fitting.range; ++range)
            for (const std::int32_t carry : {0, 1, 2})
                EXPECT_LT(ExposedPercent(misconception, {range, carry, fitting.kind}), FITTING_SHARE_PERCENT);
    }
    RandomSource random(3);
    EXPECT_TRUE(FocusedProblems(*FindMisconception("borrow-from-zero"), {1, 1, 1}, 4, random).empty());
    EXPECT_TRUE(FocusedProblems(*FindMisconception("carry-forgotten"), {3, 0, 0}, 4, random).empty());
}

} // namespace
