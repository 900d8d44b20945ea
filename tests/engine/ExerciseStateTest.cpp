#include "ExerciseState.h"

#include <gtest/gtest.h>

namespace {

ExerciseState midRunState()
{
    ExerciseState state;
    state.HeldDigit = 7;
    state.Operation = OPERATION_SUBTRACTION;
    state.Phase = PHASE_RETRYING;
    state.ProblemCount = 9;
    state.FirstTryCount = 4;
    state.ExpectedMarks = {3, 9, 9};
    state.EnteredMarks = {3, 0, 9};
    state.CrossedOut = {STRUCK, 0, STRUCK};
    state.TopDigits = {4, 0, 0, 1};
    state.BottomDigits = {BLANK, 5, 2, 3};
    state.EnteredAnswer = {3, 4, 7, BLANK};
    state.ExpectedAnswer = {3, 4, 7, 8};
    return state;
}

void expectRowsCleared(const ExerciseState& state)
{
    EXPECT_EQ(state.ExpectedMarks, (NotationRow{BLANK, BLANK, BLANK}));
    EXPECT_EQ(state.EnteredMarks, (NotationRow{BLANK, BLANK, BLANK}));
    EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
    EXPECT_EQ(state.TopDigits, (DigitRow{0, 0, 0, 0}));
    EXPECT_EQ(state.BottomDigits, (DigitRow{0, 0, 0, 0}));
    EXPECT_EQ(state.EnteredAnswer, (DigitRow{0, 0, 0, 0}));
    EXPECT_EQ(state.ExpectedAnswer, (DigitRow{0, 0, 0, 0}));
}

TEST(ExerciseState, ResetClearsTheRowsAndKeepsTheRun)
{
    ExerciseState state = midRunState();
    ResetExerciseState(state);
    expectRowsCleared(state);
    EXPECT_EQ(state.HeldDigit, 7);
    EXPECT_EQ(state.Operation, OPERATION_SUBTRACTION);
    EXPECT_EQ(state.Phase, PHASE_RETRYING);
    EXPECT_EQ(state.ProblemCount, 9);
    EXPECT_EQ(state.FirstTryCount, 4);
}

TEST(ExerciseState, StartupValuesBeginAFreshRun)
{
    ExerciseState state = midRunState();
    SetStartupValues(state);
    expectRowsCleared(state);
    EXPECT_EQ(state.HeldDigit, NO_HELD);
    EXPECT_EQ(state.Operation, OPERATION_ADDITION);
    EXPECT_EQ(state.Phase, PHASE_CLOSED);
    EXPECT_EQ(state.ProblemCount, 0);
    EXPECT_EQ(state.FirstTryCount, 0);
}

} // namespace
