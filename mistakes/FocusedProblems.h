// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"
#include "mistakes/Misconception.h"

#include <vector>

// The share, in percent, of the problems drawn under the setting that expose
// the misconception, judged on a fixed sample.
int ExposedPercent(const Misconception& misconception, const DrillSettings& setting);

// A setting fits a misconception when at least this share of its problems
// expose it, and it poses at least a sheet's worth of different ones.
inline constexpr int FITTING_SHARE_PERCENT = 20;
inline constexpr int FOCUSED_SHEET_PROBLEMS = 12;

// Where the misconception shows: of its operation's settings, the one with
// the smallest numbers that fits it, carrying asked for before "いろいろ"
// and before none; failing that, the one that exposes it most among those
// with a sheet's worth of different problems.
DrillSettings FittingSetting(const Misconception& misconception);

// Up to `count` problems that expose the misconception, drawn under the
// setting by the practice window's own generator; none twice. Fewer when
// the setting hardly poses such problems.
std::vector<ExerciseState> FocusedProblems(const Misconception& misconception, const DrillSettings& setting,
                                           int count, RandomSource& random);
