// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PracticeRun.h"

bool DrawsNextProblem(const ExerciseState& state)
{
    return state.Phase == Phase::Closed;
}

void RestartRun(ExerciseState& state)
{
    state.Phase = Phase::Closed;
    state.ProblemCount = 0;
    state.FirstTryCount = 0;
}

bool HasDrawnProblem(const ExerciseState& state)
{
    return state.ProblemCount >= 1;
}

void CloseWithoutJudging(ExerciseState& state)
{
    state.Phase = Phase::Closed;
}
