// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"

// The leftmost column a problem on paper gives an answer box for; the boxes
// run from there to the units. The answer is as wide as the wider number,
// and a sum may carry one column further, as far as the settings allow any
// answer to reach: the boxes give nothing away about this problem's own
// result.
int FirstAnswerBox(const ExerciseState& problem, const DrillSettings& settings);
