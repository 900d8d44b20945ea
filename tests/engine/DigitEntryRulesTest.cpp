// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DigitEntryRules.h"
#include "engine/PracticeRun.h"

#include <gtest/gtest.h>

namespace {

// Left presses run empty, ０ … ９, empty; the other buttons run back.
TEST(DigitEntryRules, SteppingRunsThroughTheCycleBothWays)
{
    std::int32_t forwards = BLANK;
    std::int32_t backwards = BLANK;
    const std::int32_t cycle[] = {BLANK, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (std::size_t step = 1; step <= std::size(cycle); ++step) {
        forwards = SteppedSlot(forwards, StepDirection::Forwards);
        backwards = SteppedSlot(backwards, StepDirection::Backwards);
        EXPECT_EQ(forwards, cycle[step % std::size(cycle)]) << step;
        EXPECT_EQ(backwards, cycle[(std::size(cycle) - step) % std::size(cycle)]) << step;
    }
}

// A digit stores itself, the slash 0; with nothing carried the slot keeps
// its value. Either way the hand is empty afterwards.
TEST(DigitEntryRules, DroppingAndLettingGo)
{
    const struct {
        std::int32_t held;
        bool placed;
        std::int32_t slotAfter;
    } rows[] = {{NO_HELD, false, 7}, {HELD_SLASH, true, 0}, {0, true, 0}, {5, true, 5}, {9, true, 9}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.held);
        ExerciseState state;
        state.HeldDigit = row.held;
        std::int32_t slot = 7;
        EXPECT_EQ(DropHeldSymbol(state, slot), row.placed);
        EXPECT_EQ(slot, row.slotAfter);
        EXPECT_EQ(state.HeldDigit, NO_HELD);

        state.HeldDigit = row.held;
        EXPECT_EQ(LetGoOfHeldSymbol(state), row.held != NO_HELD);
        EXPECT_EQ(state.HeldDigit, NO_HELD);
    }
}

TEST(DigitEntryRules, StrikingTogglesOneColumn)
{
    ExerciseState state;
    ToggleStruck(state, 1);
    EXPECT_EQ(state.CrossedOut, (NotationRow{0, STRUCK, 0}));
    EXPECT_TRUE(IsStruck(state, 1));
    EXPECT_FALSE(IsStruck(state, 0));
    ToggleStruck(state, 1);
    EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
}

// A restart clears the counters and closes the problem but leaves the rows
// on screen alone; showing the model answer closes it and keeps the counts.
TEST(PracticeRunRules, RestartAndModelAnswerClose)
{
    ExerciseState state;
    EXPECT_FALSE(HasDrawnProblem(state));
    state.Phase = Phase::Retrying;
    state.ProblemCount = 5;
    state.FirstTryCount = 3;
    state.EnteredAnswer = {1, 2, 3, 4};
    EXPECT_FALSE(DrawsNextProblem(state));
    EXPECT_TRUE(HasDrawnProblem(state));

    CloseWithoutJudging(state);
    EXPECT_TRUE(DrawsNextProblem(state));
    EXPECT_EQ(state.ProblemCount, 5);
    EXPECT_EQ(state.FirstTryCount, 3);

    state.Phase = Phase::FirstTry;
    RestartRun(state);
    EXPECT_TRUE(DrawsNextProblem(state));
    EXPECT_EQ(state.ProblemCount, 0);
    EXPECT_EQ(state.FirstTryCount, 0);
    EXPECT_EQ(state.EnteredAnswer, (DigitRow{1, 2, 3, 4}));
}

// A carry of 0 is no carry, a lowered 0 is a digit; BLANK is never written.
// Only "ひきざん" (item 1) is subtraction.
TEST(OperationRules, MarksWrittenAndKindsOfTheRadioItems)
{
    const struct { std::int32_t mark; bool addition, subtraction; } marks[] = {
        {BLANK, false, false}, {0, false, true}, {1, true, true}, {9, true, true}};
    for (const auto& row : marks) {
        EXPECT_EQ(MarkIsWritten(Operation::Addition, row.mark), row.addition) << row.mark;
        EXPECT_EQ(MarkIsWritten(Operation::Subtraction, row.mark), row.subtraction) << row.mark;
    }
    EXPECT_EQ(OperationForKind(0), Operation::Addition);
    EXPECT_EQ(OperationForKind(1), Operation::Subtraction);
    EXPECT_EQ(OperationForKind(7), Operation::Addition);
    EXPECT_EQ(static_cast<std::int32_t>(Operation::Subtraction), -1);
    EXPECT_EQ(static_cast<std::int32_t>(Phase::FirstTry), -1);
}

} // namespace
