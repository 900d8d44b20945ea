// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"

#include <cstdint>

// Draws a new problem under the settings and works out its answer.
void NewProblem(ExerciseState& state, const DrillSettings& settings, RandomSource& random);
