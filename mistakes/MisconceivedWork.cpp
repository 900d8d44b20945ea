// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/MisconceivedWork.h"

#include "engine/ColumnDigits.h"
#include "engine/WorkedAnswer.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

std::int32_t digitIn(const DigitRow& row, int column)
{
    return std::max(row[column], 0);
}

bool reaches(const DigitRow& row, int column)
{
    return row[column] != BLANK;
}

// The digit of `column` lends one by the child's own way of lending. False
// when there is nothing to lend from.
bool lend(Lending lending, DigitRow& working, int column)
{
    std::int32_t& digit = working[column];
    switch (lending) {
    case Lending::Chain:
        digit -= 1;
        if (digit == -1 && column > THOUSANDS) {
            digit = 9;
            return lend(lending, working, column - 1);
        }
        return true;
    case Lending::NothingLowered:
        return true;
    case Lending::ZeroBecomesNine:
        digit = digit == 0 ? 9 : digit - 1;
        return true;
    case Lending::NothingAtZero:
        digit -= digit > 0 ? 1 : 0;
        return true;
    case Lending::SkipsZeros:
        for (int left = column; left >= THOUSANDS; --left)
            if (working[left] > 0) {
                working[left] -= 1;
                return true;
            }
        return false;
    }
    return false;
}

// What the child writes under one column of a subtraction, or -1 when the
// habit gets stuck there (a digit below zero, nothing to lend from).
std::int32_t subtractColumn(const SubtractionHabit& habit, const ExerciseState& problem, DigitRow& working,
                            int column)
{
    const std::int32_t top = working[column];
    const std::int32_t bottom = digitIn(problem.BottomDigits, column);
    if (habit.digit == ColumnDigit::LargerMinusSmaller)
        return std::abs(top - bottom);
    if (habit.digit == ColumnDigit::ZeroMinusNIsN && top == 0 && bottom > 0)
        return bottom;
    if (habit.digit == ColumnDigit::NMinusZeroIsZero && reaches(problem.BottomDigits, column) && bottom == 0)
        return 0;
    const bool canLend = column > THOUSANDS && reaches(problem.TopDigits, column - 1);
    const bool borrows = top < bottom || (habit.borrowWhen == BorrowWhen::EveryColumn && canLend);
    if (!borrows)
        return top - bottom;
    if (!canLend || !lend(habit.lending, working, column - 1))
        return -1;
    // Borrowing where the top digit was large enough gives ten and more; the
    // child writes the ones.
    return (top + 10 - bottom) % 10;
}

// Puts the written numeral under the sum and tidies the work. False when it
// needs more than the four answer cells.
bool writeAnswer(ExerciseState& work, std::string numeral)
{
    numeral.erase(0, std::min(numeral.find_first_not_of('0'), numeral.size() - 1));
    if (numeral.size() > work.ExpectedAnswer.size())
        return false;
    numeral.insert(0, work.ExpectedAnswer.size() - numeral.size(), '0');
    for (std::size_t column = 0; column < numeral.size(); ++column)
        work.ExpectedAnswer[column] = numeral[column] - '0';
    TidyWorkedAnswer(work);
    return true;
}

// The posed problem with its operands' digits back in every slot and no
// worked answer yet.
ExerciseState unworked(const ExerciseState& problem)
{
    ExerciseState work = problem;
    for (int column = THOUSANDS; column <= UNITS; ++column) {
        work.TopDigits[column] = digitIn(problem.TopDigits, column);
        work.BottomDigits[column] = digitIn(problem.BottomDigits, column);
    }
    work.ExpectedMarks.fill(BLANK);
    return work;
}

} // namespace

std::optional<ExerciseState> WorkByHabit(const SubtractionHabit& habit, const ExerciseState& problem)
{
    ExerciseState work = unworked(problem);
    DigitRow working = work.TopDigits;
    std::string numeral;
    for (int column = UNITS; column >= THOUSANDS; --column) {
        const std::int32_t digit = subtractColumn(habit, problem, working, column);
        if (digit < 0)
            return std::nullopt;
        numeral.insert(numeral.begin(), static_cast<char>('0' + digit));
    }
    for (int column = THOUSANDS; column < UNITS; ++column)
        if (working[column] != work.TopDigits[column])
            work.ExpectedMarks[column] = working[column];
    if (!writeAnswer(work, numeral))
        return std::nullopt;
    return work;
}

std::optional<ExerciseState> WorkByHabit(const AdditionHabit& habit, const ExerciseState& problem)
{
    ExerciseState work = unworked(problem);
    DigitRow incoming{0, 0, 0, 0};
    std::string numeral;
    for (int column = UNITS; column >= THOUSANDS; --column) {
        const bool reached = reaches(problem.TopDigits, column) || reaches(problem.BottomDigits, column);
        const std::int32_t sum = work.TopDigits[column] + work.BottomDigits[column]
                               + incoming[column] * (reached ? habit.timesAdded : 1);
        // The thousands take their sum whole, as the worked answer does.
        if (habit.wholeColumnSumWritten || column == THOUSANDS) {
            numeral.insert(0, std::to_string(sum));
            continue;
        }
        numeral.insert(numeral.begin(), static_cast<char>('0' + sum % 10));
        if (habit.carryGoes == CarryGoes::Forgotten)
            continue;
        const int target = column - (habit.carryGoes == CarryGoes::TwoColumnsOn ? 2 : 1);
        if (target < THOUSANDS) {
            if (sum >= 10)
                return std::nullopt;
            continue;
        }
        incoming[target] += sum / 10;
        work.ExpectedMarks[target] = sum / 10;
    }
    if (!writeAnswer(work, numeral))
        return std::nullopt;
    return work;
}

std::optional<ExerciseState> MisconceivedWork(const Misconception& misconception, const ExerciseState& problem)
{
    if (problem.Operation == Operation::Subtraction) {
        const auto* habit = std::get_if<SubtractionHabit>(&misconception.habit);
        return WorkByHabit(habit ? *habit : SubtractionHabit{}, problem);
    }
    const auto* habit = std::get_if<AdditionHabit>(&misconception.habit);
    return WorkByHabit(habit ? *habit : AdditionHabit{}, problem);
}

void WriteIntoCells(const ExerciseState& work, ExerciseState& sheet)
{
    sheet.EnteredAnswer = work.ExpectedAnswer;
    sheet.EnteredMarks = work.ExpectedMarks;
    for (std::size_t column = 0; column < sheet.CrossedOut.size(); ++column) {
        const bool lowered = work.Operation == Operation::Subtraction && MarkIsWritten(work.Operation, work.ExpectedMarks[column]);
        sheet.CrossedOut[column] = lowered ? STRUCK : 0;
    }
}
