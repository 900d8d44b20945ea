// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Judge.h"

namespace {

// An expected BLANK is matched by an empty cell and by a 0 alike: an answer
// cell nobody touched holds 0, and a leading 0 written by hand is no fault.
bool slotMatches(std::int32_t expected, std::int32_t entered)
{
    return expected < 0 ? entered <= 0 : entered == expected;
}

bool answerRight(const ExerciseState& state)
{
    for (std::size_t column = 0; column < state.ExpectedAnswer.size(); ++column)
        if (!slotMatches(state.ExpectedAnswer[column], state.EnteredAnswer[column]))
            return false;
    return true;
}

// Where no mark is written, the cell may be left empty or hold 0. A column
// that lent needs its lowered digit written and its upper digit struck
// through; a needless strike elsewhere is no fault.
bool notationRight(const ExerciseState& state, Operation rule, std::size_t column)
{
    const std::int32_t expected = state.ExpectedMarks[column];
    const std::int32_t entered = state.EnteredMarks[column];
    if (!MarkIsWritten(rule, expected))
        return entered <= 0;
    return entered == expected && (rule == Operation::Addition || state.CrossedOut[column] == STRUCK);
}

} // namespace

Judgement JudgeEntries(const ExerciseState& state, Operation notationRule)
{
    bool marksRight = true;
    for (std::size_t column = 0; column < state.ExpectedMarks.size(); ++column)
        marksRight = marksRight && notationRight(state, notationRule, column);
    return {answerRight(state), marksRight};
}

void RecordJudgement(ExerciseState& state, bool answerRight)
{
    if (!answerRight) {
        state.Phase = Phase::Retrying;
        return;
    }
    if (state.Phase == Phase::FirstTry)
        state.FirstTryCount += 1;
    state.Phase = Phase::Closed;
}

std::int32_t Score(const ExerciseState& state)
{
    if (state.ProblemCount < 1)
        return 0;
    return state.FirstTryCount * 100 / state.ProblemCount;
}
