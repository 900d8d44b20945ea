#pragma once

#include "ExerciseState.h"

#include <cstdint>

// The two verdicts on the learner's work: the answer row and the small
// notation above the upper number are judged separately.
struct Judgement {
    bool AnswerRight = false;
    bool MarksRight = false;
};

// Judges the entries of the open problem without changing anything. The
// notation rule follows `selectedKind`, the operation shown selected at the
// moment of judging: 1 is subtraction, any other value addition.
Judgement JudgeEntries(const ExerciseState& state, std::int32_t selectedKind);

// Applies one judgement to the phase and the first-try count.
void RecordJudgement(ExerciseState& state, bool answerRight);

// First-try solutions out of 100, rounded down. Needs ProblemCount of at
// least 1; with no problem counted there is no score and it gives 0.
std::int32_t Score(const ExerciseState& state);
