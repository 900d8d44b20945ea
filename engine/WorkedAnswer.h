// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"

#include <array>
#include <cstdint>

// Writes the digits of the upper and the lower number into TopDigits and
// BottomDigits, every slot a digit (leading zeros included).
void WriteOperands(ExerciseState& state, std::int32_t upper, std::int32_t lower);

// Works out the problem in TopDigits and BottomDigits the way a child does on
// paper: fills ExpectedAnswer and ExpectedMarks, blanks the leading zeros of
// all three numbers, clears the notation nobody writes, then counts the
// problem and opens it.
void WorkAnswer(ExerciseState& state);

// The last steps of working any answer out, the child's own included: blanks
// the leading zeros of the three numbers and clears the notation nobody
// writes.
void TidyWorkedAnswer(ExerciseState& state);

// Sets up one exact problem: resets the rows, writes the operands and works
// the answer, as drawing that pair at random would.
void PoseProblem(ExerciseState& state, Operation operation, std::int32_t upper,
                 std::int32_t lower);

// Whether neither number of the problem reaches the column: nothing is
// carried into it or borrowed from it that anybody writes down.
bool IsEmptyColumn(const ExerciseState& problem, int column);

// The worked answer as it is written out in full, the one every screen and
// the key on paper draw: each row thousands first, BLANK where nothing is
// written.
struct WorkedSum {
    ::Operation operation = Operation::Addition;
    DigitRow upper{BLANK, BLANK, BLANK, BLANK};
    DigitRow lower{BLANK, BLANK, BLANK, BLANK};
    // The carry, or the lowered upper digit, written above each column.
    NotationRow notation{BLANK, BLANK, BLANK};
    // The upper digits that lent, struck through under their lowered digit.
    std::array<bool, 3> lent{};
    DigitRow answer{BLANK, BLANK, BLANK, BLANK};

    friend bool operator==(const WorkedSum&, const WorkedSum&) = default;
};

// The worked answer of a problem PoseProblem or NewProblem has set up.
WorkedSum WorkedSumOf(const ExerciseState& problem);
