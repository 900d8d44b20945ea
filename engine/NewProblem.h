// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"

#include <cstdint>

// Draws a new problem under the settings and works out its answer.
void NewProblem(ExerciseState& state, const DrillSettings& settings, RandomSource& random);

// The same with the settings as "はんい", "くりあがり" and "しゅるい" item
// indexes. See DrawingRuleFor and OperationForKind for indexes outside the
// items.
void NewProblem(ExerciseState& state, std::int32_t selectedRange, std::int32_t selectedCarry,
                std::int32_t selectedKind, RandomSource& random);
