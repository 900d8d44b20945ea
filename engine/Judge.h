// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"

#include <cstdint>

// The two verdicts on the learner's work: the answer row and the small
// notation above the upper number are judged separately.
struct Judgement {
    bool AnswerRight = false;
    bool MarksRight = false;
};

// Judges the entries of the open problem without changing anything. The
// notation is judged by the rule of `notationRule`, the operation selected
// at the moment of judging, which need not be the one the problem was drawn
// with.
Judgement JudgeEntries(const ExerciseState& state, Operation notationRule);

// Applies one judgement to the phase and the first-try count.
void RecordJudgement(ExerciseState& state, bool answerRight);

// First-try solutions out of 100, rounded down. Needs ProblemCount of at
// least 1; with no problem counted there is no score and it gives 0.
std::int32_t Score(const ExerciseState& state);
