// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/FocusedProblems.h"

#include <gtest/gtest.h>

namespace {

// The fitting setting has the smallest numbers that show the misconception
// often enough on enough different problems: every smaller range shows it
// too seldom or cannot fill a sheet with it, whatever its carrying.
TEST(FocusedProblems, SettingsThatFitAndSettingsThatCannot)
{
    for (const Misconception& misconception : Misconceptions()) {
        SCOPED_TRACE(misconception.id);
        const DrillSettings fitting = FittingSetting(misconception);
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
}

} // namespace
