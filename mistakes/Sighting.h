// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "mistakes/Misconception.h"

// What one problem tells about one misconception.
struct Evidence {
    // A child with the misconception gets the answer wrong: the problem
    // exposes it.
    bool exposes = false;
    // The child's first answer and notes are that child's work, judged as
    // the drill judges a sum.
    bool sighted = false;
};

// `firstTry` is the problem with the cells as the child had filled them at
// its first judgement.
Evidence EvidenceOf(const Misconception& misconception, const ExerciseState& firstTry);

// Whether a child with the misconception gets the problem's answer wrong.
bool Exposes(const Misconception& misconception, const ExerciseState& problem);
