// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WorkedAnswer.h"

#include "engine/ColumnDigits.h"

namespace {

// The upper digit of `column` lends one to the column on its right. A 0
// cannot lend until it has borrowed from its own left: it becomes 9 and the
// next column lends in turn.
void lendFrom(DigitRow& working, int column)
{
    working[column] -= 1;
    if (working[column] == -1 && column > THOUSANDS) {
        working[column] = 9;
        lendFrom(working, column - 1);
    }
}

void subtractionWalk(ExerciseState& state)
{
    DigitRow working = state.TopDigits;
    for (int column = UNITS; column > THOUSANDS; --column) {
        std::int32_t difference = working[column] - state.BottomDigits[column];
        if (difference < 0) {
            difference += 10;
            lendFrom(working, column - 1);
        }
        state.ExpectedAnswer[column] = difference;
    }
    state.ExpectedAnswer[THOUSANDS] = working[THOUSANDS] - state.BottomDigits[THOUSANDS];
    // A column that lent is marked with its upper digit as lowered; the
    // units digit never lends.
    for (int column = THOUSANDS; column < UNITS; ++column)
        if (working[column] != state.TopDigits[column])
            state.ExpectedMarks[column] = working[column];
}

void additionWalk(ExerciseState& state)
{
    std::int32_t carry = 0;
    for (int column = UNITS; column > THOUSANDS; --column) {
        const std::int32_t sum = state.TopDigits[column] + state.BottomDigits[column] + carry;
        state.ExpectedAnswer[column] = sum % 10;
        carry = sum / 10;
        state.ExpectedMarks[column - 1] = carry;
    }
    // Sums stay within four digits, so the thousands are taken whole.
    state.ExpectedAnswer[THOUSANDS] = state.TopDigits[THOUSANDS] + state.BottomDigits[THOUSANDS] + carry;
}

// Leading zeros show nothing; the units slot always shows its digit, so the
// number 0 keeps its single 0.
void blankLeadingZeros(DigitRow& row)
{
    for (int column = THOUSANDS; column < UNITS && row[column] == 0; ++column)
        row[column] = BLANK;
}

// Nobody writes a carry of 0 in front of a number, a carry into a column
// neither number reaches (it only shows as the answer's leading digit), or a
// leading upper digit that lent down to 0. The look from the left stops at
// the first mark that is really written.
void clearUnwrittenNotation(ExerciseState& state)
{
    for (int column = THOUSANDS; column < UNITS; ++column) {
        if (state.ExpectedMarks[column] != 0 && !IsEmptyColumn(state, column))
            return;
        state.ExpectedMarks[column] = BLANK;
    }
}

} // namespace

bool IsEmptyColumn(const ExerciseState& problem, int column)
{
    return problem.TopDigits[column] == BLANK && problem.BottomDigits[column] == BLANK;
}

void WriteOperands(ExerciseState& state, std::int32_t upper, std::int32_t lower)
{
    for (int column = THOUSANDS; column <= UNITS; ++column) {
        state.TopDigits[column] = DigitOf(upper, column);
        state.BottomDigits[column] = DigitOf(lower, column);
    }
}

void WorkAnswer(ExerciseState& state)
{
    if (state.Operation == Operation::Subtraction)
        subtractionWalk(state);
    else
        additionWalk(state);
    TidyWorkedAnswer(state);
    state.ProblemCount += 1;
    state.Phase = Phase::FirstTry;
}

void TidyWorkedAnswer(ExerciseState& state)
{
    blankLeadingZeros(state.TopDigits);
    blankLeadingZeros(state.BottomDigits);
    blankLeadingZeros(state.ExpectedAnswer);
    clearUnwrittenNotation(state);
}

void PoseProblem(ExerciseState& state, Operation operation, std::int32_t upper,
                 std::int32_t lower)
{
    ResetExerciseState(state);
    state.Operation = operation;
    WriteOperands(state, upper, lower);
    WorkAnswer(state);
}

WorkedSum WorkedSumOf(const ExerciseState& problem)
{
    WorkedSum sum{problem.Operation, problem.TopDigits, problem.BottomDigits, {}, {}, problem.ExpectedAnswer};
    for (int column = THOUSANDS; column < UNITS; ++column) {
        const std::int32_t mark = problem.ExpectedMarks[column];
        const bool written = MarkIsWritten(problem.Operation, mark);
        sum.notation[column] = written ? mark : BLANK;
        sum.lent[column] = written && problem.Operation == Operation::Subtraction;
    }
    return sum;
}
