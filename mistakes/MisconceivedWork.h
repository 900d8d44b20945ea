// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "mistakes/Misconception.h"

#include <optional>

// The problem as a child with a habit works it: a copy of the posed problem
// whose ExpectedAnswer and ExpectedMarks hold what that child writes, tidied
// as the worked answer is (a lowered digit written means its upper digit is
// struck through). Nothing when the habit cannot be written in the sheet's
// cells: more than four digits, a carry off the sheet, or a column the child
// cannot take.
std::optional<ExerciseState> WorkByHabit(const SubtractionHabit& habit, const ExerciseState& problem);
std::optional<ExerciseState> WorkByHabit(const AdditionHabit& habit, const ExerciseState& problem);

// The work of a child with the misconception; a problem of the other
// operation is worked right, as that child works it.
std::optional<ExerciseState> MisconceivedWork(const Misconception& misconception, const ExerciseState& problem);

// Fills the cells of `sheet` with `work` as a child who writes exactly that
// work leaves them: its answer, its notes and a stroke through every upper
// digit under a lowered one.
void WriteIntoCells(const ExerciseState& work, ExerciseState& sheet);
