// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/Worksheet.h"

#include "engine/NewProblem.h"
#include "engine/RandomSource.h"
#include "mistakes/FocusedProblems.h"

Worksheet DrawWorksheet(const WorksheetSettings& settings)
{
    Worksheet sheet{settings, {}};
    RandomSource random(settings.seed);
    if (const Misconception* focus = FindMisconception(settings.focus)) {
        sheet.problems = FocusedProblems(*focus, settings.drill, settings.problemCount, random);
        return sheet;
    }
    sheet.problems.resize(static_cast<std::size_t>(settings.problemCount));
    for (ExerciseState& problem : sheet.problems)
        NewProblem(problem, settings.drill, random);
    return sheet;
}
