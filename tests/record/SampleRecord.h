// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/NewProblem.h"
#include "mistakes/MisconceivedWork.h"
#include "record/JudgedProblem.h"

#include <vector>

// `count` first tries a second apart, from 2026-12-07 on, by a child who
// borrows without lowering but gets every third problem right.
inline std::vector<JudgedProblem> SampleRecord(int count, std::int64_t from = 1'796'601'600'000)
{
    const Misconception& habit = *FindMisconception("borrow-no-decrement");
    const DrillSettings settings{Range::UpTo100, CarryMode::Always, Operation::Subtraction};
    RandomSource random(static_cast<RandomSource::result_type>(count));
    std::vector<JudgedProblem> record;
    for (int i = 0; i < count; ++i) {
        ExerciseState sheet;
        NewProblem(sheet, settings, random);
        const auto work = i % 3 != 0 ? MisconceivedWork(habit, sheet) : std::nullopt;
        WriteIntoCells(work ? *work : sheet, sheet);
        record.push_back(FirstTryOf(sheet, settings, from + 1000 * i, 5 + i % 7));
    }
    return record;
}
