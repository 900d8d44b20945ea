// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/ProblemKind.h"

#include <algorithm>

namespace {

constexpr std::int32_t placeValues[] = {10, 100, 1000};

constexpr std::array<KindName, PROBLEM_KIND_COUNT> kindNames{{
    {"たし算（くり上がりなし）", "Addition, no carrying"},
    {"たし算（くり上がりあり）", "Addition with carrying"},
    {"ひき算（くり下がりなし）", "Subtraction, no borrowing"},
    {"ひき算（くり下がりあり）", "Subtraction with borrowing"},
    {"ひき算（0 をこえるくり下がり）", "Subtraction borrowing across a zero"},
}};

} // namespace

std::int32_t NumberIn(const DigitRow& row)
{
    std::int32_t number = 0;
    for (const std::int32_t digit : row)
        number = number * 10 + std::max(digit, 0);
    return number;
}

ProblemKind KindOf(const ExerciseState& problem)
{
    const std::int32_t upper = NumberIn(problem.TopDigits);
    const std::int32_t lower = NumberIn(problem.BottomDigits);
    // Carrying or borrowing out of a column shows in the numbers cut off
    // above it; a borrow reaching a 0 of the upper number goes across it.
    bool moves = false;
    bool acrossZero = false;
    for (const std::int32_t place : placeValues) {
        const bool carries = upper % place + lower % place >= place;
        const bool borrows = upper % place < lower % place;
        const bool zeroAbove = upper / place % 10 == 0;
        if (problem.Operation == Operation::Addition) {
            moves = moves || carries;
        } else {
            moves = moves || borrows;
            acrossZero = acrossZero || (borrows && zeroAbove);
        }
    }
    if (problem.Operation == Operation::Addition)
        return moves ? ProblemKind::AdditionCarry : ProblemKind::AdditionNoCarry;
    if (acrossZero)
        return ProblemKind::BorrowAcrossZero;
    return moves ? ProblemKind::SubtractionBorrow : ProblemKind::SubtractionNoBorrow;
}

int ColumnsOf(const ExerciseState& problem)
{
    for (int column = 0; column < MAX_COLUMNS; ++column)
        if (problem.TopDigits[column] != BLANK || problem.BottomDigits[column] != BLANK)
            return MAX_COLUMNS - column;
    return 1;
}

KindName NameOf(ProblemKind kind)
{
    return kindNames[static_cast<std::size_t>(kind)];
}
