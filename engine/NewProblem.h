// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"

#include <cstdint>

// Draws a new problem under the three settings ("はんい", "くりあがり",
// "しゅるい" item indexes) and works out its answer. See DrawingRuleFor and
// OperationForKind for indexes outside the items.
void NewProblem(ExerciseState& state, std::int32_t selectedRange, std::int32_t selectedCarry,
                std::int32_t selectedKind, RandomSource& random);
