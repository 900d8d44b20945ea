// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "mistakes/ProblemKind.h"

#include <array>

// How many problems were tried, and how many of them were right at the first
// judgement.
struct Tally {
    int tried = 0;
    int rightFirstTime = 0;
};

// First-try results by kind of problem and by how many columns it takes.
class FirstTryRates {
public:
    void FirstTryJudged(const ExerciseState& problem, bool answerRight);

    const Tally& OfKind(ProblemKind kind) const;
    // columns from 1 to 4
    const Tally& OfColumns(int columns) const;

private:
    std::array<Tally, PROBLEM_KIND_COUNT> byKind_{};
    std::array<Tally, MAX_COLUMNS> byColumns_{};
};
