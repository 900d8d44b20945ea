// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"
#include "mistakes/Misconception.h"

#include <cstdint>
#include <vector>

// The three settings of a practice, as the items of "はんい", "くりあがり"
// and "しゅるい".
struct PracticeSetting {
    std::int32_t range = 0;
    std::int32_t carry = 0;
    std::int32_t kind = 0;

    friend bool operator==(const PracticeSetting&, const PracticeSetting&) = default;
};

// The share, in percent, of the problems drawn under the setting that expose
// the misconception, judged on a fixed sample.
int ExposedPercent(const Misconception& misconception, const PracticeSetting& setting);

// A setting fits a misconception when at least this share of its problems
// expose it.
inline constexpr int FITTING_SHARE_PERCENT = 20;

// Where the misconception shows: of its operation's settings, the one with
// the smallest numbers under which at least a fifth of the problems drawn
// expose it, carrying asked for before "いろいろ" and before none; failing
// that, the one that exposes it most.
PracticeSetting FittingSetting(const Misconception& misconception);

// Up to `count` problems that expose the misconception, drawn under the
// setting by the practice window's own generator; none twice. Fewer when
// the setting hardly poses such problems.
std::vector<ExerciseState> FocusedProblems(const Misconception& misconception, const PracticeSetting& setting,
                                           int count, RandomSource& random);
