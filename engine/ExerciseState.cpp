// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ExerciseState.h"

void ResetExerciseState(ExerciseState& state)
{
    for (std::size_t column = 0; column < state.TopDigits.size(); ++column) {
        if (column < state.ExpectedMarks.size()) {
            state.EnteredMarks[column] = BLANK;
            state.ExpectedMarks[column] = BLANK;
            state.CrossedOut[column] = 0;
        }
        state.TopDigits[column] = 0;
        state.BottomDigits[column] = 0;
        state.EnteredAnswer[column] = 0;
        state.ExpectedAnswer[column] = 0;
    }
}
